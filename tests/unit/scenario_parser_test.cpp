// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

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
        "shot-window window.png\n"
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
    ASSERT_EQ(p.steps.size(), 21u);
    EXPECT_EQ(p.steps[0].line, 3);
    EXPECT_EQ(p.steps[3].points[0].x, 100);
    EXPECT_EQ(p.steps[3].points[0].y, 200);
    EXPECT_EQ(p.steps[4].points[0].kind, Point::BareScreen);
    EXPECT_EQ(p.steps[9].verb, "shot-window");
    EXPECT_EQ(p.steps[9].words, std::vector<std::string>{"window.png"});
    EXPECT_EQ(p.steps[10].source, "expect screen Form1");
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

// The quit question's steps: its buttons as points, its keys, the close.
TEST(ScenarioParser, ReadsTheQuitQuestionsSteps) {
    Parsed p = parse("close\nclick question:leave\ndrag question:stay question:leave\nkey Enter\nkey Escape\n"
                     "expect question open\nexpect question focus leave\n",
                     vocab());
    ASSERT_FALSE(p.error) << p.error->message;
    ASSERT_EQ(p.steps.size(), 7u);
    EXPECT_EQ(p.steps[0].verb, "close");
    ASSERT_EQ(p.steps[1].points.size(), 1u);
    EXPECT_EQ(p.steps[1].points[0].kind, Point::Question);
    EXPECT_EQ(p.steps[1].points[0].button, QuitButton::Leave);
    EXPECT_EQ(p.steps[2].points[0].button, QuitButton::Stay);
    EXPECT_EQ(p.steps[2].points[1].button, QuitButton::Leave);
    EXPECT_EQ(p.steps[3].words, std::vector<std::string>{"Enter"});
    EXPECT_EQ(p.steps[4].words, std::vector<std::string>{"Escape"});
    EXPECT_EQ(p.steps[5].words, std::vector<std::string>{"open"});
    EXPECT_EQ(p.steps[6].words, (std::vector<std::string>{"focus", "leave"}));
}

