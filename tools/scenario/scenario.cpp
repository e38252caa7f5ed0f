// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/scenario.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace nizam::scenario {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

// Splits a line into words and quoted texts; false on an unterminated quote.
bool tokenize(const std::string& line, std::vector<Token>& out, std::string& error) {
    std::size_t i = 0;
    while (i < line.size()) {
        char ch = line[i];
        if (ch == ' ' || ch == '\t' || ch == '\r') {
            ++i;
            continue;
        }
        Token t;
        if (ch == '"') {
            t.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i];
                if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                    t.text += line[i + 1];
                    i += 2;
                } else if (c == '"') {
                    ++i;
                    closed = true;
                    break;
                } else {
                    t.text += c;
                    ++i;
                }
            }
            if (!closed) {
                error = "unterminated quote";
                return false;
            }
            if (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
                error = "text must be followed by a space";
                return false;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') t.text += line[i++];
        }
        out.push_back(std::move(t));
    }
    return true;
}

// The characters of a UTF-8 text (its bytes that start one).
std::size_t codePoints(const std::string& s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool parseInt(const std::string& s, int& value) {
    if (s.empty()) return false;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && ptr == s.data() + s.size();
}

std::string trim(const std::string& s) {
    auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    auto e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

class LineParser {
public:
    LineParser(std::vector<Token> tokens, const Vocabulary& vocabulary)
        : tokens_(std::move(tokens)), vocabulary_(vocabulary) {}

    bool parse(Step& step, std::string& error) {
        step.verb = word(0);
        const std::string& v = step.verb;
        if (v == "start") return count(1, error);
        if (v == "open") return count(2, error) && screenName(1, step, error);
        if (v == "move" || v == "click" || v == "doubleclick") return count(2, error) && point(1, step, error);
        if (v == "drag") return count(3, error) && point(1, step, error) && point(2, step, error);
        if (v == "type") return count(3, error) && control(1, step.control, error) && text(2, step, error);
        if (v == "clear") return count(2, error) && control(1, step.control, error);
        if (v == "key") {
            // `key NAME` or `key NAME N`: the key pressed N times in a row.
            if (tokens_.size() == 3) {
                int n = 0;
                if (tokens_[2].quoted || !parseInt(word(2), n) || n < 1 || n > kMaxKeyRepeat)
                    return fail(error, "a key is pressed 1 to " + std::to_string(kMaxKeyRepeat) + " times");
                step.words.push_back(word(2));
            } else if (!count(2, error)) {
                return false;
            }
            const std::string& k = word(1);
            static const char* const kKeys[] = {"Tab", "Backtab", "Space", "Enter", "Escape",
                                                "Left", "Right", "Up", "Down"};
            if (std::find(std::begin(kKeys), std::end(kKeys), k) == std::end(kKeys))
                return fail(error, "unknown key " + excerpt(k));
            step.words.insert(step.words.begin(), word(1));
            return true;
        }
        if (v == "close") return count(1, error);
        if (v == "osk") {
            if (!count(2, error)) return false;
            const std::string& k = word(1);
            static const char* const kNames[] = {"space", "backspace", "layer", "hide"};
            const bool named = std::any_of(std::begin(kNames), std::end(kNames), [&](const char* n) { return k == n; });
            if (!named && codePoints(k) != 1) return fail(error, "an on-screen key is one character, space, backspace, layer or hide");
            step.words.push_back(k);
            return true;
        }
        if (v == "osk-type") return count(2, error) && text(1, step, error);
        if (v == "osk-toggle") return count(1, error);
        if (v == "shot" || v == "shot-window") {
            if (!count(2, error)) return false;
            step.words.push_back(word(1));
            return true;
        }
        if (v == "wait") {
            int ms = 0;
            if (!count(2, error)) return false;
            if (tokens_[1].quoted || !parseInt(word(1), ms) || ms < 1 || ms > kMaxWaitMs)
                return fail(error, "a wait is a whole number of milliseconds from 1 to " + std::to_string(kMaxWaitMs));
            step.words.push_back(word(1));
            return true;
        }
        if (v == "expect") return expect(step, error);
        return fail(error, "unknown step " + excerpt(v));
    }

private:
    const std::string& word(std::size_t i) const {
        static const std::string kNone;
        return i < tokens_.size() ? tokens_[i].text : kNone;
    }
    static bool fail(std::string& error, std::string message) {
        error = std::move(message);
        return false;
    }
    bool count(std::size_t n, std::string& error) const {
        if (tokens_.size() != n)
            return fail(error, "'" + excerpt(word(0)) + "' takes " + std::to_string(n - 1) + " argument(s)");
        return true;
    }
    bool screenName(std::size_t i, Step& step, std::string& error) const {
        const auto& names = vocabulary_.screens;
        if (tokens_[i].quoted || std::find(names.begin(), names.end(), word(i)) == names.end())
            return fail(error, "unknown screen " + excerpt(word(i)));
        step.words.push_back(word(i));
        return true;
    }
    bool control(std::size_t i, std::optional<ControlName>& out, std::string& error) const {
        auto name = tokens_[i].quoted ? std::nullopt : parseControlName(word(i));
        const auto& names = vocabulary_.controls;
        if (!name || std::find(names.begin(), names.end(), name->name) == names.end())
            return fail(error, "unknown control " + excerpt(word(i)));
        out = name;
        return true;
    }
    bool text(std::size_t i, Step& step, std::string& error) const {
        if (!tokens_[i].quoted) return fail(error, "text must stand in double quotes");
        step.words.push_back(word(i));
        return true;
    }
    bool point(std::size_t i, Step& step, std::string& error) const {
        const std::string& w = word(i);
        Point p;
        if (w == "screen" && !tokens_[i].quoted) {
            p.kind = Point::BareScreen;
        } else if ((w == "question:leave" || w == "question:stay") && !tokens_[i].quoted) {
            p.kind = Point::Question;
            p.button = w == "question:leave" ? QuitButton::Leave : QuitButton::Stay;
        } else if (!w.empty() && w[0] == '@') {
            auto comma = w.find(',');
            if (comma == std::string::npos || !parseInt(w.substr(1, comma - 1), p.x) ||
                !parseInt(w.substr(comma + 1), p.y))
                return fail(error, "bad point " + excerpt(w));
            p.kind = Point::At;
        } else {
            std::optional<ControlName> c;
            if (!control(i, c, error)) return false;
            p.kind = Point::Control;
            p.control = *c;
        }
        step.points.push_back(p);
        return true;
    }
    bool expect(Step& step, std::string& error) {
        step.what = word(1);
        const std::string& w = step.what;
        if (w == "screen") return count(3, error) && screenName(2, step, error);
        if (w == "ended") return count(2, error);
        if (w == "question") {
            if (tokens_.size() == 3 && (word(2) == "open" || word(2) == "closed")) {
                step.words.push_back(word(2));
                return true;
            }
            if (tokens_.size() == 4 && word(2) == "focus" && (word(3) == "leave" || word(3) == "stay")) {
                step.words = {word(2), word(3)};
                return true;
            }
            return fail(error, "a question is open, closed, or focus leave|stay");
        }
        if (w == "visible" || w == "hidden" || w == "focus") return count(3, error) && control(2, step.control, error);
        if (w == "value") {
            if (!count(4, error) || !control(2, step.control, error)) return false;
            if (word(3) != "0" && word(3) != "1") return fail(error, "a check box value is 0 or 1");
            step.words.push_back(word(3));
            return true;
        }
        if (w == "text") return count(4, error) && control(2, step.control, error) && text(3, step, error);
        if (w == "picture") {
            if (!count(4, error) || !control(2, step.control, error)) return false;
            if (word(3) == "empty") {
                step.words.push_back("empty");
                return true;
            }
            return control(3, step.other, error);
        }
        if (w == "size") {
            int a = 0, b = 0;
            if (!count(5, error) || !control(2, step.control, error)) return false;
            if (!parseInt(word(3), a) || !parseInt(word(4), b)) return fail(error, "a size is two whole numbers");
            step.words = {word(3), word(4)};
            return true;
        }
        if (w == "pointer") {
            int n = 0;
            if (!count(4, error) || !control(2, step.control, error)) return false;
            if (!parseInt(word(3), n)) return fail(error, "a pointer is a whole number");
            step.words.push_back(word(3));
            return true;
        }
        if (w == "cursor") {
            if (!count(3, error)) return false;
            if (word(2) != "hand" && word(2) != "arrow") return fail(error, "a cursor is hand or arrow");
            step.words.push_back(word(2));
            return true;
        }
        if (w == "movie") {
            if (!count(4, error) || !control(2, step.control, error)) return false;
            step.words.push_back(word(3));
            return true;
        }
        if (w == "osk") {
            if (tokens_.size() == 3 && (word(2) == "shown" || word(2) == "hidden" || word(2) == "on" || word(2) == "off")) {
                step.words.push_back(word(2));
                return true;
            }
            if (tokens_.size() == 4 && word(2) == "clear") {
                step.words.push_back(word(2));
                return control(3, step.control, error);
            }
            return fail(error, "the on-screen keyboard is shown, hidden, on, off, or clear CONTROL");
        }
        if (w == "loupe" || w == "carrying" || w == "held") {
            if (!count(3, error)) return false;
            if (word(2) == "none" && !tokens_[2].quoted) return true;
            return control(2, step.control, error);
        }
        if (w == "launched") {
            int n = 0;
            if (!count(4, error)) return false;
            if (word(2) != "calc") return fail(error, "unknown program " + excerpt(word(2)));
            if (!parseInt(word(3), n) || n < 0) return fail(error, "a count is a whole number");
            step.words.push_back(word(3));
            return true;
        }
        if (w == "printed") {
            int n = 0;
            if (!count(3, error)) return false;
            if (!parseInt(word(2), n) || n < 0) return fail(error, "a count is a whole number");
            step.words.push_back(word(2));
            return true;
        }
        return fail(error, "unknown expectation " + excerpt(w));
    }

    std::vector<Token> tokens_;
    const Vocabulary& vocabulary_;
};

std::string baseName(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    auto dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string shown(const ControlName& c) {
    return c.index ? c.name + "(" + std::to_string(*c.index) + ")" : c.name;
}

// Runs the steps of one file; returns "" when all passed, else the failure text.
class Runner {
public:
    Runner(Driver& driver) : d_(driver) {}

    std::string run(const Step& s) {
        Navigator& nav = d_.navigator();
        if (s.verb == "start") return d_.start(), "";
        if (s.verb == "open") return d_.open(s.words[0]), "";
        if (s.verb == "move" || s.verb == "click" || s.verb == "doubleclick" || s.verb == "drag") {
            std::vector<std::pair<Twips, Twips>> at;
            for (const Point& p : s.points) {
                std::string why;
                if (p.kind == Point::Question && (!nav.current() || !nav.quitQuestion()))
                    return "expected the quit question -- found none asked";
                auto xy = resolvePoint(nav.current(), p, why);
                if (!xy) return "expected a point to act on -- found " + why;
                at.push_back(*xy);
            }
            if (s.verb == "move") d_.move(at[0].first, at[0].second);
            if (s.verb == "click") d_.click(at[0].first, at[0].second);
            if (s.verb == "doubleclick") d_.doubleClick(at[0].first, at[0].second);
            if (s.verb == "drag") d_.drag(at[0].first, at[0].second, at[1].first, at[1].second);
            return "";
        }
        if (s.verb == "type" || s.verb == "clear") {
            ControlId id = 0;
            if (auto e = controlOf(*s.control, id); !e.empty()) return e;
            if (nav.current()->control(id).kind != Kind::TextBox)
                return "expected a text box -- found " + std::string(kindName(nav.current()->control(id).kind));
            if (s.verb == "type") d_.type(id, s.words[0]);
            if (s.verb == "clear") d_.clear(id);
            return "";
        }
        if (s.verb == "key") {
            if (!nav.current()) return "expected a loaded screen -- found none";
            const int times = s.words.size() > 1 ? std::stoi(s.words[1]) : 1;
            for (int i = 0; i < times && nav.current(); ++i) d_.key(s.words[0]);
            return "";
        }
        if (s.verb == "close") {
            if (!nav.current()) return "expected a loaded screen -- found none";
            return d_.close(), "";
        }
        if (s.verb == "wait") return d_.wait(std::stoi(s.words[0])), "";
        if (s.verb == "osk" || s.verb == "osk-type" || s.verb == "osk-toggle") {
            if (!nav.current()) return "expected a loaded screen -- found none";
            if (s.verb == "osk") return d_.oskPress(s.words[0]);
            if (s.verb == "osk-type") return d_.oskType(s.words[0]);
            return d_.oskToggle();
        }
        if (s.verb == "shot" || s.verb == "shot-window") {
            std::string why = s.verb == "shot" ? d_.shot(s.words[0]) : d_.shotWindow(s.words[0]);
            return why.empty() ? "" : "expected the picture saved to " + excerpt(s.words[0]) + " found " + why;
        }
        return expect(s);
    }

private:
    std::string controlOf(const ControlName& c, ControlId& id) {
        const Screen* screen = d_.navigator().current();
        if (!screen) return "expected " + shown(c) + " -- found no loaded screen";
        auto found = screen->findQuiet(c.name, c.index);
        if (!found) return "expected " + shown(c) + " -- found no such control on " + screen->name();
        id = *found;
        return "";
    }

    static std::string compare(const std::string& expected, const std::string& found) {
        return expected == found ? std::string() : "expected " + expected + " found " + found;
    }

    std::string expect(const Step& s) {
        Navigator& nav = d_.navigator();
        const std::string& w = s.what;
        if (w == "screen") {
            const Screen* cur = nav.current();
            std::string found = cur ? cur->name() : (nav.ended() ? "ended" : "no screen");
            if (!cur || cur->name() != s.words[0]) return "expected " + s.words[0] + " found " + found;
            return "";
        }
        if (w == "ended") {
            if (nav.current()) return "expected ended found " + nav.current()->name();
            if (!nav.ended()) return "expected ended found not ended";
            return "";
        }
        if (w == "question") {
            const QuitQuestion* q = nav.quitQuestion();
            const bool drawn = d_.questionShown();
            if (q && !drawn) return "expected the quit question drawn found it asked but not on show";
            if (!q && drawn) return "expected no quit question on show found one drawn";
            if (s.words[0] == "open" || s.words[0] == "closed")
                return compare(s.words[0], q ? "open" : "closed");
            if (!q) return "expected the quit question with focus on " + s.words[1] + " found closed";
            return compare(s.words[1], q->focus == QuitButton::Leave ? "leave" : "stay");
        }
        if (w == "cursor") {
            std::string found = d_.cursorIsHand() ? "hand" : "arrow";
            return found == s.words[0] ? "" : "expected " + s.words[0] + " found " + found;
        }
        // The name of a control of the page on show, or "none".
        const auto named = [&nav](std::optional<ControlId> id) {
            const Screen* screen = nav.current();
            return id && screen && *id >= 0 && *id < screen->controlCount() ? screen->control(*id).displayName()
                                                                            : std::string("none");
        };
        if (w == "loupe") {
            // What the course shows, and what the host was told to show.
            const std::string want = s.control ? shown(*s.control) : "none";
            const std::string course = named(nav.loupe());
            if (course != want) return "expected the loupe over " + want + " found " + course;
            const std::string host = named(d_.loupeShown());
            if (host != want) return "expected the window to show the loupe over " + want + " found " + host;
            return "";
        }
        if (w == "carrying" || w == "held") {
            // The label carried by keys, or the target it is held over: what
            // the course holds, and for the target where the host shows it.
            const std::string want = s.control ? shown(*s.control) : "none";
            const std::string course = named(w == "carrying" ? nav.carried() : nav.heldOver());
            if (course != want) return "expected " + w + " " + want + " found " + course;
            if (w == "held") {
                const std::string host = named(d_.heldShown());
                if (host != want) return "expected the outline shown over " + want + " found " + host;
            }
            return "";
        }
        if (w == "osk") {
            const auto k = d_.keyboard();
            if (!k) return "expected " + std::string(Driver::kNoKeyboard) + " -- found none";
            const std::string& want = s.words[0];
            if (want == "shown" || want == "hidden") return compare(want, k->shown ? "shown" : "hidden");
            if (want == "on" || want == "off") return compare(want, k->on ? "on" : "off");
            ControlId id = 0;
            if (auto e = controlOf(*s.control, id); !e.empty()) return e;
            if (!k->shown) return "expected the on-screen keyboard shown clear of " + shown(*s.control) + " -- found it hidden";
            if (d_.keyboardCovers(id)) return "expected the on-screen keyboard clear of " + shown(*s.control) + " -- found it over it";
            return "";
        }
        if (w == "launched") {
            int n = std::stoi(s.words[0]);
            int calcs = 0;
            bool allMaximised = true;
            for (const auto& [path, style] : d_.launches()) {
                if (baseName(path) != "calc") continue;
                ++calcs;
                allMaximised = allMaximised && style == kMaximizedFocus;
            }
            if (calcs != n) return "expected " + std::to_string(n) + " found " + std::to_string(calcs);
            if (!allMaximised) return "expected a maximised window found another window style";
            return "";
        }
        if (w == "printed") {
            const int n = std::stoi(s.words[0]);
            const auto asked = d_.prints();
            if (static_cast<int>(asked.size()) != n)
                return "expected " + std::to_string(n) + " found " + std::to_string(asked.size());
            return "";
        }
        ControlId id = 0;
        if (auto e = controlOf(*s.control, id); !e.empty()) return e;
        const Screen& screen = *nav.current();
        const ControlState& st = screen.state(id);
        const ControlDef& def = screen.control(id);
        if (w == "visible") return compare("visible", st.visible ? "visible" : "hidden");
        if (w == "hidden") return compare("hidden", st.visible ? "visible" : "hidden");
        if (w == "value") {
            if (def.kind != Kind::CheckBox) return "expected a check box found " + std::string(kindName(def.kind));
            return compare(s.words[0], std::to_string(st.value));
        }
        if (w == "text") {
            if (def.kind != Kind::TextBox) return "expected a text box found " + std::string(kindName(def.kind));
            return compare("\"" + s.words[0] + "\"", "\"" + st.text + "\"");
        }
        if (w == "picture") {
            auto describe = [](const PictureRef& p) { return p.empty() ? std::string("empty") : p->key; };
            if (s.words.size() == 1 && s.words[0] == "empty")
                return st.picture.empty() ? "" : "expected empty found " + describe(st.picture);
            ControlId other = 0;
            if (auto e = controlOf(*s.other, other); !e.empty()) return e;
            const PictureRef& want = screen.state(other).picture;
            if (st.picture == want) return "";
            return "expected the picture of " + shown(*s.other) + " (" + describe(want) + ") found " +
                   describe(st.picture);
        }
        if (w == "size") {
            Rect r = screen.rect(id);
            return compare(s.words[0] + " " + s.words[1], std::to_string(r.width) + " " + std::to_string(r.height));
        }
        if (w == "pointer") return compare(s.words[0], std::to_string(st.mousePointer));
        if (w == "focus") {
            auto f = screen.focus();
            std::string found = f ? screen.control(*f).displayName() : "nothing";
            return compare(def.displayName(), found);
        }
        if (w == "movie") {
            if (def.kind != Kind::Player) return "expected a player found " + std::string(kindName(def.kind));
            const auto calls = d_.playerCalls(id);
            if (!calls) return "expected a player found no platform player on " + def.displayName();
            // The last Movie the platform's player received, and what it received after it.
            auto last = std::find_if(calls->rbegin(), calls->rend(),
                                     [](const std::string& c) { return c.rfind("movie ", 0) == 0; });
            const std::string& want = s.words[0];
            if (want == "none") {
                if (last == calls->rend()) return "";
                return "expected none found " + baseName(last->substr(6));
            }
            if (last == calls->rend()) return "expected " + want + " found none";
            const std::string found = baseName(last->substr(6));
            if (found != want) return "expected " + want + " found " + (found.empty() ? "an empty Movie" : found);
            auto after = last.base();  // the first call after that Movie
            auto rewound = std::find(after, calls->end(), "rewind");
            if (rewound == calls->end()) return "expected " + want + " rewound and played found it set but not rewound";
            if (std::find(rewound, calls->end(), "play") == calls->end())
                return "expected " + want + " rewound and played found it rewound but not played";
            return "";
        }
        return "expected a known expectation found " + w;
    }

    Driver& d_;
};

}  // namespace

Vocabulary vocabularyOf(const std::vector<RegistryEntry>& registry) {
    Vocabulary v;
    for (const auto& e : registry) {
        v.screens.push_back(e.name);
        for (const auto& c : e.module->def.controls) {
            if (std::find(v.controls.begin(), v.controls.end(), c.name) == v.controls.end())
                v.controls.push_back(c.name);
        }
    }
    return v;
}

namespace {

// ---- Tables (groups of steps are put in place before, see spliceGroups) ---
//
//   for N in 0..17          (a table of one column, on one line)
//     drag Image3($N) Image4($N)
//   end
//
//   table NAME TEXT
//   row "hamza" "جهاز إنذار"
//   row "plain" "جهاز انذار"
//   steps
//     type Text1 $TEXT
//   end
//
// A block runs its steps once per row, each $COLUMN of an unquoted word
// replaced by that row's cell. A whole-word reference takes the cell as it
// stands (a quoted cell gives a quoted text); inside a longer word the cell
// must be a plain word. Values are never read again as step text, so a quote
// or a dollar sign in a cell is taken literally.

struct RawStep {
    int line = 0;
    std::string source;
    std::vector<Token> tokens;
};

struct Block;

struct Node {
    RawStep step;                  // a step line, when table is null
    std::unique_ptr<Block> table;  // a nested table
};

struct Row {
    int line = 0;
    std::vector<Token> cells;
};

struct Block {
    int line = 0;
    std::vector<std::string> columns;
    std::vector<Row> rows;
    bool inSteps = false;  // 'steps' seen: lines are steps, no longer rows
    std::vector<Node> body;
};

using Env = std::vector<std::pair<std::string, Token>>;

// "0..17": the whole numbers from the first to the last.
constexpr int kMaxRangeValues = 10000;
bool parseRange(const std::string& word, int& first, int& last) {
    const auto dots = word.find("..");
    return dots != std::string::npos && parseInt(word.substr(0, dots), first) && parseInt(word.substr(dots + 2), last);
}

bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isNameChar(char c) { return isNameStart(c) || (c >= '0' && c <= '9'); }

bool validColumnName(const std::string& s) {
    if (s.empty() || !isNameStart(s[0])) return false;
    return std::all_of(s.begin(), s.end(), isNameChar);
}

// Splits an unquoted word into literal pieces and references. Each element:
// {true, NAME} for a reference, {false, TEXT} for literal text.
bool splitReferences(const std::string& word, std::vector<std::pair<bool, std::string>>& parts, std::string& error) {
    std::string literal;
    std::size_t i = 0;
    while (i < word.size()) {
        if (word[i] != '$') {
            literal += word[i++];
            continue;
        }
        std::string name;
        if (i + 1 < word.size() && word[i + 1] == '$') {
            literal += '$';
            i += 2;
            continue;
        }
        if (i + 1 < word.size() && word[i + 1] == '{') {
            auto close = word.find('}', i + 2);
            if (close == std::string::npos) {
                error = "unclosed ${ in " + excerpt(word);
                return false;
            }
            name = word.substr(i + 2, close - i - 2);
            i = close + 1;
        } else {
            std::size_t j = i + 1;
            while (j < word.size() && isNameChar(word[j])) ++j;
            name = word.substr(i + 1, j - i - 1);
            i = j;
        }
        if (!validColumnName(name)) {
            error = "a $ in a table stands before a column name (write $$ for a dollar sign): " + excerpt(word);
            return false;
        }
        if (!literal.empty()) parts.emplace_back(false, std::move(literal));
        literal.clear();
        parts.emplace_back(true, name);
    }
    if (!literal.empty() || parts.empty()) parts.emplace_back(false, std::move(literal));
    return true;
}

// Replaces the references of one token from env; quoted tokens are literal.
bool substitute(const Token& in, const Env& env, Token& out, std::string& error) {
    if (in.quoted) {
        out = in;
        return true;
    }
    std::vector<std::pair<bool, std::string>> parts;
    if (!splitReferences(in.text, parts, error)) return false;
    auto lookup = [&](const std::string& name) -> const Token* {
        for (auto it = env.rbegin(); it != env.rend(); ++it) {
            if (it->first == name) return &it->second;
        }
        return nullptr;
    };
    if (parts.size() == 1 && parts[0].first) {
        const Token* v = lookup(parts[0].second);
        if (!v) return error = "no column $" + parts[0].second, false;
        out = *v;
        return true;
    }
    out = Token{};
    for (const auto& [isRef, text] : parts) {
        if (!isRef) {
            out.text += text;
            continue;
        }
        const Token* v = lookup(text);
        if (!v) return error = "no column $" + text, false;
        if (v->quoted) return error = "a quoted cell ($" + text + ") cannot stand inside a word", false;
        out.text += v->text;
    }
    return true;
}

// Marks the columns that a block's steps and nested rows use, and refuses a
// reference to no column. scope: the columns of the enclosing tables.
bool checkReferences(const Block& block, std::vector<std::pair<std::string, bool>>& scope, ParseError& err) {
    const std::size_t first = scope.size();
    for (const auto& c : block.columns) scope.emplace_back(c, false);
    auto use = [&](const Token& t, int line) {
        if (t.quoted) return true;
        std::vector<std::pair<bool, std::string>> parts;
        std::string error;
        if (!splitReferences(t.text, parts, error)) {
            err = ParseError{line, error, {}};
            return false;
        }
        for (const auto& [isRef, name] : parts) {
            if (!isRef) continue;
            auto it = std::find_if(scope.rbegin(), scope.rend(), [&](auto& e) { return e.first == name; });
            if (it == scope.rend()) {
                err = ParseError{line, "no column $" + excerpt(name), {}};
                return false;
            }
            it->second = true;
        }
        return true;
    };
    for (const Node& n : block.body) {
        if (!n.table) {
            for (const Token& t : n.step.tokens) {
                if (!use(t, n.step.line)) return false;
            }
            continue;
        }
        // A nested table's rows see the enclosing columns, not their own.
        for (const Row& r : n.table->rows) {
            for (const Token& t : r.cells) {
                if (!use(t, r.line)) return false;
            }
        }
        if (!checkReferences(*n.table, scope, err)) return false;
    }
    for (std::size_t i = first; i < scope.size(); ++i) {
        if (!scope[i].second) {
            err = ParseError{block.line, "column " + scope[i].first + " is used by no step", {}};
            return false;
        }
    }
    scope.resize(first);
    return true;
}

std::string render(const std::vector<Token>& tokens) {
    std::string out;
    for (const Token& t : tokens) {
        if (!out.empty()) out += ' ';
        if (!t.quoted) {
            out += t.text;
            continue;
        }
        out += '"';
        for (char c : t.text) {
            if (c == '"' || c == '\\') out += '\\';
            out += c;
        }
        out += '"';
    }
    return out;
}

class Expander {
public:
    Expander(const Vocabulary& vocabulary, Parsed& out) : vocabulary_(vocabulary), out_(out) {}

    // Parses one step line; inTable: its tokens are substituted from env.
    bool step(const RawStep& raw, const Env& env, const std::vector<int>& rows, bool inTable) {
        Step step;
        step.line = raw.line;
        step.rows = rows;
        std::vector<Token> tokens;
        std::string error;
        if (inTable) {
            for (const Token& t : raw.tokens) {
                Token v;
                if (!substitute(t, env, v, error)) return fail(raw.line, error, rows);
                tokens.push_back(std::move(v));
            }
            step.source = render(tokens);
        } else {
            tokens = raw.tokens;
            step.source = raw.source;
        }
        if (!LineParser(std::move(tokens), vocabulary_).parse(step, error)) return fail(raw.line, error, rows);
        if (out_.steps.size() >= kMaxSteps)
            return fail(raw.line, "the tables expand to more than " + std::to_string(kMaxSteps) + " steps", rows);
        out_.steps.push_back(std::move(step));
        return true;
    }

    bool table(const Block& b, const Env& env, const std::vector<int>& rows) {
        for (const Row& r : b.rows) {
            Env inner = env;
            for (std::size_t i = 0; i < b.columns.size(); ++i) {
                Token v;
                std::string error;
                if (!substitute(r.cells[i], env, v, error)) return fail(r.line, error, rows);
                inner.emplace_back(b.columns[i], std::move(v));
            }
            std::vector<int> at = rows;
            at.push_back(r.line);
            for (const Node& n : b.body) {
                if (!(n.table ? table(*n.table, inner, at) : step(n.step, inner, at, true))) return false;
            }
        }
        return true;
    }

private:
    bool fail(int line, const std::string& message, const std::vector<int>& rows) {
        out_.error = ParseError{line, message, rows};
        return false;
    }
    const Vocabulary& vocabulary_;
    Parsed& out_;
};

}  // namespace

namespace {

// A line of a file with its number, as written.
struct Line {
    int number = 0;
    std::string text;
};

// The file's step lines (blanks and comments dropped) with every group put in
// place: "define NAME" ... "end" names a run of lines (steps and tables), and
// "do NAME" stands for them where it is written, so a page's right answers are
// written once and used by every case. A group's lines keep their own line
// numbers, and its $COLUMN references take the values of the tables around
// the "do".
std::optional<ParseError> spliceGroups(std::string_view text, std::vector<Line>& out) {
    std::vector<std::pair<std::string, std::vector<Line>>> groups;
    std::vector<Line>* collecting = nullptr;  // the group being defined
    int defineLine = 0, depth = 0;
    auto error = [](int line, std::string message) { return ParseError{line, std::move(message), {}}; };
    auto find = [&](const std::string& name) -> const std::vector<Line>* {
        for (const auto& g : groups) {
            if (g.first == name) return &g.second;
        }
        return nullptr;
    };
    int number = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto nl = text.find('\n', pos);
        std::string line(text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos));
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
        ++number;
        std::string t = trim(line);
        if (t.empty() || t[0] == '#') continue;
        std::vector<Token> tokens;
        std::string why;
        if (!tokenize(t, tokens, why)) return error(number, why);
        const std::string verb = tokens[0].quoted ? std::string() : tokens[0].text;
        std::vector<Line>& target = collecting ? *collecting : out;
        if (verb == "define") {
            if (collecting) return error(number, "a group is defined outside any other group");
            if (tokens.size() != 2 || tokens[1].quoted || !validColumnName(tokens[1].text))
                return error(number, "a group reads: define NAME");
            if (find(tokens[1].text)) return error(number, "group " + tokens[1].text + " is defined twice");
            groups.emplace_back(tokens[1].text, std::vector<Line>{});
            collecting = &groups.back().second;
            defineLine = number;
            depth = 0;
            continue;
        }
        if (verb == "do") {
            if (tokens.size() != 2 || tokens[1].quoted) return error(number, "'do' names one group: do NAME");
            const std::vector<Line>* g = find(tokens[1].text);
            if (!g) return error(number, "no group " + excerpt(tokens[1].text) + " is defined above");
            if (target.size() + g->size() > kMaxSteps)
                return error(number, "the groups expand to more than " + std::to_string(kMaxSteps) + " lines");
            target.insert(target.end(), g->begin(), g->end());
            continue;
        }
        if (collecting) {
            if (verb == "table" || verb == "for") ++depth;
            if (verb == "end" && depth-- == 0) {
                if (collecting->empty()) return error(number, "the group has no step");
                collecting = nullptr;
                continue;
            }
        }
        target.push_back(Line{number, std::move(t)});
    }
    if (collecting) return error(defineLine, "the group is not closed with 'end'");
    return std::nullopt;
}

}  // namespace

