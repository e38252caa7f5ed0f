// SPDX-License-Identifier: GPL-3.0-or-later
// How a typed answer is judged against its key, as a teacher would judge it:
// a difference the pupil cannot see or that a teacher would not count (spaces
// around or doubled between words, a tatweel, the digits of an Arabic
// keyboard, a decimal comma, trailing zeros) is never a wrong answer; another
// value or another spelling is. Every text box of the course is judged here.
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nizam {

// A spreadsheet formula the pupil types in terms of the cells B2 and B3: right
// when it computes what `value` computes for the sheet's own values and for
// other pairs, so that a formula right only by chance is not taken.
struct FormulaKey {
    double (*value)(double b2, double b3);
    std::array<std::pair<double, double>, 3> cells;  // (B2, B3): the sheet's values first
};

// The key of one text box: the forms a teacher accepts, or a formula. A form
// that is a plain number (digits, at most one point, an optional minus) is
// taken as a value; any other form is a spelling, compared letter for letter
// once spaces and tatweels are set aside.
class TypedKey {
public:
    TypedKey(std::initializer_list<std::string_view> forms) : forms_(forms) {}
    TypedKey(std::string_view form) : forms_{form} {}
    TypedKey(const char* form) : forms_{std::string_view(form)} {}
    // The form is not copied: the string must outlive the key.
    TypedKey(const std::string& form) : forms_{std::string_view(form)} {}
    explicit TypedKey(FormulaKey formula) : formula_(formula) {}

    const std::vector<std::string_view>& forms() const { return forms_; }
    const std::optional<FormulaKey>& formula() const { return formula_; }

private:
    std::vector<std::string_view> forms_;
    std::optional<FormulaKey> formula_;
};

// Whether `typed` answers `key`.
bool judgeTyped(std::string_view typed, const TypedKey& key);

// The typed text as a teacher reads it: no-break and plain spaces around it
// gone, a run of them between words one plain space, tatweels gone.
std::string withoutInvisibleDifferences(std::string_view typed);

// The value of a plain decimal number, written canonically ("-16.67", "40",
// "0"): an optional minus sign; digits in Western, Arabic-Indic or Extended
// Arabic-Indic form; at most one decimal separator (point, comma or the
// Arabic decimal separator) followed by a digit. Leading zeros and trailing
// decimal zeros change nothing. Anything else (units, %, thousands
// separators, letters, an empty text) is not a number.
std::optional<std::string> plainNumber(std::string_view text);

// The value of a formula "=..." of B2, B3 (either case), numbers, + - * /
// (and the minus sign U+2212), parentheses and spaces, for the given cells;
// none when the text is not such a formula or divides by zero.
std::optional<double> formulaValue(std::string_view text, double b2, double b3);

}  // namespace nizam
