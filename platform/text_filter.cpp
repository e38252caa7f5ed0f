// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_filter.h"

#include <QList>
#include <optional>
#include <vector>

namespace nizam::platform {

namespace {

constexpr char32_t kZwnj = 0x200C;
constexpr char32_t kZwj = 0x200D;

bool isPresentationForm(char32_t c) {
    return (c >= 0xFB50 && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFE);
}

// Characters that draw nothing in a single-line box, whatever surrounds them.
bool isInvisible(char32_t c) {
    switch (c) {
        case 0x0009: case 0x000A: case 0x000B: case 0x000C: case 0x000D:  // tab, line breaks
        case 0x0085: case 0x2028: case 0x2029:                              // next line, line and paragraph separators
        case 0x00AD:                                                        // soft hyphen
        case 0x061C:                                                        // Arabic letter mark
        case 0x180E:                                                        // Mongolian vowel separator
        case 0x200B:                                                        // zero-width space
        case 0x200E: case 0x200F:                                           // left-to-right and right-to-left marks
        case 0xFEFF:                                                        // byte-order mark
            return true;
        default: break;
    }
    return (c >= 0x202A && c <= 0x202E)     // embeddings, overrides, their end
           || (c >= 0x2060 && c <= 0x2064)  // word joiner, invisible operators
           || (c >= 0x2066 && c <= 0x2069);  // isolates
}

bool isJoiner(char32_t c) { return c == kZwnj || c == kZwj; }

// Whether a letter joins the one that follows it in reading order / the one before it.
bool joinsFollowing(char32_t c) {
    const auto t = QChar::joiningType(c);
    return t == QChar::Joining_Dual || t == QChar::Joining_Left || t == QChar::Joining_Causing;
}
bool joinsPreceding(char32_t c) {
    const auto t = QChar::joiningType(c);
    return t == QChar::Joining_Dual || t == QChar::Joining_Right || t == QChar::Joining_Causing;
}

// Whether the joiner at position i changes the shape of a letter beside it.
// Combining marks (transparent to joining) are looked through.
bool joinerIsVisible(const std::vector<char32_t>& text, std::size_t i) {
    auto neighbour = [&](std::ptrdiff_t step) -> std::optional<char32_t> {
        for (std::ptrdiff_t k = static_cast<std::ptrdiff_t>(i) + step;
             k >= 0 && k < static_cast<std::ptrdiff_t>(text.size()); k += step) {
            const char32_t c = text[static_cast<std::size_t>(k)];
            if (QChar::joiningType(c) == QChar::Joining_Transparent) continue;
            return c;
        }
        return std::nullopt;
    };
    const auto before = neighbour(-1);
    const auto after = neighbour(+1);
    // Beside another joiner the pair's effect is hard to tell apart: keep both.
    if ((before && isJoiner(*before)) || (after && isJoiner(*after))) return true;
    const bool left = before && joinsFollowing(*before);   // the letter before would join on
    const bool right = after && joinsPreceding(*after);    // the letter after would join back
    if (text[i] == kZwnj) return left && right;             // it breaks a join that would be there
    return left != right;  // a joiner forces a joining form on one side only
}

}  // namespace

QString normalizeTyped(const QString& text) {
    std::vector<char32_t> chars;
    chars.reserve(static_cast<std::size_t>(text.size()));
    for (const uint u : text.toUcs4()) {
        if (!isInvisible(u)) chars.push_back(u);
    }
    QString out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        if (isJoiner(c) && !joinerIsVisible(chars, i)) continue;
        if (isPresentationForm(c))
            out += QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KC);
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out.normalized(QString::NormalizationForm_C);
}

std::string normalizeTyped(const std::string& utf8) {
    return normalizeTyped(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))).toStdString();
}

}  // namespace nizam::platform