Parsed parse(const std::string& input, const Vocabulary& vocabulary) {
    Parsed out;
    std::string_view text(input);
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a byte-order mark
    Expander expander(vocabulary, out);
    std::vector<std::unique_ptr<Block>> open;  // the tables being read, innermost last
    auto fail = [&](int line, std::string message) {
        out.error = ParseError{line, std::move(message), {}};
        return out;
    };
    std::vector<Line> lines;
    if (auto e = spliceGroups(text, lines)) {
        out.error = *e;
        return out;
    }
    for (Line& l : lines) {
        const int number = l.number;
        std::string t = std::move(l.text);
        std::vector<Token> tokens;
        std::string error;
        if (!tokenize(t, tokens, error)) return fail(number, error);
        const bool keyword = !tokens[0].quoted;
        const std::string& verb = tokens[0].text;
        Block* top = open.empty() ? nullptr : open.back().get();

        // Adds a column to a new block; "" when the name is sound and new.
        auto addColumn = [&](Block& b, const Token& name) -> std::string {
            const std::string& c = name.text;
            if (name.quoted || !validColumnName(c)) return "bad column name " + excerpt(c);
            bool taken = std::find(b.columns.begin(), b.columns.end(), c) != b.columns.end();
            for (const auto& o : open) {
                taken = taken || std::find(o->columns.begin(), o->columns.end(), c) != o->columns.end();
            }
            if (taken) return "column " + c + " is named twice";
            b.columns.push_back(c);
            return {};
        };
        if (keyword && verb == "table") {
            if (top && !top->inSteps) return fail(number, "a table inside a table stands after its 'steps'");
            if (tokens.size() < 2) return fail(number, "a table names its columns: table NAME...");
            auto b = std::make_unique<Block>();
            b->line = number;
            for (std::size_t i = 1; i < tokens.size(); ++i) {
                if (auto e = addColumn(*b, tokens[i]); !e.empty()) return fail(number, e);
            }
            open.push_back(std::move(b));
            continue;
        }
        // A table of one column written on one line: "for N in 0..17" or
        // "for TEXT in "a" "b"". Its steps follow at once, up to 'end'.
        if (keyword && verb == "for") {
            if (top && !top->inSteps) return fail(number, "a table inside a table stands after its 'steps'");
            if (tokens.size() < 4 || tokens[2].quoted || tokens[2].text != "in")
                return fail(number, "a one-line table reads: for NAME in VALUE...");
            auto b = std::make_unique<Block>();
            b->line = number;
            if (auto e = addColumn(*b, tokens[1]); !e.empty()) return fail(number, e);
            for (std::size_t i = 3; i < tokens.size(); ++i) {
                int first = 0, last = 0;
                if (!tokens[i].quoted && parseRange(tokens[i].text, first, last)) {
                    if (last < first || last - first >= kMaxRangeValues)
                        return fail(number, "bad range " + excerpt(tokens[i].text));
                    for (int v = first; v <= last; ++v) b->rows.push_back(Row{number, {Token{std::to_string(v), false}}});
                } else {
                    b->rows.push_back(Row{number, {tokens[i]}});
                }
            }
            b->inSteps = true;
            open.push_back(std::move(b));
            continue;
        }
        if (keyword && verb == "row") {
            if (!top || top->inSteps) return fail(number, "a row stands between 'table' and 'steps'");
            const std::size_t cells = tokens.size() - 1;
            if (cells != top->columns.size())
                return fail(number, "the row has " + std::to_string(cells) + " cell(s), the table " +
                                        std::to_string(top->columns.size()) + " column(s)");
            top->rows.push_back(Row{number, std::vector<Token>(tokens.begin() + 1, tokens.end())});
            continue;
        }
        if (keyword && verb == "steps") {
            if (!top || top->inSteps) return fail(number, "'steps' follows the rows of a table");
            if (tokens.size() != 1) return fail(number, "'steps' takes no argument");
            if (top->rows.empty()) return fail(number, "the table has no row");
            top->inSteps = true;
            continue;
        }
        if (keyword && verb == "end") {
            if (!top) return fail(number, "'end' closes no table");
            if (tokens.size() != 1) return fail(number, "'end' takes no argument");
            if (!top->inSteps) return fail(number, "'end' before the table's 'steps'");
            if (top->body.empty()) return fail(number, "the table has no step");
            std::unique_ptr<Block> done = std::move(open.back());
            open.pop_back();
            if (!open.empty()) {
                open.back()->body.push_back(Node{{}, std::move(done)});
                continue;
            }
            std::vector<std::pair<std::string, bool>> scope;
            ParseError err;
            if (!checkReferences(*done, scope, err)) return out.error = err, out;
            if (!expander.table(*done, {}, {})) return out;
            continue;
        }
        RawStep raw{number, t, std::move(tokens)};
        if (top) {
            if (!top->inSteps) return fail(number, "a table lists its rows, then 'steps'");
            top->body.push_back(Node{std::move(raw), nullptr});
            continue;
        }
        if (!expander.step(raw, {}, {}, false)) return out;
    }
    if (!open.empty()) return fail(open.back()->line, "the table is not closed with 'end'");
    return out;
}

