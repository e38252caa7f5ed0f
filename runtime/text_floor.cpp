// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/text_floor.h"

#include <cstdint>

namespace nizam {

namespace {

// The code point at `i` (UTF-8), and its length in bytes; a malformed byte
// is taken alone.
char32_t decode(std::string_view s, std::size_t i, std::size_t& length) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    length = 1;
    const int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : 0;
    if (extra == 0 || i + extra >= s.size()) return c;  // ASCII, a stray byte or a cut sequence
    char32_t cp = extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return c;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    length = 1 + extra;
    return cp;
}

bool isSpace(char32_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0; }

// A letter of the scripts the course is written in: Latin and Arabic (not
// their digits, signs or punctuation).
bool isLetter(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    if (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) return true;
    if (c >= 0x620 && c <= 0x64A) return true;   // Arabic letters
    if (c >= 0x66E && c <= 0x6D3) return true;   // further Arabic letters
    return false;
}

}  // namespace

TextKind kindOfText(std::string_view utf8) {
    // Words are runs between white space; only those holding a letter count,
    // so a number with its unit (1.5 V) or a row of signs stays one code.
    int words = 0;
    bool inWord = false, wordHasLetter = false;
    for (std::size_t i = 0; i <= utf8.size();) {
        std::size_t length = 1;
        const bool end = i == utf8.size();
        const char32_t c = end ? U' ' : decode(utf8, i, length);
        if (isSpace(c)) {
            if (inWord && wordHasLetter) ++words;
            inWord = wordHasLetter = false;
        } else {
            inWord = true;
            wordHasLetter = wordHasLetter || isLetter(c);
        }
        if (end) break;
        i += length;
    }
    return words >= 2 ? TextKind::Sentence : TextKind::Word;
}

const char* textKindName(TextKind kind) {
    switch (kind) {
        case TextKind::Sentence: return "a sentence or label";
        case TextKind::Word: return "a single word, number or code";
        case TextKind::Subscript: return "a subscript";
    }
    return "text";
}

}  // namespace nizam
