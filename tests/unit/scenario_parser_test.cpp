#include <gtest/gtest.h>

#include "app/registry.h"
#include "tools/scenario/scenario.h"

namespace nizam::scenario {
namespace {

const Vocabulary& vocab() {
    static const Vocabulary v = vocabularyOf(screenRegistry());
    return v;
}

TEST(ScenarioParser, AcceptsEveryStepForm) {
    const char* text =
        "# a comment\n"
        "\n"
        "start\n"
        "open Form1\n"
        "move Image1(4)\n"
        "move @100,200\n"
        "click screen\n"
        "drag Image1(2) @5,5\n"
        "key Tab\n"
        "key Space\n"
        "shot out.png\n"
        "   expect screen Form1\n"
        "expect ended\n"
        "expect visible Image2(3)\n"
        "expect hidden Imagefixe\n"
        "expect picture Image2(1) Image2(2)\n"
        "expect picture Image2(1) empty\n"
        "expect size Image2(1) 405 345\n"
        "expect pointer Image1(1) 99\n"
        "expect cursor hand\n"
        "expect cursor arrow\n"
        "expect launched calc 0\n";
    Parsed p = parse(text, vocab());
    ASSERT_FALSE(p.error) << p.error->line << ": " << p.error->message;
    ASSERT_EQ(p.steps.size(), 20u);
    EXPECT_EQ(p.steps[0].line, 3);
    EXPECT_EQ(p.steps[3].points[0].x, 100);
    EXPECT_EQ(p.steps[3].points[0].y, 200);
    EXPECT_EQ(p.steps[4].points[0].kind, Point::BareScreen);
    EXPECT_EQ(p.steps[9].source, "expect screen Form1");
}

TEST(ScenarioParser, QuotedTextKeepsSpacesAndEscapes) {
    // Text boxes exist on later screens; use a vocabulary that knows one.
    Vocabulary v = vocab();
    v.controls.push_back("Text1");
    Parsed p = parse("type Text1 \" a \\\"b\\\" \\\\ c \"\nexpect text Text1 \"\"\n", v);
    ASSERT_FALSE(p.error) << p.error->message;
    EXPECT_EQ(p.steps[0].words[0], " a \"b\" \\ c ");
    EXPECT_EQ(p.steps[1].words[0], "");
}

TEST(ScenarioParser, RefusesBadLinesWithTheirNumber) {
    struct Case {
        const char* text;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"start\njump Image1(1)\n", 2, "unknown step jump"},
        {"start\n\nclick Image99(1)\n", 3, "unknown control Image99(1)"},
        {"open Form42\n", 1, "unknown screen Form42"},
        {"expect screen Formx\n", 1, "unknown screen Formx"},
        {"start\nexpect text Image1(1) \"abc\n", 2, "unterminated quote"},
        {"click @1;2\n", 1, "bad point @1;2"},
        {"click\n", 1, "'click' takes 1 argument(s)"},
        {"key Enter\n", 1, "unknown key Enter"},
        {"expect value Image1(1) 2\n", 1, "a check box value is 0 or 1"},
        {"expect launched notepad 1\n", 1, "unknown program notepad"},
        {"expect nothing\n", 1, "unknown expectation nothing"},
        {"move Image1(1\n", 1, "unknown control Image1(1"},
    };
    for (const Case& c : cases) {
        Parsed p = parse(c.text, vocab());
        ASSERT_TRUE(p.error) << c.text;
        EXPECT_EQ(p.error->line, c.line) << c.text;
        EXPECT_EQ(p.error->message, c.message) << c.text;
    }
}

}  // namespace
}  // namespace nizam::scenario