std::optional<std::pair<Twips, Twips>> resolvePoint(const Screen* screen, const Point& p, std::string& why) {
    if (p.kind == Point::At) return std::make_pair(p.x, p.y);
    if (!screen) {
        why = "no loaded screen";
        return std::nullopt;
    }
    if (p.kind == Point::Question) {
        const Rect r = QuitQuestion::button(p.button, screen->def().clientWidth, screen->def().clientHeight);
        return std::make_pair(r.left + r.width / 2, r.top + r.height / 2);
    }
    if (p.kind == Point::Control) {
        auto id = screen->findQuiet(p.control.name, p.control.index);
        if (!id) {
            why = "no control " + shown(p.control) + " on " + screen->name();
            return std::nullopt;
        }
        Rect r = screen->rect(*id);
        return std::make_pair(r.left + r.width / 2, r.top + r.height / 2);
    }
    // A place of the client area that no control covers: the corners first,
    // then a scan of the whole area.
    const ScreenDef& d = screen->def();
    auto bare = [&](Twips x, Twips y) {
        for (ControlId id = 0; id < screen->controlCount(); ++id) {
            const ControlDef& c = screen->control(id);
            if (c.kind == Kind::Line || c.kind == Kind::Timer) continue;
            if (screen->rect(id).contains(x, y)) return false;
        }
        return true;
    };
    const Twips w = d.clientWidth, h = d.clientHeight;
    const std::pair<Twips, Twips> corners[] = {{30, 30}, {w - 45, 30}, {30, h - 45}, {w - 45, h - 45}};
    for (auto [x, y] : corners) {
        if (bare(x, y)) return std::make_pair(x, y);
    }
    for (Twips y = 30; y < h; y += 60) {
        for (Twips x = 30; x < w; x += 60) {
            if (bare(x, y)) return std::make_pair(x, y);
        }
    }
    why = "no bare place on " + screen->name();
    return std::nullopt;
}

