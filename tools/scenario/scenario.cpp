#include "tools/scenario/scenario.h"

#include <algorithm>
#include <charconv>
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
            if (!count(2, error)) return false;
            if (word(1) != "Tab" && word(1) != "Space") return fail(error, "unknown key " + word(1));
            step.words.push_back(word(1));
            return true;
        }
        if (v == "shot") {
            if (!count(2, error)) return false;
            step.words.push_back(word(1));
            return true;
        }
        if (v == "expect") return expect(step, error);
        return fail(error, "unknown step " + v);
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
            return fail(error, "'" + word(0) + "' takes " + std::to_string(n - 1) + " argument(s)");
        return true;
    }
    bool screenName(std::size_t i, Step& step, std::string& error) const {
        const auto& names = vocabulary_.screens;
        if (tokens_[i].quoted || std::find(names.begin(), names.end(), word(i)) == names.end())
            return fail(error, "unknown screen " + word(i));
        step.words.push_back(word(i));
        return true;
    }
    bool control(std::size_t i, std::optional<ControlName>& out, std::string& error) const {
        auto name = tokens_[i].quoted ? std::nullopt : parseControlName(word(i));
        const auto& names = vocabulary_.controls;
        if (!name || std::find(names.begin(), names.end(), name->name) == names.end())
            return fail(error, "unknown control " + word(i));
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
        } else if (!w.empty() && w[0] == '@') {
            auto comma = w.find(',');
            if (comma == std::string::npos || !parseInt(w.substr(1, comma - 1), p.x) ||
                !parseInt(w.substr(comma + 1), p.y))
                return fail(error, "bad point " + w);
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
        if (w == "launched") {
            int n = 0;
            if (!count(4, error)) return false;
            if (word(2) != "calc") return fail(error, "unknown program " + word(2));
            if (!parseInt(word(3), n) || n < 0) return fail(error, "a count is a whole number");
            step.words.push_back(word(3));
            return true;
        }
        return fail(error, "unknown expectation " + w);
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
            return d_.key(s.words[0]), "";
        }
        if (s.verb == "shot") return d_.shot(s.words[0]), "";
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
        if (w == "cursor") {
            std::string found = d_.cursorIsHand() ? "hand" : "arrow";
            return found == s.words[0] ? "" : "expected " + s.words[0] + " found " + found;
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
        ControlId id = 0;
        if (auto e = controlOf(*s.control, id); !e.empty()) return e;
        const Screen& screen = *nav.current();
        const ControlState& st = screen.state(id);
        const ControlDef& def = screen.control(id);
        auto compare = [](const std::string& expected, const std::string& found) {
            return expected == found ? std::string() : "expected " + expected + " found " + found;
        };
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
            if (s.words[0] == "none") return compare("none", st.movie.empty() ? "none" : baseName(st.movie));
            if (st.movie.empty()) return "expected " + s.words[0] + " found none";
            if (baseName(st.movie) != s.words[0]) return "expected " + s.words[0] + " found " + baseName(st.movie);
            if (!st.rewoundAfterMovie || !st.playedAfterRewind)
                return "expected " + s.words[0] + " rewound and played found it set but not played";
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
        if (!e.module) continue;
        for (const auto& c : e.module->def.controls) {
            if (std::find(v.controls.begin(), v.controls.end(), c.name) == v.controls.end())
                v.controls.push_back(c.name);
        }
    }
    return v;
}

Parsed parse(const std::string& text, const Vocabulary& vocabulary) {
    Parsed out;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::string t = trim(line);
        if (t.empty() || t[0] == '#') continue;
        std::vector<Token> tokens;
        std::string error;
        Step step;
        step.line = number;
        step.source = t;
        if (!tokenize(t, tokens, error) || !LineParser(std::move(tokens), vocabulary).parse(step, error)) {
            out.error = ParseError{number, error};
            return out;
        }
        out.steps.push_back(std::move(step));
    }
    return out;
}

std::optional<std::pair<Twips, Twips>> resolvePoint(const Screen* screen, const Point& p, std::string& why) {
    if (p.kind == Point::At) return std::make_pair(p.x, p.y);
    if (!screen) {
        why = "no loaded screen";
        return std::nullopt;
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

FileResult runFile(const std::string& path, const DriverFactory& makeDriver, const Vocabulary& vocabulary) {
    FileResult result;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.unreadable = true;
        result.message = "ERROR " + path + ": cannot be read";
        return result;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    Parsed parsed = parse(buffer.str(), vocabulary);
    if (parsed.error) {
        result.unreadable = true;
        result.message = "ERROR " + path + ":" + std::to_string(parsed.error->line) + ": " + parsed.error->message;
        return result;
    }
    std::unique_ptr<Driver> driver = makeDriver();
    Runner runner(*driver);
    for (const Step& step : parsed.steps) {
        std::string failure = runner.run(step);
        if (failure.empty() && driver->navigator().loadedCount() > 1)
            failure = "expected at most one loaded screen found " + std::to_string(driver->navigator().loadedCount());
        if (!failure.empty()) {
            result.message = "FAIL " + path + ":" + std::to_string(step.line) + ": " + step.source + " -- " + failure;
            return result;
        }
    }
    result.passed = true;
    result.message = "PASS " + path;
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
