// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/keys_from.h"

#include <algorithm>
#include <vector>

namespace nizam::scenario {

namespace {

class Turner {
public:
    Turner(Driver& driver, std::string& out) : d_(driver), out_(out) {}

    // One step; "" or why it cannot be done by keys.
    std::string turn(const Step& s) {
        if (s.verb == "move") return "";  // the pointer's own: no key moves it
        if (s.verb == "doubleclick") return "a double-click has no key";
        if (s.verb == "click") return click(s.points[0]);
        if (s.verb == "drag") return drag(s.points[0], s.points[1]);
        if (s.verb == "type" || s.verb == "clear") {
            const Screen* screen = nav().current();
            if (!screen) return "no screen is loaded";
            const auto id = screen->findQuiet(s.control->name, s.control->index);
            if (!id) return "no control " + s.source;
            if (auto e = reach(*id); !e.empty()) return e;
            return keep(s);
        }
        return keep(s);
    }

private:
    Navigator& nav() { return d_.navigator(); }

    std::string name(ControlId id) { return nav().current()->control(id).displayName(); }

    // Runs a step as written and writes it out.
    std::string keep(const Step& s) {
        out_ += s.source + "\n";
        return runStep(d_, s);
    }

    std::string key(const std::string& k) {
        Step s;
        s.verb = "key";
        s.source = "key " + k;
        s.words = {k};
        return keep(s);
    }

    std::string expect(const std::string& what, ControlId id) {
        Step s;
        s.verb = "expect";
        s.what = what;
        s.control = parseControlName(name(id));
        s.source = "expect " + what + " " + name(id);
        return keep(s);
    }

    // Tab or Shift+Tab, whichever way is shorter, until `want` has the
    // focus (or, while a label is carried, the label is held over it).
    std::string walkTo(ControlId want, bool carrying) {
        auto at = [&] { return carrying ? nav().heldOver() : nav().current()->focus(); };
        if (at() == want) return "";
        const auto order = nav().keyOrder();
        const auto to = std::find(order.begin(), order.end(), want);
        if (to == order.end())
            return name(want) + (carrying ? " takes no drop by keys" : " cannot be reached by keys");
        const auto n = static_cast<long>(order.size());
        const auto from = at() ? std::find(order.begin(), order.end(), *at()) : order.end();
        bool forward = true;
        if (from != order.end()) {
            const long ahead = ((to - order.begin()) - (from - order.begin()) + n) % n;
            forward = ahead <= n - ahead;
        }
        for (long i = 0; i <= n + 1 && at() != want; ++i) {
            if (auto e = key(forward ? "Tab" : "Backtab"); !e.empty()) return e;
            if (!nav().current()) return "the page went away on the way to " + name(want);
        }
        if (at() != want) return "the keys never reached " + name(want);
        return "";
    }

    std::string reach(ControlId id) {
        if (auto e = walkTo(id, false); !e.empty()) return e;
        return expect("focus", id);
    }

    std::optional<std::pair<Twips, Twips>> at(const Point& p, std::string& why) {
        if (p.kind == Point::Question) {
            why = "the quit question's buttons are answered by keys in their own file";
            return std::nullopt;
        }
        return resolvePoint(nav().current(), p, why);
    }

    std::string click(const Point& p) {
        std::string why;
        const auto xy = at(p, why);
        if (!xy) return why;
        const auto id = nav().current()->hitTest(xy->first, xy->second);
        if (!id) return "nothing is there to press";
        if (auto e = reach(*id); !e.empty()) return e;
        // A text box clicked only takes the focus.
        if (nav().current()->control(*id).kind == Kind::TextBox) return "";
        return key("Space");
    }

    std::string drag(const Point& a, const Point& b) {
        std::string why;
        const auto from = at(a, why);
        if (!from) return why;
        const auto to = at(b, why);
        if (!to) return why;
        const auto label = nav().current()->hitTest(from->first, from->second);
        if (!label) return "no label is there to pick up";
        const auto target = nav().dropTargetAt(to->first, to->second);
        if (auto e = reach(*label); !e.empty()) return e;
        if (auto e = key("Space"); !e.empty()) return e;
        if (!nav().carried()) return name(*label) + " is not carried by keys";
        // Where the release would drop nothing, Escape puts the label back.
        if (!target || std::find(nav().keyOrder().begin(), nav().keyOrder().end(), *target) == nav().keyOrder().end())
            return key("Escape");
        if (auto e = walkTo(*target, true); !e.empty()) return e;
        if (auto e = expect("held", *target); !e.empty()) return e;
        return key("Space");
    }

    Driver& d_;
    std::string& out_;
};

// Runs of the same key written as one step with its count, for a reader.
std::string folded(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 1;
    }
    std::string out;
    for (std::size_t i = 0; i < lines.size();) {
        std::size_t j = i;
        while (j < lines.size() && lines[j] == lines[i]) ++j;
        if (lines[i].rfind("key ", 0) == 0 && j - i >= 2) {
            out += lines[i] + " " + std::to_string(j - i) + "\n";
        } else {
            for (std::size_t k = i; k < j; ++k) out += lines[k] + "\n";
        }
        i = j;
    }
    return out;
}

}  // namespace

int keysFrom(const std::string& path, const DriverFactory& makeDriver, const Vocabulary& vocabulary,
             std::string& out, std::string& why) {
    std::string text;
    if (!readScenarioFile(path, text, why)) {
        why = path + ": " + why;
        return 2;
    }
    Parsed parsed = parse(text, vocabulary);
    if (parsed.error) {
        why = path + ":" + std::to_string(parsed.error->line) + ": " + parsed.error->message;
        return 2;
    }
    std::unique_ptr<Driver> driver = makeDriver();
    Turner turner(*driver, out);
    for (const Step& step : parsed.steps) {
        if (std::string failure = turner.turn(step); !failure.empty()) {
            why = path + ":" + std::to_string(step.line) + ": " + excerpt(step.source, 120) + " -- " + failure;
            return 1;
        }
    }
    out = folded(out);
    return 0;
}

}  // namespace nizam::scenario