// The keys of a page walked without a pointer, and what they carry.
TEST(ScenarioParser, ReadsTheKeysOfThePageAndWhatTheyCarry) {
    Parsed p = parse("key Backtab\nkey Left\nkey Right\nkey Up\nkey Down\nkey Tab 11\n"
                     "expect carrying Image3(0)\nexpect carrying none\nexpect held Image4(2)\nexpect held none\n",
                     vocab());
    ASSERT_FALSE(p.error) << p.error->message;
    ASSERT_EQ(p.steps.size(), 10u);
    EXPECT_EQ(p.steps[0].words, std::vector<std::string>{"Backtab"});
    EXPECT_EQ(p.steps[4].words, std::vector<std::string>{"Down"});
    EXPECT_EQ(p.steps[5].words, (std::vector<std::string>{"Tab", "11"})) << "the key and how many times";
    EXPECT_EQ(p.steps[6].what, "carrying");
    ASSERT_TRUE(p.steps[6].control.has_value());
    EXPECT_EQ(p.steps[6].control->name, "Image3");
    EXPECT_FALSE(p.steps[7].control.has_value()) << "none names no control";
    EXPECT_EQ(p.steps[8].what, "held");
    EXPECT_FALSE(p.steps[9].control.has_value());
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
        {"key F4\n", 1, "unknown key F4"},
        {"key Tab 0\n", 1, "a key is pressed 1 to 1000 times"},
        {"key Tab 1001\n", 1, "a key is pressed 1 to 1000 times"},
        {"key Tab \"3\"\n", 1, "a key is pressed 1 to 1000 times"},
        {"key Space 2 3\n", 1, "'key' takes 1 argument(s)"},
        {"expect carrying\n", 1, "'expect' takes 2 argument(s)"},
        {"close now\n", 1, "'close' takes 0 argument(s)"},
        {"expect question asked\n", 1, "a question is open, closed, or focus leave|stay"},
        {"expect question focus yes\n", 1, "a question is open, closed, or focus leave|stay"},
        {"click question:maybe\n", 1, "unknown control question:maybe"},
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

TEST(ScenarioTables, RunTheStepsOncePerRowWithTheValuesPutIn) {
    const char* text =
        "table NAME FIGURE\n"             // 1
        "row \"a \\\"b\\\"\" Image7(1)\n"  // 2
        "# a comment between rows\n"      // 3
        "row \"$X\" Image7(0)\n"          // 4
        "steps\n"                         // 5
        "  open Form3\n"                  // 6
        "  type Text1 $NAME\n"            // 7
        "  expect visible $FIGURE\n"      // 8
        "end\n"                           // 9
        "shot a$b.png\n";                 // 10: outside a table a dollar sign is literal
    Parsed p = parse(text, vocab());
    ASSERT_FALSE(p.error) << p.error->line << ": " << p.error->message;
    ASSERT_EQ(p.steps.size(), 7u);
    // A quoted cell stays one text, quotes and dollar signs taken literally.
    EXPECT_EQ(p.steps[1].words[0], "a \"b\"");
    EXPECT_EQ(p.steps[1].source, "type Text1 \"a \\\"b\\\"\"");
    EXPECT_EQ(p.steps[1].line, 7);
    EXPECT_EQ(p.steps[1].rows, std::vector<int>{2});
    EXPECT_EQ(p.steps[2].control->index, 1);
    EXPECT_EQ(p.steps[4].words[0], "$X");
    EXPECT_EQ(p.steps[5].control->index, 0);
    EXPECT_EQ(p.steps[5].rows, std::vector<int>{4});
    EXPECT_EQ(p.steps[6].words[0], "a$b.png");
    EXPECT_TRUE(p.steps[6].rows.empty());
}

TEST(ScenarioTables, NestInTheOrderOfTheirRows) {
    const char* text =
        "table CASE\n"
        "row 18\n"
        "row 0\n"
        "steps\n"
        "  open Form22\n"
        "  table N\n"
        "  row 1\n"
        "  row 2\n"
        "  steps\n"
        "    drag Image3(${N}) Image4($N)\n"
        "  end\n"
        "  drag Image3($CASE) Image4(0)\n"
        "end\n";
    Parsed p = parse(text, vocab());
    ASSERT_FALSE(p.error) << p.error->line << ": " << p.error->message;
    std::vector<std::string> sources;
    for (const Step& s : p.steps) sources.push_back(s.source);
    const std::vector<std::string> want = {
        "open Form22", "drag Image3(1) Image4(1)", "drag Image3(2) Image4(2)", "drag Image3(18) Image4(0)",
        "open Form22", "drag Image3(1) Image4(1)", "drag Image3(2) Image4(2)", "drag Image3(0) Image4(0)"};
    EXPECT_EQ(sources, want);
    EXPECT_EQ(p.steps[2].rows, (std::vector<int>{2, 8}));
    EXPECT_EQ(p.steps[7].rows, std::vector<int>{3});
}

TEST(ScenarioTables, OneLineTablesTakeWordsTextsAndRanges) {
    const char* text =
        "for N in 2..4 0\n"                      // 1
        "  drag Image3($N) Image4($N)\n"         // 2
        "end\n"                                  // 3
        "for NAME in \"a b\" \"c\"\n"         // 4
        "  for BOX in Check1 Check2\n"           // 5
        "    click $BOX\n"                       // 6
        "  end\n"                                // 7
        "  type Text1 $NAME\n"                   // 8
        "end\n";                                 // 9
    Parsed p = parse(text, vocab());
    ASSERT_FALSE(p.error) << p.error->line << ": " << p.error->message;
    std::vector<std::string> sources;
    for (const Step& s : p.steps) sources.push_back(s.source);
    const std::vector<std::string> want = {
        "drag Image3(2) Image4(2)", "drag Image3(3) Image4(3)", "drag Image3(4) Image4(4)", "drag Image3(0) Image4(0)",
        "click Check1", "click Check2", "type Text1 \"a b\"", "click Check1", "click Check2", "type Text1 \"c\""};
    EXPECT_EQ(sources, want);
    EXPECT_EQ(p.steps[6].words[0], "a b");
    EXPECT_EQ(p.steps[5].rows, (std::vector<int>{4, 5}));

    struct Case {
        const char* text;
        const char* message;
    };
    const Case refused[] = {
        {"for N 1..3\nclick Image1($N)\nend\n", "a one-line table reads: for NAME in VALUE..."},
        {"for N in\nclick Image1($N)\nend\n", "a one-line table reads: for NAME in VALUE..."},
        {"for N in 5..3\nclick Image1($N)\nend\n", "bad range 5..3"},
        {"for N in 0..99999\nclick Image1($N)\nend\n", "bad range 0..99999"},
        {"for \"N\" in 1\nclick Image1($N)\nend\n", "bad column name N"},
        {"for N in 1\nend\n", "the table has no step"},
    };
    for (const Case& c : refused) {
        Parsed bad = parse(c.text, vocab());
        ASSERT_TRUE(bad.error) << c.text;
        EXPECT_EQ(bad.error->message, c.message) << c.text;
    }
}

TEST(ScenarioGroups, StandWhereTheyAreUsedWithTheValuesAroundThem) {
    const char* text =
        "define RIGHT\n"                          // 1
        "  click Check1\n"                        // 2
        "  for N in 1 2\n"                        // 3
        "    drag Image3($N) Image4($N)\n"        // 4
        "  end\n"                                 // 5
        "end\n"                                   // 6
        "define ANSWER\n"                         // 7
        "  do RIGHT\n"                            // 8
        "  type Text1 $NAME\n"                    // 9
        "end\n"                                   // 10
        "for NAME in \"x\"\n"                   // 11
        "  open Form3\n"                          // 12
        "  do ANSWER\n"                           // 13
        "end\n";                                  // 14
    Parsed p = parse(text, vocab());
    ASSERT_FALSE(p.error) << p.error->line << ": " << p.error->message;
    std::vector<std::string> sources;
    std::vector<int> lines;
    for (const Step& s : p.steps) {
        sources.push_back(s.source);
        lines.push_back(s.line);
    }
    EXPECT_EQ(sources, (std::vector<std::string>{"open Form3", "click Check1", "drag Image3(1) Image4(1)",
                                                 "drag Image3(2) Image4(2)", "type Text1 \"x\""}));
    // Each step keeps the line where it is written; the row of the table around the 'do' is named.
    EXPECT_EQ(lines, (std::vector<int>{12, 2, 4, 4, 9}));
    EXPECT_EQ(p.steps[4].rows, std::vector<int>{11});

    struct Case {
        const char* text;
        int line;
        const char* message;
    };
    const Case refused[] = {
        {"do RIGHT\n", 1, "no group RIGHT is defined above"},
        {"define A\nclick Check1\n", 1, "the group is not closed with 'end'"},
        {"define A\nend\n", 2, "the group has no step"},
        {"define A\nclick Check1\nend\ndefine A\nclick Check2\nend\n", 4, "group A is defined twice"},
        {"define A\ndefine B\n", 2, "a group is defined outside any other group"},
        {"define\n", 1, "a group reads: define NAME"},
        {"define A\nclick Check1\nend\ndo A B\n", 4, "'do' names one group: do NAME"},
    };
    for (const Case& c : refused) {
        Parsed bad = parse(c.text, vocab());
        ASSERT_TRUE(bad.error) << c.text;
        EXPECT_EQ(bad.error->line, c.line) << c.text;
        EXPECT_EQ(bad.error->message, c.message) << c.text;
    }
    // Groups that double at each level are refused before they fill memory.
    std::string doubling = "define G0\nclick Check1\nend\n";
    for (int i = 1; i <= 20; ++i)
        doubling += "define G" + std::to_string(i) + "\ndo G" + std::to_string(i - 1) + "\ndo G" +
                    std::to_string(i - 1) + "\nend\n";
    doubling += "do G20\n";
    Parsed big = parse(doubling, vocab());
    ASSERT_TRUE(big.error);
    EXPECT_EQ(big.error->message, "the groups expand to more than " + std::to_string(kMaxSteps) + " lines");
}

TEST(ScenarioTables, RefuseMalformedBlocks) {
    struct Case {
        const char* text;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"table A\nrow 1\nsteps\nexpect value Check1 $B\nend\n", 4, "no column $B"},
        {"table A B\nrow 1\nsteps\nexpect value Check1 $A\nend\n", 2, "the row has 1 cell(s), the table 2 column(s)"},
        {"table A\nrow 1\nsteps\nexpect value Check1 $A\n", 1, "the table is not closed with 'end'"},
        {"table A B\nrow 1 2\nsteps\nexpect value Check1 $A\nend\n", 1, "column B is used by no step"},
        {"table A\nsteps\n", 2, "the table has no row"},
        {"table A\nrow 1\nsteps\nend\n", 4, "the table has no step"},
        {"table A A\n", 1, "column A is named twice"},
        {"table A\nrow 1\nsteps\ntable A\n", 4, "column A is named twice"},
        {"table 1A\n", 1, "bad column name 1A"},
        {"row 1\n", 1, "a row stands between 'table' and 'steps'"},
        {"end\n", 1, "'end' closes no table"},
        {"table A\nrow 1\nexpect value Check1 $A\n", 3, "a table lists its rows, then 'steps'"},
        {"table A\nrow \"x\"\nsteps\nclick Image3($A)\nend\n", 4, "a quoted cell ($A) cannot stand inside a word"},
        {"table A\nrow 1\nsteps\nclick Image3($A)\nclick $ 5\nend\n", 5,
         "a $ in a table stands before a column name (write $$ for a dollar sign): $"},
    };
    for (const Case& c : cases) {
        Parsed p = parse(c.text, vocab());
        ASSERT_TRUE(p.error) << c.text;
        EXPECT_EQ(p.error->line, c.line) << c.text;
        EXPECT_EQ(p.error->message, c.message) << c.text;
    }
    // Nested tables that would expand past the bound are refused, not run.
    std::string huge;
    for (const char* column : {"A", "B", "C"}) {
        huge += std::string("table ") + column + "\n";
        for (int i = 0; i < 100; ++i) huge += "row " + std::to_string(i) + "\n";
        huge += "steps\n";
    }
    huge += "expect size Image1(1) $A $B\nexpect pointer Image1(1) $C\nend\nend\nend\n";
    Parsed big = parse(huge, vocab());
    ASSERT_TRUE(big.error);
    EXPECT_EQ(big.error->message, "the tables expand to more than " + std::to_string(kMaxSteps) + " steps");
    EXPECT_TRUE(big.steps.size() <= kMaxSteps);

    // A value that makes a bad step is refused at the step's line, naming the row.
    Parsed p = parse("table A\nrow Check1\nrow Nothing9\nsteps\nclick $A\nend\n", vocab());
    ASSERT_TRUE(p.error);
    EXPECT_EQ(p.error->line, 5);
    EXPECT_EQ(p.error->message, "unknown control Nothing9");
    EXPECT_EQ(p.error->rows, std::vector<int>{3});
}

