// SPDX-License-Identifier: GPL-3.0-or-later
// Scenario files: one step per line, run against a fresh application on the
// headless or the desktop host (see docs/scenarios.md).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/navigator.h"

namespace nizam::scenario {

// A point: a control's centre, a position in twips, a bare place of the
// screen, or a button of the quit question.
struct Point {
    enum Kind { Control, At, BareScreen, Question } kind = At;
    ControlName control;
    Twips x = 0, y = 0;
    QuitButton button = QuitButton::Stay;
};

struct Step {
    int line = 0;
    std::string source;  // the line as written, for messages
    std::string verb;    // start, open, move, click, doubleclick, drag, type, clear, key, close, wait, shot, shot-window,
                         // osk, osk-type, osk-toggle, expect
    std::string what;    // expect: screen, ended, visible, ...
    std::vector<std::string> words;  // remaining arguments (texts unquoted)
    std::vector<Point> points;
    std::optional<ControlName> control;
    std::optional<ControlName> other;  // expect picture CONTROL OTHER
    std::vector<int> rows;  // inside tables: the line of each row it runs for, outermost first
};

struct ParseError {
    int line = 0;
    std::string message;
    std::vector<int> rows;  // inside tables: the rows being expanded when the line was refused
};

// The most a scenario file may hold, and the most steps its tables may expand to.
inline constexpr std::size_t kMaxFileBytes = 4u << 20;
inline constexpr std::size_t kMaxSteps = 200'000;
// The most times one `key` step presses its key.
inline constexpr int kMaxKeyRepeat = 1000;
// The longest a `wait` step may wait, in milliseconds.
inline constexpr int kMaxWaitMs = 10'000;

// A short, printable rendering of text read from a file, for messages: control
// characters, direction marks and broken UTF-8 are shown as escapes, and text
// past maxChars characters is cut with an ellipsis.
std::string excerpt(const std::string& text, std::size_t maxChars = 60);

// Knowledge the parser checks names against.
struct Vocabulary {
    std::vector<std::string> screens;   // every screen name of the registry
    std::vector<std::string> controls;  // every control name of every built screen
};
Vocabulary vocabularyOf(const std::vector<RegistryEntry>& registry);

// Parses a whole file; on the first bad line returns the error instead. A
// byte-order mark at the start is skipped. Tables (see docs/scenarios.md) are
// expanded here: the steps come out once per row, values put in.
struct Parsed {
    std::vector<Step> steps;
    std::optional<ParseError> error;
};
Parsed parse(const std::string& text, const Vocabulary& vocabulary);

// What a host must do for the runner. Expectations are read from the
// Navigator, which both hosts drive.
class Driver {
public:
    virtual ~Driver() = default;
    virtual Navigator& navigator() = 0;
    virtual void start() = 0;
    virtual void open(const std::string& screen) = 0;
    virtual void move(Twips x, Twips y) = 0;
    virtual void click(Twips x, Twips y) = 0;
    // Two presses and releases at the point, the second press completing a double-click.
    virtual void doubleClick(Twips x, Twips y) = 0;
    virtual void drag(Twips x1, Twips y1, Twips x2, Twips y2) = 0;
    virtual void type(ControlId id, const std::string& text) = 0;
    virtual void clear(ControlId id) = 0;
    virtual void key(const std::string& name) = 0;
    // The window closed by the platform's own means (its frame's close button, Alt+F4).
    virtual void close() = 0;
    // The quit question is on show: drawn over the page by the desktop host;
    // the headless host, which draws nothing, reports the course's state.
    virtual bool questionShown() = 0;
    // Lets `ms` milliseconds pass with the pointer where it is (the desktop
    // host waits that long in its event loop; the headless host tells the
    // course the time has passed).
    virtual void wait(int ms) = 0;
    // The drop target on which the host shows the outline of a label
    // carried by keys, if any.
    virtual std::optional<ControlId> heldShown() = 0;
    // The word label whose loupe the host shows now, if any.
    virtual std::optional<ControlId> loupeShown() = 0;
    // Saves the page; returns "" or, when the file cannot be written, why.
    virtual std::string shot(const std::string& file) = 0;
    // Saves what the window shows, the page at the scale it fills the
    // window with; "" or why not. A host without a window saves nothing.
    virtual std::string shotWindow(const std::string&) { return {}; }
    // The pointer shape at the last pointer position: true for the hand.
    virtual bool cursorIsHand() = 0;
    // The calls the platform's player of a player control of the current
    // screen received, in order, since the screen was loaded: "movie PATH",
    // "rewind", "play", "visible 1", "visible 0". nullopt when the control
    // has no platform player.
    virtual std::optional<std::vector<std::string>> playerCalls(ControlId id) = 0;
    // Page windows the host created and has not destroyed yet.
    virtual int pagesOpen() = 0;
    // Program starts since the file began: path and window style.
    virtual std::vector<std::pair<std::string, int>> launches() = 0;
    // The screens whose printing was asked since the file began, in order.
    virtual std::vector<std::string> prints() = 0;

    // The on-screen keyboard, which only a host with a window has. Each
    // action returns "" or why it could not be done.
    struct Keyboard {
        bool on = false;     // switched on: it comes up by itself
        bool shown = false;  // the panel is on show
    };
    static constexpr const char* kNoKeyboard = "an on-screen keyboard (the desktop host's only)";
    // Presses the key a scenario names (a character, space, backspace, layer, hide) with the pointer.
    virtual std::string oskPress(const std::string& key) { return "expected " + std::string(kNoKeyboard) + " -- found none: " + key; }
    // Presses the keys of each character of `text`, switching layers where needed.
    virtual std::string oskType(const std::string&) { return "expected " + std::string(kNoKeyboard) + " -- found none"; }
    // Clicks the keyboard's tab.
    virtual std::string oskToggle() { return "expected " + std::string(kNoKeyboard) + " -- found none"; }
    virtual std::optional<Keyboard> keyboard() { return std::nullopt; }
    // Whether the panel on show overlaps a control's rectangle on the window.
    virtual bool keyboardCovers(ControlId) { return false; }
};

// Outcome of one file.
struct FileResult {
    bool passed = false;
    bool unreadable = false;  // cannot be read or parsed: exit status 2
    std::string message;      // "PASS FILE" or "FAIL FILE:LINE: STEP -- expected ... found ..."
};

using DriverFactory = std::function<std::unique_ptr<Driver>()>;
// Reads a whole scenario file, at most kMaxFileBytes; false with the reason
// for a folder, a file that cannot be opened, or one that is too large.
bool readScenarioFile(const std::string& path, std::string& text, std::string& why);

// Runs one step on the driver: "" when it passed, else the failure text.
std::string runStep(Driver& driver, const Step& step);

FileResult runFile(const std::string& path, const DriverFactory& makeDriver, const Vocabulary& vocabulary);

// Runs the files and prints a line per file and the summary; returns the exit status.
int runFiles(const std::vector<std::string>& paths, const DriverFactory& makeDriver,
             const Vocabulary& vocabulary);

// Resolves a point on the current screen; nullopt with a reason when it cannot.
std::optional<std::pair<Twips, Twips>> resolvePoint(const Screen* screen, const Point& p, std::string& why);

}  // namespace nizam::scenario