std::string excerpt(const std::string& text, std::size_t maxChars) {
    std::string out;
    std::size_t chars = 0, i = 0;
    auto hex = [](unsigned v, int digits) {
        static const char* kDigits = "0123456789ABCDEF";
        std::string h;
        for (int d = digits - 1; d >= 0; --d) h += kDigits[(v >> (4 * d)) & 0xF];
        return h;
    };
    while (i < text.size()) {
        if (chars == maxChars) return out + "...";
        const auto b = static_cast<unsigned char>(text[i]);
        int len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        char32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        bool valid = len > 0 && i + len <= text.size();
        for (int k = 1; valid && k < len; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            valid = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are broken UTF-8 too.
        valid = valid && !(len == 2 && cp < 0x80) && !(len == 3 && cp < 0x800) && !(len == 4 && cp < 0x10000) &&
                !(cp >= 0xD800 && cp <= 0xDFFF) && cp <= 0x10FFFF;
        ++chars;
        if (!valid) {
            out += "\\x" + hex(b, 2);
            ++i;
            continue;
        }
        const bool control = cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || cp == 0x061C || cp == 0x200E || cp == 0x200F ||
                             (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069) || cp == 0xFEFF;
        if (control)
            out += cp < 0x100 ? "\\x" + hex(cp, 2) : "\\u" + hex(cp, 4);
        else
            out.append(text, i, len);
        i += len;
    }
    return out;
}

bool readScenarioFile(const std::string& path, std::string& text, std::string& why) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        why = "is a folder, not a scenario file";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = "cannot be read";
        return false;
    }
    // Read in pieces and stop one byte past the bound, so that an endless
    // source (a device, a pipe) is refused instead of filling the memory.
    text.clear();
    char buffer[64 * 1024];
    while (text.size() <= kMaxFileBytes) {
        in.read(buffer, sizeof buffer);
        const auto got = in.gcount();
        if (got <= 0) break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    if (in.bad()) {
        why = "cannot be read";
        return false;
    }
    if (text.size() > kMaxFileBytes) {
        why = "is larger than " + std::to_string(kMaxFileBytes >> 20) + " MiB";
        return false;
    }
    return true;
}