TEST(ScenarioInput, ByteOrderMarkAndExcerpts) {
    Parsed p = parse("\xEF\xBB\xBFstart\n", vocab());
    ASSERT_FALSE(p.error) << p.error->message;
    ASSERT_EQ(p.steps.size(), 1u);

    // Control bytes, direction marks and broken UTF-8 are shown as escapes;
    // Arabic letters stay; a long text is cut.
    EXPECT_EQ(excerpt("a\x01\x1b[2J\xff"), "a\\x01\\x1B[2J\\xFF");
    EXPECT_EQ(excerpt("جهاز\xE2\x80\xAE"), "جهاز\\u202E");
    EXPECT_EQ(excerpt(std::string(1000, 'x'), 10), "xxxxxxxxxx...");
    Parsed bad = parse("start\n\x07" + std::string(100000, 'j') + "\n", vocab());
    ASSERT_TRUE(bad.error);
    EXPECT_EQ(bad.error->line, 2);
    EXPECT_LT(bad.error->message.size(), 120u);
    EXPECT_EQ(bad.error->message.find('\x07'), std::string::npos);
}

TEST(ScenarioInput, RefusesWhatItCannotRun) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("nizam-scenario-input-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
        return (dir / name).string();
    };
    auto never = []() -> std::unique_ptr<Driver> { return nullptr; };
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {dir.string(), "ERROR " + dir.string() + ": is a folder, not a scenario file"},
        {write("blank.scn", "# nothing\n\n  \n"), "ERROR " + (dir / "blank.scn").string() + ":3: the file has no steps"},
        {write("nothing.scn", ""), "ERROR " + (dir / "nothing.scn").string() + ":1: the file has no steps"},
        {write("big.scn", std::string(kMaxFileBytes + 1, '#')),
         "ERROR " + (dir / "big.scn").string() + ": is larger than 4 MiB"},
        {"/dev/zero", "ERROR /dev/zero: is larger than 4 MiB"},
        {(dir / "missing.scn").string(), "ERROR " + (dir / "missing.scn").string() + ": cannot be read"},
    };
    for (const Case& c : cases) {
        FileResult r = runFile(c.path, never, vocab());
        EXPECT_TRUE(r.unreadable) << c.path;
        EXPECT_EQ(r.message, c.message);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace nizam::scenario
