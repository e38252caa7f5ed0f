// SPDX-License-Identifier: GPL-3.0-or-later
// The question asked before quitting a page that holds the pupil's answers:
// its words, its two buttons and where they lie. The course owns the
// question (whether it is asked, which button has the keyboard); a platform
// draws it at the places given here, so a click lands on the same button on
// every host.
#pragma once

#include <optional>
#include <string_view>

#include "runtime/model.h"

namespace nizam {

enum class QuitButton { Leave, Stay };

struct QuitQuestion {
    static constexpr std::string_view kQuestion = "هل تريد الخروج؟ ستضيع إجاباتك في هذه الصفحة.";
    static constexpr std::string_view kLeave = "نعم، اخرج";
    static constexpr std::string_view kStay = "لا، أبقى";

    // The button that has the keyboard; the safe one when the question opens.
    QuitButton focus = QuitButton::Stay;
    // The button a press began on, which a release on it then presses.
    std::optional<QuitButton> pressed;

    static std::string_view caption(QuitButton b) { return b == QuitButton::Leave ? kLeave : kStay; }

    // Places in twips of a client area of the given size: the panel in its
    // middle, its two buttons side by side in its lower part, the leave
    // button at the right where a right-to-left reader starts.
    static Rect panel(Twips clientWidth, Twips clientHeight);
    static Rect button(QuitButton b, Twips clientWidth, Twips clientHeight);
    // The button at a point, if any.
    static std::optional<QuitButton> buttonAt(Twips x, Twips y, Twips clientWidth, Twips clientHeight);
};

}  // namespace nizam
