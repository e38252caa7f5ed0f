// SPDX-License-Identifier: GPL-3.0-or-later
// A page as the program knows it: its definition, its handlers and the facts
// every other part of the program reads from it (its title, its toolbar, the
// controls that navigate, the animations it plays). Nothing of a page is
// written anywhere else: the navigation table, the window titles and the
// animation checks are derived from these descriptors.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "media/programs.h"
#include "runtime/logic.h"

namespace nizam {

enum class NavAction { GoTo, Quit };

// A control other than a toolbar button whose click navigates: a menu entry,
// or a highlight that sticks out of its hot-spot and takes the click there.
struct Link {
    std::string_view control;
    std::optional<int> index = {};  // the array index, none for a single control
    NavAction action = NavAction::GoTo;
    std::string_view target = {};  // the screen a Go to leads to; empty for Quit
};

// The buttons of a page's toolbar, each a hot-spot Image1(index). The shared
// toolbar binds their clicks: quit, the page's check and reset, going on,
// back or to a menu, the print button (which prints nothing) and the
// calculator.
struct Toolbar {
    // A button that goes to a page; none where index is kNoIndex.
    struct To {
        int index = kNoIndex;
        std::string_view target = {};
        explicit operator bool() const { return index != kNoIndex; }
    };
    std::optional<int> quit = {}, check = {}, reset = {};
    To next = {}, back = {}, menu = {};
    std::optional<int> print = {}, calculator = {};
    // The question mark that covers the button going on (next, or the menu
    // button where the page has no next) until the page is right; empty on a
    // page that is never gated.
    std::string_view gate = "Image20";
};

// A drag label that an answer key relies on, with the text its card must carry.
struct LabelText {
    std::string_view control;  // the label array, e.g. "Image3"
    int index = 0;
    std::string_view text;
};

// What a page must show for the pupil to copy or to recognise: the texts its
// pictures must print exactly as the answer key spells them (a name the pupil
// types, a code), and the texts of the drag labels the key names by index.
// Both are checked against the art by the desktop tests.
struct AnswerTexts {
    std::vector<std::string_view> shown = {};
    std::vector<LabelText> labels = {};
};

// The slot or cell drawn around a drop target, in twips of the client area:
// a label released anywhere in it drops onto the target (see
// ScreenLogic::catchArea). A target without one catches within its own
// rectangle grown by kCatchMargin.
struct CatchArea {
    std::string_view control;  // the target array, e.g. "Image4"
    int index = 0;
    Rect area;
};

// What the check and reset buttons do on this page.
using PageAction = void (*)(Screen& screen);

// A page's descriptor. Its fields are given by name, in this order.
struct ScreenModule {
    const ScreenDef& def;
    void (*bind)(ScreenLogic& logic);  // the page's own handlers
    std::string_view title = {};       // the heading the page shows, for the window's title bar
    Toolbar toolbar = {};
    std::vector<Link> links = {};
    std::vector<Animation> animations = {};
    PageAction check = nullptr;
    PageAction reset = nullptr;
    AnswerTexts answers = {};
    std::vector<CatchArea> catchAreas = {};
};

// Binds a whole page: the animations that play on opening, the page's own
// handlers, then its toolbar and links.
void attachPage(const ScreenModule& module, ScreenLogic& logic);

// Every navigation the page declares, toolbar first (quit, next, back,
// menu), then its links in their order.
std::vector<Link> pageEdges(const ScreenModule& module);

}  // namespace nizam
