// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using calc::Engine;
using calc::Key;

const std::string kError(calc::kErrorText);

// Presses the keys a string spells: digits, '.', + - * / % =, and
// 'n' for ±, 'C' for clear, 'E' for clear entry, '<' for backspace.
// Spaces are ignored.
void press(Engine& e, const std::string& keys) {
    for (char c : keys) {
        switch (c) {
        case ' ': break;
        case '.': e.press(Key::Point); break;
        case '+': e.press(Key::Add); break;
        case '-': e.press(Key::Subtract); break;
        case '*': e.press(Key::Multiply); break;
        case '/': e.press(Key::Divide); break;
        case '%': e.press(Key::Percent); break;
        case '=': e.press(Key::Equals); break;
        case 'n': e.press(Key::Negate); break;
        case 'C': e.press(Key::Clear); break;
        case 'E': e.press(Key::ClearEntry); break;
        case '<': e.press(Key::Backspace); break;
        default:
            if (c < '0' || c > '9') ADD_FAILURE() << "unknown key '" << c << "' in " << keys;
            else e.press(calc::digitKey(c - '0'));
        }
    }
}

Engine run(const std::string& keys) {
    Engine e;
    press(e, keys);
    return e;
}

struct Case {
    const char* keys;
    const char* display;
};

std::ostream& operator<<(std::ostream& os, const Case& c) {
    return os << '"' << c.keys << "\" -> " << c.display;
}

class KeySequence : public ::testing::TestWithParam<Case> {};

