#include "app/navigation.h"

#include <algorithm>

namespace nizam {

namespace {

constexpr NavAction Quit = NavAction::Quit;
constexpr NavAction GoTo = NavAction::GoTo;

// One row per button. On most pages Image1(1) is the close mark, Image1(4)
// leads on and Image1(6) back; the exceptions are written as they are. Two
// highlights take the click of their hot-spot where they stick out of it:
// Form13 Image2(2) and Form6 Image2(4). Form12 is reached by no button.
constexpr NavEdge kTable[] = {
    {"Form2", "Image1", 1, Quit, {}},
    {"Form2", "Image1", 2, GoTo, "Form1"},
    {"Form1", "Image3", {}, Quit, {}},
    {"Form1", "Image1", 0, GoTo, "Form13"},
    {"Form1", "Image1", 1, GoTo, "Form37"},
    {"Form1", "Image1", 2, GoTo, "Form41"},
    {"Form1", "Image1", 3, GoTo, "Form15"},
    {"Form1", "Image1", 4, GoTo, "Form14"},
    {"Form1", "Image1", 5, GoTo, "Form16"},
    {"Form1", "Image1", 6, GoTo, "Form3"},
    {"Form1", "Image1", 7, GoTo, "Form22"},
    {"Form1", "Image1", 8, GoTo, "Form25"},
    {"Form13", "Image1", 1, Quit, {}},
    {"Form13", "Image1", 2, GoTo, "Form1"},
    {"Form13", "Image2", 2, GoTo, "Form1"},
    {"Form41", "Image1", 1, Quit, {}},
    {"Form41", "Image1", 2, GoTo, "Form1"},
    {"Form12", "Image1", 1, Quit, {}},
    {"Form12", "Image1", 4, GoTo, "Form3"},
    {"Form12", "Image1", 6, GoTo, "Form1"},
    {"Form12", "Image1", 7, GoTo, "Form10"},
    {"Form3", "Image1", 1, Quit, {}},
    {"Form3", "Image1", 4, GoTo, "Form4"},
    {"Form4", "Image1", 1, Quit, {}},
    {"Form4", "Image1", 2, GoTo, "Form3"},
    {"Form4", "Image1", 3, GoTo, "Form22"},
    {"Form22", "Image1", 1, Quit, {}},
    {"Form22", "Image1", 4, GoTo, "Form23"},
    {"Form22", "Image1", 6, GoTo, "Form3"},
    {"Form23", "Image1", 1, Quit, {}},
    {"Form23", "Image1", 4, GoTo, "Form5"},
    {"Form23", "Image1", 6, GoTo, "Form22"},
    {"Form5", "Image1", 1, Quit, {}},
    {"Form5", "Image1", 4, GoTo, "Form24"},
    {"Form5", "Image1", 6, GoTo, "Form23"},
    {"Form24", "Image1", 1, Quit, {}},
    {"Form24", "Image1", 4, GoTo, "Form1"},
    {"Form24", "Image1", 6, GoTo, "Form5"},
    {"Form25", "Image1", 1, Quit, {}},
    {"Form25", "Image1", 4, GoTo, "Form1"},
    {"Form25", "Image1", 6, GoTo, "Form26"},
    {"Form26", "Image1", 1, Quit, {}},
    {"Form26", "Image1", 4, GoTo, "Form25"},
    {"Form26", "Image1", 6, GoTo, "Form27"},
    {"Form27", "Image1", 1, Quit, {}},
    {"Form27", "Image1", 4, GoTo, "Form26"},
    {"Form27", "Image1", 6, GoTo, "Form28"},
    {"Form28", "Image1", 1, Quit, {}},
    {"Form28", "Image1", 4, GoTo, "Form29"},
    {"Form28", "Image1", 6, GoTo, "Form27"},
    {"Form29", "Image1", 1, Quit, {}},
    {"Form29", "Image1", 4, GoTo, "Form1"},
    {"Form29", "Image1", 6, GoTo, "Form28"},
    {"Form15", "Image1", 1, Quit, {}},
    {"Form15", "Image1", 2, GoTo, "Form1"},
    {"Form15", "Image1", 3, GoTo, "Form6"},
    {"Form6", "Image1", 1, Quit, {}},
    {"Form6", "Image1", 4, GoTo, "Form7"},
    {"Form6", "Image2", 4, GoTo, "Form7"},
    {"Form6", "Image1", 6, GoTo, "Form15"},
    {"Form7", "Image1", 1, Quit, {}},
    {"Form7", "Image1", 4, GoTo, "Form8"},
    {"Form7", "Image1", 6, GoTo, "Form6"},
    {"Form8", "Image1", 1, Quit, {}},
    {"Form8", "Image1", 4, GoTo, "Form9"},
    {"Form8", "Image1", 6, GoTo, "Form7"},
    {"Form9", "Image1", 1, Quit, {}},
    {"Form9", "Image1", 4, GoTo, "Form10"},
    {"Form9", "Image1", 6, GoTo, "Form8"},
    {"Form10", "Image1", 1, Quit, {}},
    {"Form10", "Image1", 4, GoTo, "Form11"},
    {"Form10", "Image1", 7, GoTo, "Form9"},
    {"Form11", "Image1", 1, Quit, {}},
    {"Form11", "Image1", 4, GoTo, "Form1"},
    {"Form11", "Image1", 6, GoTo, "Form10"},
    {"Form14", "Image1", 1, Quit, {}},
    {"Form14", "Image1", 2, GoTo, "Form1"},
    {"Form14", "Image1", 3, GoTo, "Form17"},
    {"Form17", "Image1", 1, Quit, {}},
    {"Form17", "Image1", 4, GoTo, "Form18"},
    {"Form17", "Image1", 6, GoTo, "Form14"},
    {"Form17", "Image1", 7, GoTo, "Form14"},
    {"Form18", "Image1", 1, Quit, {}},
    {"Form18", "Image1", 4, GoTo, "Form19"},
    {"Form18", "Image1", 6, GoTo, "Form1"},
    {"Form18", "Image1", 7, GoTo, "Form17"},
    {"Form19", "Image1", 1, Quit, {}},
    {"Form19", "Image1", 4, GoTo, "Form20"},
    {"Form19", "Image1", 6, GoTo, "Form1"},
    {"Form19", "Image1", 7, GoTo, "Form18"},
    {"Form20", "Image1", 1, Quit, {}},
    {"Form20", "Image1", 4, GoTo, "Form21"},
    {"Form20", "Image1", 6, GoTo, "Form1"},
    {"Form20", "Image1", 7, GoTo, "Form19"},
    {"Form21", "Image1", 1, Quit, {}},
    {"Form21", "Image1", 4, GoTo, "Form1"},
    {"Form21", "Image1", 6, GoTo, "Form20"},
    {"Form16", "Image1", 1, Quit, {}},
    {"Form16", "Image1", 2, GoTo, "Form1"},
    {"Form16", "Image1", 3, GoTo, "Form30"},
    {"Form30", "Image1", 1, Quit, {}},
    {"Form30", "Image1", 4, GoTo, "Form31"},
    {"Form30", "Image1", 6, GoTo, "Form1"},
    {"Form31", "Image1", 1, Quit, {}},
    {"Form31", "Image1", 4, GoTo, "Form32"},
    {"Form31", "Image1", 6, GoTo, "Form30"},
    {"Form32", "Image1", 1, Quit, {}},
    {"Form32", "Image1", 4, GoTo, "Form33"},
    {"Form32", "Image1", 6, GoTo, "Form31"},
    {"Form33", "Image1", 1, Quit, {}},
    {"Form33", "Image1", 4, GoTo, "Form34"},
    {"Form33", "Image1", 6, GoTo, "Form32"},
    {"Form34", "Image1", 1, Quit, {}},
    {"Form34", "Image1", 2, GoTo, "Form33"},
    {"Form34", "Image1", 3, GoTo, "Form35"},
    {"Form35", "Image1", 1, Quit, {}},
    {"Form35", "Image1", 4, GoTo, "Form36"},
    {"Form35", "Image1", 6, GoTo, "Form34"},
    {"Form36", "Image1", 1, Quit, {}},
    {"Form36", "Image1", 4, GoTo, "Form1"},
    {"Form36", "Image1", 6, GoTo, "Form35"},
    {"Form37", "Image1", 1, Quit, {}},
    {"Form37", "Image1", 4, GoTo, "Form38"},
    {"Form37", "Image1", 6, GoTo, "Form1"},
    {"Form38", "Image1", 1, Quit, {}},
    {"Form38", "Image1", 4, GoTo, "Form39"},
    {"Form38", "Image1", 6, GoTo, "Form37"},
    {"Form39", "Image1", 1, Quit, {}},
    {"Form39", "Image1", 4, GoTo, "Form40"},
    {"Form39", "Image1", 6, GoTo, "Form38"},
    {"Form40", "Image1", 1, Quit, {}},
    {"Form40", "Image1", 4, GoTo, "Form1"},
    {"Form40", "Image1", 6, GoTo, "Form39"},
};

}  // namespace

std::string NavEdge::controlName() const {
    std::string out(control);
    if (index) out += "(" + std::to_string(*index) + ")";
    return out;
}

std::span<const NavEdge> navigationTable() { return kTable; }

std::vector<NavEdge> navigationFrom(std::string_view screen) {
    std::vector<NavEdge> out;
    for (const NavEdge& e : kTable) {
        if (e.screen == screen) out.push_back(e);
    }
    return out;
}

std::vector<std::string> navigationTargets(std::string_view screen) {
    std::vector<std::string> out;
    for (const NavEdge& e : kTable) {
        if (e.screen != screen || e.action != NavAction::GoTo) continue;
        if (std::find(out.begin(), out.end(), e.target) == out.end()) out.emplace_back(e.target);
    }
    return out;
}

}  // namespace nizam