std::string runStep(Driver& driver, const Step& step) { return Runner(driver).run(step); }

FileResult runFile(const std::string& path, const DriverFactory& makeDriver, const Vocabulary& vocabulary) {
    FileResult result;
    const std::string shownPath = excerpt(path, 200);
    std::string text, why;
    if (!readScenarioFile(path, text, why)) {
        result.unreadable = true;
        result.message = "ERROR " + shownPath + ": " + why;
        return result;
    }
    auto rowsOf = [&](const std::vector<int>& rows) {
        std::string out;
        for (int r : rows) out += (out.empty() ? " [row " : ", row ") + shownPath + ":" + std::to_string(r);
        return out.empty() ? out : out + "]";
    };
    Parsed parsed = parse(text, vocabulary);
    if (parsed.error) {
        result.unreadable = true;
        result.message = "ERROR " + shownPath + ":" + std::to_string(parsed.error->line) + ": " +
                         excerpt(parsed.error->message, 200) + rowsOf(parsed.error->rows);
        return result;
    }
    if (parsed.steps.empty()) {
        // A file of nothing but blanks and comments checks nothing: refuse it
        // rather than let it pass. Name its last line.
        const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) +
                          (text.empty() || text.back() == '\n' ? 0 : 1);
        result.unreadable = true;
        result.message = "ERROR " + shownPath + ":" + std::to_string(std::max(lines, 1)) + ": the file has no steps";
        return result;
    }
    std::unique_ptr<Driver> driver = makeDriver();
    Runner runner(*driver);
    for (const Step& step : parsed.steps) {
        std::string failure = runner.run(step);
        // Exactly the loaded screen's window is open: one, or none after the end.
        const int pages = driver->pagesOpen();
        const int wanted = driver->navigator().current() ? 1 : 0;
        if (failure.empty() && pages != wanted)
            failure = "expected " + std::to_string(wanted) + " open page windows found " + std::to_string(pages);
        if (!failure.empty()) {
            result.message = "FAIL " + shownPath + ":" + std::to_string(step.line) + ": " + excerpt(step.source, 120) +
                             rowsOf(step.rows) + " -- " + excerpt(failure, 300);
            return result;
        }
    }
    result.passed = true;
    result.message = "PASS " + shownPath;
    return result;
}

int runFiles(const std::vector<std::string>& paths, const DriverFactory& makeDriver, const Vocabulary& vocabulary) {
    int passed = 0, failed = 0;
    bool unreadable = false;
    for (const auto& path : paths) {
        FileResult r = runFile(path, makeDriver, vocabulary);
        if (r.unreadable) {
            std::fprintf(stderr, "%s\n", r.message.c_str());
            unreadable = true;
            ++failed;
            continue;
        }
        std::printf("%s\n", r.message.c_str());
        std::fflush(stdout);
        (r.passed ? passed : failed)++;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    if (unreadable) return 2;
    return failed == 0 ? 0 : 1;
}

}  // namespace nizam::scenario
