// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace calc {

namespace {

// Results are kept to 15 significant digits, the precision a double holds
// reliably. Rounding every result to it removes binary noise such as
// 0.1 + 0.2 = 0.30000000000000004 before it can build up.
constexpr int kInternalDigits = 15;
constexpr int kDisplayDigits = 10;

// A sum or difference this much smaller than its operands is what is left of
// rounding noise (1 / 3 x 3 - 1), not a real difference: typed numbers have
// at most ten digits, so real differences are far larger.
constexpr double kCancellation = 1e-12;

// Writes value in scientific form with the given number of significant
// digits. std::to_chars ignores the locale, unlike printf, so a point is
// always the decimal separator.
std::string scientific(double value, int digits) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    return std::string(buf, res.ptr);
}

double parse(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

double roundToInternal(double value) {
    if (!std::isfinite(value) || value == 0) return value;
    return parse(scientific(value, kInternalDigits));
}

}  // namespace

Key digitKey(int d) {
    return static_cast<Key>(static_cast<int>(Key::Digit0) + std::clamp(d, 0, 9));
}

std::string formatNumber(double value) {
    if (value == 0 || !std::isfinite(value)) return value == 0 ? "0" : std::string(kErrorText);

    // "-9.117647059e+01": sign, ten significant digits, decimal exponent.
    const std::string sci = scientific(value, kDisplayDigits);
    const bool negative = sci.front() == '-';
    const auto ePos = sci.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (sci[i] != '.') digits += sci[i];
    const int exponent = std::atoi(sci.c_str() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= kDisplayDigits || exponent < -7) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        out += exponent < 0 ? "e-" : "e+";
        out += std::to_string(std::abs(exponent));
    } else if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto intDigits = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= intDigits) {
            out += digits + std::string(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    }
    return out;
}

void Engine::press(Key key) {
    switch (key) {
    case Key::Point: typePoint(); break;
    case Key::Add: pressOperator(Op::Add); break;
    case Key::Subtract: pressOperator(Op::Subtract); break;
    case Key::Multiply: pressOperator(Op::Multiply); break;
    case Key::Divide: pressOperator(Op::Divide); break;
    case Key::Percent: pressPercent(); break;
    case Key::Negate: pressNegate(); break;
    case Key::Equals: pressEquals(); break;
    case Key::Clear: reset(); break;
    case Key::ClearEntry: clearEntry(); break;
    case Key::Backspace: backspace(); break;
    default:
        typeDigit(static_cast<char>('0' + (static_cast<int>(key) - static_cast<int>(Key::Digit0))));
        break;
    }
}

bool Engine::enterNumber(std::string_view text) {
    // Check the form by hand: std::from_chars alone would also take "inf",
    // "nan" and hexadecimal digits, and stop silently at trailing junk.
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    const std::size_t mantissaStart = i;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') ++digits;
        else if (c == '.' && !point) point = true;
        else break;
    }
    if (digits == 0) return false;
    const std::string_view mantissa = text.substr(mantissaStart, i - mantissaStart);
    const bool hasExponent = i < text.size();
    if (hasExponent) {
        if (text[i] != 'e' && text[i] != 'E') return false;
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t expStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        if (i == expStart || i != text.size()) return false;
    }

    double value = 0;
    const auto [end, ec] = std::from_chars(text.data() + mantissaStart, text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) return false;
    if (negative) value = -value;

    // A pasted number starts a new calculation after an error, like a typed one.
    if (error_) reset();
    entering_ = false;
    startEntryIfNeeded();

    // The entry as the pupil would have typed it: no zeros in front of the
    // first digit ("007" is 7), a zero before a leading point (".5" is 0.5).
    std::string entry(mantissa);
    const std::size_t firstNonZero = entry.find_first_not_of('0');
    entry.erase(0, std::min(firstNonZero, entry.size()));
    if (entry.empty() || entry.front() == '.') entry.insert(0, "0");
    entry_ = entry;
    if (!hasExponent && typedDigits() <= kMaxDigits) {
        entryNegative_ = negative && value != 0;
        return true;
    }
    // Too long to edit digit by digit: keep it as a value, like a result.
    entry_ = "0";
    entering_ = false;
    value_ = value == 0 ? 0.0 : roundToInternal(value);
    return true;
}

std::string Engine::display() const {
    if (error_) return std::string(kErrorText);
    if (entering_) return (entryNegative_ ? "-" : "") + entry_;
    return formatNumber(value_);
}

double Engine::current() const {
    if (!entering_) return value_;
    const double v = parse(entry_);
    return entryNegative_ ? -v : v;
}

int Engine::typedDigits() const {
    // The zero in front of the point of "0.25" is not typed by the pupil's
    // choice, so it does not count against the limit.
    const bool leadingZero = entry_.size() > 1 && entry_[0] == '0' && entry_[1] == '.';
    const auto n = std::count_if(entry_.begin(), entry_.end(), [](char c) { return c >= '0' && c <= '9'; });
    return static_cast<int>(n) - (leadingZero ? 1 : 0);
}

void Engine::startEntryIfNeeded() {
    // After an error any number key starts a new calculation.
    if (error_) reset();
    if (entering_) return;
    entering_ = true;
    entry_ = "0";
    entryNegative_ = false;
    operandGiven_ = true;
    // A number typed after "=" starts a new calculation line.
    if (pending_ == Op::None) expression_.clear();
}

void Engine::typeDigit(char digit) {
    startEntryIfNeeded();
    if (entry_ == "0") {
        entry_ = std::string(1, digit);
    } else if (typedDigits() < kMaxDigits) {
        entry_ += digit;
    }
}

