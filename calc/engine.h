// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's arithmetic and key handling, free of any user interface.
//
// The engine works like a common pocket calculator with immediate execution:
// operations are applied left to right as they are entered (2 + 3 x 4 = 20),
// "=" pressed again repeats the last operation, and "%" completes the pending
// operation as a percentage (200 + 10 % gives 220, 50 x 10 % gives 5).
#pragma once

#include <string>
#include <string_view>

namespace calc {

enum class Key {
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
    Point,
    Add, Subtract, Multiply, Divide,
    Percent,
    Negate,
    Equals,
    Clear,       // forget everything
    ClearEntry,  // forget the number being entered, keep the pending operation
    Backspace,   // remove the last typed character
};

// The key for the digit d (0..9).
Key digitKey(int d);

// The text the display shows for an impossible result (division by zero,
// overflow): "error" in Arabic.
inline constexpr std::string_view kErrorText = "خطأ";

// Formats a value as the display shows it: at most ten significant digits,
// no trailing zeros, a point as decimal separator, and scientific notation
// ("1.5e+12", "2e-8") only when the plain form would need more than ten
// integer digits or more than six zeros after the point.
std::string formatNumber(double value);

class Engine {
public:
    // The most digits a pupil can type into one number.
    static constexpr int kMaxDigits = 10;

    void press(Key key);

    // Enters a whole number at once, as if the pupil had typed it: it
    // becomes the number being entered (the right operand of a pending
    // operation, or the start of a new calculation). The text must be a
    // plain decimal number with a point: an optional "-", digits with at
    // most one point, and an optional exponent ("1.5e+12", as the display
    // writes large values). A number of up to kMaxDigits digits stays
    // editable as typed; a longer one, or one with an exponent, is taken as
    // a value and shown rounded like a result. Anything else, and numbers
    // out of range, are refused: the calculator is left unchanged and false
    // is returned.
    bool enterNumber(std::string_view text);

    // The main display: the number being typed exactly as typed, otherwise
    // the current value, or kErrorText.
    std::string display() const;

    // The small line above the display: the pending operation ("200 +") or
    // the calculation that produced the display ("2 + 3 =").
    std::string expression() const { return expression_; }

    bool hasError() const { return error_; }

private:
    enum class Op { None, Add, Subtract, Multiply, Divide };

    void typeDigit(char digit);
    void typePoint();
    void startEntryIfNeeded();
    void pressOperator(Op op);
    void pressEquals();
    void pressPercent();
    void pressNegate();
    void clearEntry();
    void backspace();
    void reset();

    double current() const;
    int typedDigits() const;
    void showResult(double value);
    void fail();

    static bool apply(double a, Op op, double b, double& result);
    static std::string_view symbol(Op op);
    static std::string operand(double value);

    // The number being typed: digits and at most one point, without sign.
    std::string entry_ = "0";
    bool entryNegative_ = false;
    bool entering_ = false;

    double value_ = 0;       // shown when not entering
    double accumulator_ = 0; // left operand of the pending operation
    Op pending_ = Op::None;
    // True once a right operand for the pending operation has been given
    // (typed, negated, cleared to 0); false right after an operator key, so a
    // second operator key only replaces the first.
    bool operandGiven_ = false;

    Op lastOp_ = Op::None;   // repeated by "=" with lastOperand_
    double lastOperand_ = 0;

    bool error_ = false;
    std::string expression_;
};

}  // namespace calc
