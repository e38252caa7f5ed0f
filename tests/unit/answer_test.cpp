// SPDX-License-Identifier: GPL-3.0-or-later
// Typed answers judged as a teacher would: what the pupil cannot see or a
// teacher would not count is never wrong; another value or spelling is.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/registry.h"
#include "runtime/answer.h"
#include "runtime/exercise.h"
#include "tools/scenario/headless_host.h"

namespace nizam {
namespace {

struct Case {
    const char* typed;
    bool right;
};

void expectJudged(const TypedKey& key, const std::vector<Case>& cases) {
    for (const Case& c : cases) EXPECT_EQ(judgeTyped(c.typed, key), c.right) << "[" << c.typed << "]";
}

TEST(TypedAnswers, WordsKeepTheirSpellingButNotTheirSpaces) {
    expectJudged("جهاز انذار", {
        {"جهاز انذار", true},
        {" جهاز انذار ", true},
        {"\u00a0جهاز انذار\u00a0", true},   // no-break spaces around
        {"جهاز   انذار", true},            // a run of spaces is one
        {"جهـاز انذار", true},             // a tatweel
        {"جهاز إنذار", false},             // alef with hamza below
        {"جهاز أنذار", false},             // alef with hamza above
        {"جهازانذار", false},              // the words run together
        {"جهاز انذار.", false},
        {"", false},
    });
    expectJudged({"FP", "fp"}, {{"FP", true}, {"fp", true}, {" FP", true}, {"Fp", false}, {"F P", false}});
    expectJudged("=", {{"=", true}, {" = ", true}, {"==", false}});
}

TEST(TypedAnswers, NumbersAreJudgedByTheirValue) {
    expectJudged("40", {
        {"40", true}, {"40.0", true}, {"40,00", true}, {"٤٠", true}, {"۴۰", true}, {" 40 ", true},
        {"040", true}, {"40\u066b0", true},
        {"4 0", false}, {"40%", false}, {"40 cm", false}, {"40.5", false}, {"40.", false},
        {"-40", false}, {".40", false}, {"4O", false}, {"", false}, {"40,0,0", false},
    });
    expectJudged("16.67", {
        {"16,67", true}, {"١٦٫٦٧", true}, {"16.670", true}, {"١٦,٦٧", true},
        {"16.7", false}, {"16.666", false}, {"16.75", false}, {"1667", false},
    });
    expectJudged("1000", {{"1000", true}, {"1,000", false}, {"1 000", false}, {"1.000", false}});
    expectJudged("0", {{"0", true}, {"0.0", true}, {"00", true}, {"-0", true}, {"O", false}});
    expectJudged({"100", "100.1"}, {{"100", true}, {"100,10", true}, {"100.0", true}, {"100.2", false}});
}

TEST(TypedAnswers, PlainNumbersAreWrittenCanonically) {
    struct Row {
        const char* text;
        const char* value;  // nullptr: not a number
    };
    const Row rows[] = {{"40.00", "40"}, {"-016,50", "-16.5"}, {"٠٫٥", "0.5"}, {"-0.0", "0"},
                        {"1.", nullptr}, {"1.2.3", nullptr},  {"+4", nullptr}, {"", nullptr}, {"-", nullptr}};
    for (const Row& r : rows) {
        const auto got = plainNumber(r.text);
        if (r.value) EXPECT_EQ(got, std::optional<std::string>(r.value)) << r.text;
        else EXPECT_FALSE(got) << r.text;
    }
}

double percentage(double b2, double b3) { return b2 * 100 / (b2 + b3); }

TEST(TypedAnswers, FormulasAreRightWhenTheyComputeTheKeyEverywhere) {
    const TypedKey key(FormulaKey{percentage, {{{31, 3}, {7, 5}, {12, 13}}}});
    expectJudged(key, {
        {"=(B2*100)/(B2+B3)", true},
        {"=(b2*100)/(b2+b3)", true},
        {"=B2*100/(B2+B3)", true},
        {"=B2/(B2+B3)*100", true},
        {" = b2 * 100 / ( b2 + b3 ) ", true},
        {"=100*B2/(B3+B2)", true},
        {"=B2*100/(B2+B3)\u2212 0", true},
        {"=(B2*100)/B2+B3", false},   // computes 103
        {"=B2*100/(B2+B4)", false},   // another cell
        {"=B2*100/(B2+B23)", false},
        {"=B2*100/(B2+B3", false},    // cannot be read
        {"(B2*100)/(B2+B3)", false},  // not a formula
        {"=91.18", false},            // right for the sheet only
        {"=B2*100/(B2-B2)", false},   // divides by zero
        {"=", false},
        {"", false},
        {"=SUM(B2)", false},
    });
    EXPECT_FALSE(formulaValue(std::string(200, '(') + "=B2", 1, 1)) << "a wall of parentheses is not read";
    EXPECT_FALSE(formulaValue("=" + std::string(500, '(') + "B2" + std::string(500, ')'), 1, 1));
}

// Every text box of every page is judged by judgeTyped: the check of each
// page reads each of its text boxes through typedRight, and every key the
// pages give takes its own forms, with the differences a teacher would not
// count, and refuses a plainly wrong answer.
TEST(TypedAnswers, EveryPageJudgesEveryTextBoxThroughItsKey) {
    int keys = 0;
    for (const RegistryEntry& e : screenRegistry()) {
        const Toolbar& bar = e.module->toolbar;
        std::set<std::string> boxes;
        for (const ControlDef& c : e.module->def.controls)
            if (c.kind == Kind::TextBox) boxes.insert(c.name);
        if (boxes.empty()) continue;
        ASSERT_TRUE(bar.check) << e.name << " has text boxes but no check";
        HeadlessHost host;
        Navigator nav(host, screenRegistry());
        nav.open(e.name);
        std::set<std::string> judged;
        observeTyped([&](const Screen&, std::string_view box, const TypedKey& key) {
            judged.insert(std::string(box));
            ++keys;
            SCOPED_TRACE(e.name + " " + std::string(box));
            if (key.formula()) return;  // formulas have their own table
            for (std::string_view form : key.forms()) {
                const std::string f(form);
                EXPECT_TRUE(judgeTyped(f, key)) << f;
                EXPECT_TRUE(judgeTyped("  " + f + "\u00a0", key)) << f;
                if (const auto value = plainNumber(f)) {
                    std::string comma = f;
                    std::replace(comma.begin(), comma.end(), '.', ',');
                    EXPECT_TRUE(judgeTyped(comma, key)) << comma;
                    EXPECT_TRUE(judgeTyped(f.find('.') == std::string::npos ? f + ".0" : f + "0", key)) << f;
                }
            }
            EXPECT_FALSE(judgeTyped("?", key));
        });
        const Rect r = [&] {
            for (const ControlDef& c : e.module->def.controls)
                if (c.name == "Image1" && c.index == bar.check) return c.rect;
            return Rect{};
        }();
        nav.pointerMove(r.left + r.width / 2, r.top + r.height / 2);
        nav.pointerPress(r.left + r.width / 2, r.top + r.height / 2);
        nav.pointerRelease(r.left + r.width / 2, r.top + r.height / 2);
        observeTyped(nullptr);
        EXPECT_EQ(judged, boxes) << e.name << ": the check judges other text boxes than the page has";
    }
    EXPECT_GT(keys, 0);
}

}  // namespace
}  // namespace nizam