void Engine::typePoint() {
    startEntryIfNeeded();
    if (entry_.find('.') == std::string::npos && typedDigits() < kMaxDigits) entry_ += '.';
}

void Engine::pressOperator(Op op) {
    if (error_) return;
    const double v = current();
    if (pending_ != Op::None && operandGiven_) {
        // Chained operations are worked out left to right as they come:
        // 2 + 3 x shows 5 before the 4 is typed.
        const std::string step = formatNumber(accumulator_) + " " + std::string(symbol(pending_)) + " " + operand(v);
        double r = 0;
        if (!apply(accumulator_, pending_, v, r)) {
            fail();
            expression_ = step + " =";
            return;
        }
        accumulator_ = r;
    } else if (pending_ == Op::None) {
        accumulator_ = v;
    }
    // Otherwise two operator keys in a row: the second replaces the first.
    pending_ = op;
    value_ = accumulator_;
    entering_ = false;
    operandGiven_ = false;
    expression_ = formatNumber(accumulator_) + " " + std::string(symbol(op));
}

void Engine::pressEquals() {
    if (error_) return;
    const double v = current();
    double a = 0;
    if (pending_ != Op::None) {
        // "5 x =" uses the shown value as the second operand: 25.
        a = accumulator_;
        lastOp_ = pending_;
        lastOperand_ = v;
        pending_ = Op::None;
    } else if (lastOp_ != Op::None) {
        // "=" again, or a new number then "=", repeats the last operation.
        a = v;
    } else {
        // Nothing to calculate: just settle the typed number ("3." becomes "3").
        value_ = v;
        entering_ = false;
        expression_ = formatNumber(v) + " =";
        return;
    }
    expression_ = formatNumber(a) + " " + std::string(symbol(lastOp_)) + " " + operand(lastOperand_) + " =";
    double r = 0;
    if (apply(a, lastOp_, lastOperand_, r)) showResult(r);
    else fail();
    operandGiven_ = false;
}

void Engine::pressPercent() {
    if (error_) return;
    const double v = current();
    double r = 0;
    bool ok = true;
    if (pending_ == Op::None) {
        // On its own, "%" divides by a hundred: 10 % gives 0.1.
        expression_ = formatNumber(v) + "% =";
        r = v / 100;
    } else {
        const double a = accumulator_;
        expression_ = formatNumber(a) + " " + std::string(symbol(pending_)) + " " + operand(v) + "% =";
        const double part = a * v / 100;
        switch (pending_) {
        case Op::Add: r = a + part; break;        // 200 + 10 % = 220
        case Op::Subtract: r = a - part; break;   // 200 - 10 % = 180
        case Op::Multiply: r = part; break;       // 50 x 10 % = 5
        case Op::Divide: ok = apply(a, Op::Divide, v / 100, r); break;  // 50 / 10 % = 500
        case Op::None: break;
        }
        pending_ = Op::None;
    }
    // A percentage ends the calculation; "=" afterwards keeps the result.
    lastOp_ = Op::None;
    operandGiven_ = false;
    if (ok && std::isfinite(r)) showResult(roundToInternal(r));
    else fail();
}

void Engine::pressNegate() {
    if (error_) return;
    if (entering_) {
        if (parse(entry_) != 0) entryNegative_ = !entryNegative_;
        return;
    }
    if (value_ != 0) value_ = -value_;
    if (pending_ != Op::None) {
        // "5 + ±" makes the shown value the second operand: 5 + (-5).
        operandGiven_ = true;
    } else {
        // The shown result is no longer what the expression line says.
        expression_.clear();
    }
}

void Engine::clearEntry() {
    if (error_) {
        reset();
        return;
    }
    entering_ = false;
    startEntryIfNeeded();
}

void Engine::backspace() {
    if (error_) {
        reset();
        return;
    }
    // A calculated result cannot be edited digit by digit.
    if (!entering_) return;
    entry_.pop_back();
    if (entry_.empty()) entry_ = "0";
    if (parse(entry_) == 0 && entry_.find('.') == std::string::npos) entryNegative_ = false;
}

void Engine::reset() {
    *this = Engine{};
}

void Engine::showResult(double value) {
    entering_ = false;
    value_ = value == 0 ? 0.0 : value;  // never show "-0"
}

void Engine::fail() {
    // Until the pupil types a number or clears, the calculator shows only
    // the error and ignores operation keys.
    error_ = true;
    entering_ = false;
    pending_ = Op::None;
    lastOp_ = Op::None;
    value_ = 0;
}

bool Engine::apply(double a, Op op, double b, double& result) {
    double r = 0;
    switch (op) {
    case Op::Add: r = a + b; break;
    case Op::Subtract: r = a - b; break;
    case Op::Multiply: r = a * b; break;
    case Op::Divide:
        if (b == 0) return false;
        r = a / b;
        break;
    case Op::None: r = b; break;
    }
    if ((op == Op::Add || op == Op::Subtract) && std::abs(r) <= std::max(std::abs(a), std::abs(b)) * kCancellation)
        r = 0;
    result = roundToInternal(r);
    return std::isfinite(result);
}

std::string_view Engine::symbol(Op op) {
    switch (op) {
    case Op::Add: return "+";
    case Op::Subtract: return "−";
    case Op::Multiply: return "×";
    case Op::Divide: return "÷";
    case Op::None: break;
    }
    return "";
}

std::string Engine::operand(double value) {
    // A negative right operand is bracketed: "5 − (-3)".
    const std::string text = formatNumber(value);
    return value < 0 ? "(" + text + ")" : text;
}

}  // namespace calc
