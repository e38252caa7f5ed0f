// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario runner's judgement of what the host reports: the calls a
// page's player received, and the page windows left open after each step.
// The host's reports are scripted here, so each kind of fault is seen once.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/registry.h"
#include "tools/scenario/headless_driver.h"
#include "tools/scenario/keys_from.h"
#include "tools/scenario/scenario.h"

namespace nizam::scenario {
namespace {

// The headless host, with the player's calls and the open page count
// reported as the test says rather than as they happened.
class ScriptedDriver : public HeadlessDriver {
public:
    std::optional<std::vector<std::string>> calls;
    std::optional<int> pages;
    std::optional<std::vector<std::string>> playerCalls(ControlId) override { return calls; }
    int pagesOpen() override { return pages ? *pages : HeadlessDriver::pagesOpen(); }
};

class ScenarioRunner : public testing::Test {
protected:
    ScenarioRunner() : dir_(std::filesystem::temp_directory_path() / ("nizam-runner-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(dir_);
    }
    ~ScenarioRunner() override { std::filesystem::remove_all(dir_); }

    FileResult run(const std::string& text, std::optional<std::vector<std::string>> calls,
                   std::optional<int> pages = std::nullopt) {
        const auto path = dir_ / "steps.scn";
        std::ofstream(path, std::ios::binary) << text;
        static const Vocabulary vocabulary = vocabularyOf(screenRegistry());
        return runFile(path.string(), [&]() -> std::unique_ptr<Driver> {
            auto d = std::make_unique<ScriptedDriver>();
            d->calls = calls;
            d->pages = pages;
            return d;
        }, vocabulary);
    }

    std::filesystem::path dir_;
};

using Calls = std::vector<std::string>;

TEST_F(ScenarioRunner, ExpectMovieJudgesTheCallsThePlayerReceived) {
    struct Case {
        const char* what;
        const char* expect;                  // the step's last word
        std::optional<Calls> calls;
        const char* failure;                 // part of the failure, or nullptr for a pass
    };
    const char* situa = "movie /opt/nizam/situa1.swf";
    const Case cases[] = {
        {"set, rewound, played", "situa1", Calls{situa, "rewind", "play"}, nullptr},
        {"shown and hidden between", "situa1", Calls{"visible 1", situa, "visible 0", "rewind", "visible 1", "play"},
         nullptr},
        {"played a second time", "situa1", Calls{situa, "rewind", "play", situa, "rewind", "play"}, nullptr},
        {"set only", "situa1", Calls{situa}, "set but not rewound"},
        {"never played", "situa1", Calls{situa, "rewind"}, "rewound but not played"},
        {"played before the rewind", "situa1", Calls{situa, "play", "rewind"}, "rewound but not played"},
        {"rewound and played before it was set", "situa1", Calls{"rewind", "play", situa}, "set but not rewound"},
        {"set again and not played", "situa1", Calls{situa, "rewind", "play", situa}, "set but not rewound"},
        {"another animation last", "situa1", Calls{situa, "rewind", "play", "movie /opt/nizam/portail.swf"},
         "expected situa1 found portail"},
        {"an empty Movie last", "situa1", Calls{situa, "rewind", "play", "movie "}, "found an empty Movie"},
        {"nothing received", "situa1", Calls{}, "expected situa1 found none"},
        {"no platform player", "situa1", std::nullopt, "no platform player"},
        {"none: nothing received", "none", Calls{}, nullptr},
        {"none: shown only", "none", Calls{"visible 1", "visible 0"}, nullptr},
        {"none: a Movie received", "none", Calls{situa}, "expected none found situa1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FileResult r = run(std::string("open Form3\nexpect movie flash1 ") + c.expect + "\n", c.calls);
        EXPECT_FALSE(r.unreadable) << r.message;
        if (!c.failure) {
            EXPECT_TRUE(r.passed) << r.message;
        } else {
            EXPECT_FALSE(r.passed);
            EXPECT_NE(r.message.find(":2: expect movie"), std::string::npos) << r.message;
            EXPECT_NE(r.message.find(c.failure), std::string::npos) << r.message;
        }
    }
}

TEST_F(ScenarioRunner, EveryStepChecksThatOnlyTheLoadedPageHasAWindow) {
    // The headless host's own count: one page while one is loaded, none after the end.
    FileResult r = run("start\nclick Image1(2)\nexpect screen Form1\nclick Image3\nexpect ended\n", Calls{});
    EXPECT_TRUE(r.passed) << r.message;

    struct Case {
        int pages;
        const char* failure;
    };
    for (const Case& c : {Case{2, "expected 1 open page windows found 2"}, Case{0, "expected 1 open page windows found 0"}}) {
        r = run("open Form3\nexpect screen Form3\n", Calls{}, c.pages);
        EXPECT_FALSE(r.passed);
        EXPECT_NE(r.message.find(":1: open Form3 -- " + std::string(c.failure)), std::string::npos) << r.message;
    }
}

}  // namespace
}  // namespace nizam::scenario

namespace nizam::scenario {
namespace {

// Pointer steps turned into keys: the keys are found on the page as it then
// stands, the file they make passes where the pointer's did, and a step no
// key can do stops the turning at its line.
class KeysFrom : public ScenarioRunner {
protected:
    int turn(const std::string& text, std::string& out, std::string& why) {
        const auto path = dir_ / "pointer.scn";
        std::ofstream(path, std::ios::binary) << text;
        static const Vocabulary vocabulary = vocabularyOf(screenRegistry());
        return keysFrom(path.string(), [] { return std::make_unique<HeadlessDriver>(); }, vocabulary, out, why);
    }
};

TEST_F(KeysFrom, ClicksAndDragsBecomeKeysThatDoTheSame) {
    const std::string pointer =
        "open Form32\n"
        "move Image1(2)\n"
        "drag Image3(3) Image4(3)\n"
        "expect picture Image4(3) Image3(3)\n"
        "open Form3\n"
        "click Check6\n"
        "expect value Check6 1\n";
    std::string keys, why;
    ASSERT_EQ(turn(pointer, keys, why), 0) << why;
    for (const char* pointerStep : {"move ", "drag ", "click "})
        EXPECT_EQ(keys.find(pointerStep), std::string::npos) << pointerStep << "in\n" << keys;
    EXPECT_NE(keys.find("expect focus Image3(3)\nkey Space\n"), std::string::npos) << keys;
    EXPECT_NE(keys.find("expect held Image4(3)\nkey Space\nexpect picture Image4(3) Image3(3)\n"), std::string::npos)
        << keys;
    EXPECT_NE(keys.find("expect focus Check6\nkey Space\nexpect value Check6 1\n"), std::string::npos) << keys;
    const FileResult result = run(keys, std::nullopt);
    EXPECT_TRUE(result.passed) << result.message << "\n" << keys;
}

TEST_F(KeysFrom, AStepNoKeyCanDoStopsAtItsLine) {
    std::string keys, why;
    EXPECT_EQ(turn("open Form3\ndoubleclick Check1\n", keys, why), 1);
    EXPECT_NE(why.find(":2: doubleclick Check1 -- a double-click has no key"), std::string::npos) << why;
    EXPECT_EQ(turn("open Form3\nclick screen\n", keys, why), 1);
    EXPECT_NE(why.find(":2: "), std::string::npos) << why;
    EXPECT_EQ(turn("open Form99\n", keys, why), 2) << "a file that cannot be parsed";
}

}  // namespace
}  // namespace nizam::scenario
