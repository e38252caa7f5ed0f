// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/answer.h"

#include <cmath>
#include <cstdint>

namespace nizam {

namespace {

// The code point starting at text[i] and its length in bytes; a byte that
// does not start a well-formed sequence counts as itself.
std::pair<char32_t, std::size_t> decode(std::string_view text, std::size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    auto cont = [&](std::size_t k) {
        return i + k < text.size() && (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    };
    if (b < 0x80) return {b, 1};
    if ((b & 0xE0) == 0xC0 && cont(1))
        return {static_cast<char32_t>(((b & 0x1F) << 6) | (text[i + 1] & 0x3F)), 2};
    if ((b & 0xF0) == 0xE0 && cont(1) && cont(2))
        return {static_cast<char32_t>(((b & 0x0F) << 12) | ((text[i + 1] & 0x3F) << 6) | (text[i + 2] & 0x3F)), 3};
    if ((b & 0xF8) == 0xF0 && cont(1) && cont(2) && cont(3))
        return {static_cast<char32_t>(((b & 0x07) << 18) | ((text[i + 1] & 0x3F) << 12) |
                                      ((text[i + 2] & 0x3F) << 6) | (text[i + 3] & 0x3F)),
                4};
    return {b, 1};
}

constexpr char32_t kTatweel = 0x0640;
bool isSpace(char32_t c) { return c == U' ' || c == 0x00A0 || c == 0x202F || c == U'\t'; }

// 0..9 for a digit of any of the three forms, -1 otherwise.
int digitValue(char32_t c) {
    if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
    if (c >= 0x0660 && c <= 0x0669) return static_cast<int>(c - 0x0660);
    if (c >= 0x06F0 && c <= 0x06F9) return static_cast<int>(c - 0x06F0);
    return -1;
}

bool isDecimalSeparator(char32_t c) { return c == U'.' || c == U',' || c == 0x066B; }

// A small recursive-descent reader of formulas over B2 and B3.
class FormulaReader {
public:
    FormulaReader(std::string_view text, double b2, double b3) : text_(text), b2_(b2), b3_(b3) {}

    std::optional<double> read() {
        skipSpaces();
        if (!take(U'=')) return std::nullopt;
        const auto v = sum();
        skipSpaces();
        if (!v || pos_ != text_.size() || !std::isfinite(*v)) return std::nullopt;
        return v;
    }

private:
    char32_t peek() const { return pos_ < text_.size() ? decode(text_, pos_).first : 0; }
    void next() { pos_ += decode(text_, pos_).second; }
    void skipSpaces() {
        while (pos_ < text_.size() && isSpace(peek())) next();
    }
    bool take(char32_t c) {
        skipSpaces();
        if (pos_ >= text_.size() || peek() != c) return false;
        next();
        return true;
    }
    bool takeMinus() { return take(U'-') || take(0x2212); }

    std::optional<double> sum() {
        auto v = product();
        while (v) {
            if (take(U'+')) {
                const auto r = product();
                if (!r) return std::nullopt;
                *v += *r;
            } else if (takeMinus()) {
                const auto r = product();
                if (!r) return std::nullopt;
                *v -= *r;
            } else {
                break;
            }
        }
        return v;
    }

    std::optional<double> product() {
        auto v = unary();
        while (v) {
            if (take(U'*')) {
                const auto r = unary();
                if (!r) return std::nullopt;
                *v *= *r;
            } else if (take(U'/')) {
                const auto r = unary();
                if (!r || *r == 0) return std::nullopt;
                *v /= *r;
            } else {
                break;
            }
        }
        return v;
    }

    std::optional<double> unary() {
        if (takeMinus()) {
            const auto v = unary();
            return v ? std::optional<double>(-*v) : std::nullopt;
        }
        if (take(U'+')) return unary();
        return primary();
    }

    std::optional<double> primary() {
        skipSpaces();
        if (depth_ > 64) return std::nullopt;  // a pasted wall of parentheses
        if (take(U'(')) {
            ++depth_;
            const auto v = sum();
            --depth_;
            if (!v || !take(U')')) return std::nullopt;
            return v;
        }
        const char32_t c = peek();
        if (c == U'B' || c == U'b') {
            next();
            const int d = digitValue(peek());
            if (d != 2 && d != 3) return std::nullopt;
            next();
            if (digitValue(peek()) >= 0) return std::nullopt;  // B23 is another cell
            return d == 2 ? b2_ : b3_;
        }
        // A number: digits with at most one separator followed by a digit.
        const std::size_t start = pos_;
        while (pos_ < text_.size() && (digitValue(peek()) >= 0 || isDecimalSeparator(peek()))) next();
        if (pos_ == start) return std::nullopt;
        const auto canonical = plainNumber(text_.substr(start, pos_ - start));
        if (!canonical) return std::nullopt;
        return std::stod(*canonical);
    }

    std::string_view text_;
    double b2_, b3_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

bool formulaRight(std::string_view typed, const FormulaKey& key) {
    for (const auto& [b2, b3] : key.cells) {
        const auto got = formulaValue(typed, b2, b3);
        if (!got) return false;
        const double want = key.value(b2, b3);
        if (std::fabs(*got - want) > 1e-9 * std::max(1.0, std::fabs(want))) return false;
    }
    return true;
}

}  // namespace

std::string withoutInvisibleDifferences(std::string_view typed) {
    std::string out;
    bool pendingSpace = false;
    for (std::size_t i = 0; i < typed.size();) {
        const auto [c, len] = decode(typed, i);
        if (c == kTatweel) {
            i += len;
            continue;
        }
        if (isSpace(c)) {
            pendingSpace = !out.empty();
        } else {
            if (pendingSpace) out += ' ';
            pendingSpace = false;
            out.append(typed.substr(i, len));
        }
        i += len;
    }
    return out;
}

std::optional<std::string> plainNumber(std::string_view text) {
    std::string whole, fraction;
    bool negative = false, separator = false;
    std::size_t i = 0;
    if (!text.empty() && (text[0] == '-' || decode(text, 0).first == 0x2212)) {
        negative = true;
        i += decode(text, 0).second;
    }
    for (; i < text.size();) {
        const auto [c, len] = decode(text, i);
        if (const int d = digitValue(c); d >= 0) {
            (separator ? fraction : whole) += static_cast<char>('0' + d);
        } else if (isDecimalSeparator(c) && !separator && !whole.empty()) {
            separator = true;
        } else {
            return std::nullopt;
        }
        i += len;
    }
    if (whole.empty() || (separator && fraction.empty())) return std::nullopt;
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::string out = whole;
    if (!fraction.empty()) out += "." + fraction;
    if (negative && out != "0") out.insert(0, "-");
    return out;
}

std::optional<double> formulaValue(std::string_view text, double b2, double b3) {
    return FormulaReader(text, b2, b3).read();
}

bool judgeTyped(std::string_view typed, const TypedKey& key) {
    const std::string answer = withoutInvisibleDifferences(typed);
    if (key.formula()) return formulaRight(answer, *key.formula());
    const std::optional<std::string> value = plainNumber(answer);
    for (std::string_view form : key.forms()) {
        if (const auto keyValue = plainNumber(form)) {
            if (value == keyValue) return true;
        } else if (answer == form) {
            return true;
        }
    }
    return false;
}

}  // namespace nizam