TEST_P(KeySequence, ShowsExpectedDisplay) {
    EXPECT_EQ(run(GetParam().keys).display(), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(Formatting, KeySequence, ::testing::Values(
    Case{"31*100/34=", "91.17647059"},
    Case{"0.1+0.2=", "0.3"},
    Case{"0.1*3=", "0.3"},
    Case{"1/3=", "0.3333333333"},
    Case{"2/3=", "0.6666666667"},
    Case{"1/3*3=", "1"},
    Case{"1/3*3-1=", "0"},
    Case{"0.3-0.1-0.2=", "0"},
    Case{"10/4=", "2.5"},
    Case{"1.5+1.5=", "3"},
    Case{"2.50=", "2.5"},
    Case{"1/1000000=", "0.000001"},
    Case{"1/10000000=", "0.0000001"},
    Case{"1/100000000=", "1e-8"},
    Case{"1/7/1000000000=", "1.428571429e-10"}));

INSTANTIATE_TEST_SUITE_P(LargeNumbers, KeySequence, ::testing::Values(
    Case{"9999999999+1=", "1e+10"},
    Case{"9999999999*9999999999=", "9.999999998e+19"},
    Case{"9999999999n*9999999999=", "-9.999999998e+19"},
    Case{"123456789*1000=", "1.23456789e+11"},
    Case{"4999999999*2=", "9999999998"},
    Case{"12345678901", "1234567890"},
    Case{"12345678901.5", "1234567890"},
    // Ever larger until beyond what can be held: an error, not "inf".
    Case{"9999999999*========================================", "خطأ"}));

INSTANTIATE_TEST_SUITE_P(Chaining, KeySequence, ::testing::Values(
    Case{"2+3*4=", "20"},
    Case{"2+3*", "5"},
    Case{"10-2-3=", "5"},
    Case{"100/4/5=", "5"},
    Case{"2+*3=", "6"},
    Case{"5*=", "25"},
    Case{"5+=", "10"},
    Case{"2+3=*4=", "20"},
    Case{"2+3=9", "9"}));

INSTANTIATE_TEST_SUITE_P(RepeatedEquals, KeySequence, ::testing::Values(
    Case{"2+3===", "11"},
    Case{"10-2==", "6"},
    Case{"2*3==", "18"},
    Case{"100/2==", "25"},
    Case{"2+3=7=", "10"},
    Case{"5*==", "125"},
    Case{"7=", "7"},
    Case{"7==", "7"}));

INSTANTIATE_TEST_SUITE_P(Percent, KeySequence, ::testing::Values(
    Case{"200+10%", "220"},
    Case{"200+10%=", "220"},
    Case{"200-10%", "180"},
    Case{"50*10%", "5"},
    Case{"50*10%=", "5"},
    Case{"80*15%", "12"},
    Case{"50/10%", "500"},
    Case{"10%", "0.1"},
    Case{"50*%", "25"},
    Case{"200+10%+1=", "221"}));

INSTANTIATE_TEST_SUITE_P(SignChange, KeySequence, ::testing::Values(
    Case{"5n", "-5"},
    Case{"5nn", "5"},
    Case{"0n", "0"},
    Case{"1.5n", "-1.5"},
    Case{"5n2", "-52"},
    Case{"5-3n=", "8"},
    Case{"3n*3n=", "9"},
    Case{"2+3=n", "-5"},
    Case{"2+3=n=", "-2"},
    Case{"5+n=", "0"},
    Case{"5-5=n", "0"}));

INSTANTIATE_TEST_SUITE_P(DecimalPoint, KeySequence, ::testing::Values(
    Case{".", "0."},
    Case{".5", "0.5"},
    Case{"00.5", "0.5"},
    Case{"1.2.3", "1.23"},
    Case{"1.000", "1.000"},
    Case{"3.=", "3"},
    Case{"5+.5=", "5.5"},
    Case{"2+3=.5", "0.5"}));

INSTANTIATE_TEST_SUITE_P(BackspaceAndClear, KeySequence, ::testing::Values(
    Case{"123<", "12"},
    Case{"123<<<", "0"},
    Case{"123<<<<<", "0"},
    Case{"1.5<", "1."},
    Case{"1.5<<7", "17"},
    Case{"5n<", "0"},
    Case{"12+34<5=", "47"},
    Case{"2+3=<", "5"},
    Case{"12+34E5=", "17"},
    Case{"12+E=", "12"},
    Case{"12+34C", "0"},
    Case{"12+34C5=", "5"}));

INSTANTIATE_TEST_SUITE_P(DivisionByZero, KeySequence, ::testing::Values(
    Case{"5/0=", "خطأ"},
    Case{"0/0=", "خطأ"},
    Case{"5/0+", "خطأ"},
    Case{"50/0%", "خطأ"},
    Case{"5/0===", "خطأ"},
    Case{"5/0=+3=", "3"},
    Case{"5/0=n*", "خطأ"},
    Case{"5/0=7", "7"},
    Case{"5/0=7+1=", "8"},
    Case{"5/0=3=", "3"},
    Case{"5/0=.5", "0.5"},
    Case{"5/0=C", "0"},
    Case{"5/0=E", "0"},
    Case{"5/0=<", "0"},
    Case{"1+5/0=2*3=", "6"}));

TEST(Engine, ErrorStateIsReportedAndClearedByTheNextNumber) {
    Engine e = run("5/0=");
    EXPECT_TRUE(e.hasError());
    EXPECT_EQ(e.display(), kError);
    e.press(Key::Digit4);
    EXPECT_FALSE(e.hasError());
    EXPECT_EQ(e.display(), "4");
}

TEST(Engine, EveryDigitKeyTypesItsDigit) {
    Engine e;
    for (int d = 1; d <= 9; ++d) e.press(calc::digitKey(d));
    e.press(calc::digitKey(0));
    EXPECT_EQ(e.display(), "1234567890");
}

// A whole number entered at once (pasted) between two key sequences.
struct Entered {
    const char* before;
    const char* text;
    const char* after;
    bool accepted;
    const char* display;
};

std::ostream& operator<<(std::ostream& os, const Entered& c) {
    return os << '"' << c.before << "\" [" << c.text << "] \"" << c.after << '"';
}

class EnterNumber : public ::testing::TestWithParam<Entered> {};

TEST_P(EnterNumber, TakesPlainNumbersOnly) {
    const Entered& c = GetParam();
    Engine e = run(c.before);
    const std::string displayBefore = e.display();
    const std::string expressionBefore = e.expression();
    EXPECT_EQ(e.enterNumber(c.text), c.accepted);
    if (!c.accepted) {
        // A refused number leaves the calculator exactly as it was.
        EXPECT_EQ(e.display(), displayBefore);
        EXPECT_EQ(e.expression(), expressionBefore);
    }
    press(e, c.after);
    EXPECT_EQ(e.display(), c.display);
}

INSTANTIATE_TEST_SUITE_P(Accepted, EnterNumber, ::testing::Values(
    Entered{"", "42", "", true, "42"},
    Entered{"", "-3.5", "", true, "-3.5"},
    Entered{"", "007", "", true, "7"},
    Entered{"", ".5", "", true, "0.5"},
    Entered{"", "0.50", "", true, "0.50"},
    Entered{"", "5.", "", true, "5."},
    Entered{"", "-0", "", true, "0"},
    Entered{"", "000.25", "", true, "0.25"},
    Entered{"99", "3", "", true, "3"},
    Entered{"", "1234567890", "", true, "1234567890"},
    Entered{"", "1234567890", "<", true, "123456789"},
    Entered{"", "12.5", "<", true, "12."},
    Entered{"", "-12", "n", true, "12"},
    Entered{"", "12345678901", "", true, "1.23456789e+10"},
    Entered{"", "3.14159265358979", "", true, "3.141592654"},
    Entered{"", "1.5e+12", "", true, "1.5e+12"},
    Entered{"", "1.5e+12", "<", true, "1.5e+12"},
    Entered{"", "2e-8", "", true, "2e-8"},
    Entered{"", "1E3", "", true, "1000"},
    Entered{"", "0.0000001234567891", "", true, "0.0000001234567891"},
    Entered{"12+", "3.5", "=", true, "15.5"},
    Entered{"12+", "-2", "=", true, "10"},
    Entered{"12*", "1.5e+3", "=", true, "18000"},
    Entered{"2+3=", "10", "=", true, "13"},
    Entered{"5/0=", "4", "", true, "4"},
    Entered{"5/0=", "4", "+1=", true, "5"}));

INSTANTIATE_TEST_SUITE_P(Refused, EnterNumber, ::testing::Values(
    Entered{"12+7", "", "", false, "7"},
    Entered{"12+7", "abc", "", false, "7"},
    Entered{"12+7", "-", "", false, "7"},
    Entered{"12+7", ".", "", false, "7"},
    Entered{"12+7", "-.", "", false, "7"},
    Entered{"12+7", "1.2.3", "", false, "7"},
    Entered{"12+7", "1,5", "", false, "7"},
    Entered{"12+7", "--1", "", false, "7"},
    Entered{"12+7", "+1", "", false, "7"},
    Entered{"12+7", " 1", "", false, "7"},
    Entered{"12+7", "1 ", "", false, "7"},
    Entered{"12+7", "1e", "", false, "7"},
    Entered{"12+7", "1e+", "", false, "7"},
    Entered{"12+7", "e5", "", false, "7"},
    Entered{"12+7", "1e5x", "", false, "7"},
    Entered{"12+7", "inf", "", false, "7"},
    Entered{"12+7", "nan", "", false, "7"},
    Entered{"12+7", "0x1A", "", false, "7"},
    Entered{"12+7", "1e400", "", false, "7"},
    Entered{"12+7", "5%", "", false, "7"},
    Entered{"12+", "x", "7=", false, "19"},
    Entered{"5/0=", "x", "", false, "خطأ"}));

class ExpressionLine : public ::testing::TestWithParam<Case> {};

TEST_P(ExpressionLine, DescribesTheCalculation) {
    EXPECT_EQ(run(GetParam().keys).expression(), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(Expressions, ExpressionLine, ::testing::Values(
    Case{"", ""},
    Case{"200+", "200 +"},
    Case{"200+5", "200 +"},
    Case{"2+3*", "5 ×"},
    Case{"2+-", "2 −"},
    Case{"2+3=", "2 + 3 ="},
    Case{"2+3==", "5 + 3 ="},
    Case{"5-3n=", "5 − (-3) ="},
    Case{"200+10%", "200 + 10% ="},
    Case{"5/0=", "5 ÷ 0 ="},
    Case{"5/0+", "5 ÷ 0 ="},
    Case{"2+3=9", ""},
    Case{"2+3=n", ""},
    Case{"2+3C", ""}));

struct Formatted {
    double value;
    const char* text;
};

class FormatNumber : public ::testing::TestWithParam<Formatted> {};

TEST_P(FormatNumber, UsesTenSignificantDigits) {
    EXPECT_EQ(calc::formatNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatNumber, ::testing::Values(
    Formatted{0.0, "0"},
    Formatted{-0.0, "0"},
    Formatted{123.456, "123.456"},
    Formatted{-0.5, "-0.5"},
    Formatted{1000, "1000"},
    Formatted{9999999999.4, "9999999999"},
    Formatted{9999999999.6, "1e+10"},
    Formatted{1e21, "1e+21"},
    Formatted{-1.5e100, "-1.5e+100"},
    Formatted{0.00000012345678912, "0.0000001234567891"},
    Formatted{1.23456789012e-8, "1.23456789e-8"},
    Formatted{2.5e-300, "2.5e-300"},
    Formatted{91.176470588235289, "91.17647059"},
    Formatted{0.30000000000000004, "0.3"},
    Formatted{HUGE_VAL, "خطأ"},
    Formatted{NAN, "خطأ"}));

}  // namespace
