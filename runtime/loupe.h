// SPDX-License-Identifier: GPL-3.0-or-later
// The loupe: when the pointer rests on a word label (a label the pupil
// drags) for half a second, the label's words are shown larger in a bubble
// above it, and hidden again as soon as the pointer leaves the label or a
// drag begins.
//
// The course keeps the time here, so that every host behaves alike: the
// Navigator tells the loupe which label lies under the pointer after each
// event and how much time has passed when the host reports it
// (Course::timePassed); the host only shows the bubble it is told of
// (HostPlatform::loupeChanged) and reports the time it was asked to wait for
// (HostPlatform::wakeAfter).
#pragma once

#include <optional>

#include "runtime/host_platform.h"

namespace nizam {

// How long the pointer rests on a label before its loupe shows, in milliseconds.
constexpr int kLoupeRestMs = 500;

// A label whose words the loupe shows: a visible image the pupil can drag,
// holding a picture.
bool isWordLabel(const Screen& screen, ControlId id);

class Loupe {
public:
    // The word label under the pointer now, or none. Another label than
    // before hides the bubble and starts a new rest; the same label keeps
    // the rest already counted (a trembling hand does not start it again).
    // Returns the milliseconds to wait for when a new rest begins.
    std::optional<int> over(std::optional<ControlId> label);
    // Time has passed. Returns the milliseconds still to wait for when the
    // rest is not over yet (the host's timer came early).
    std::optional<int> elapse(int ms);
    // Hidden, and no rest counted: a drag began, or the page went.
    void hide() { *this = Loupe{}; }

    // The label whose bubble is shown, if any.
    std::optional<ControlId> shown() const { return shown_ ? label_ : std::nullopt; }
    // The label the pointer rests on, shown or not.
    std::optional<ControlId> resting() const { return label_; }

private:
    std::optional<ControlId> label_;
    int rested_ = 0;
    bool shown_ = false;
};

// Where the bubble stands, in window pixels. It stands above the label with
// at least `gap` pixels between them, centred on it; below it where the
// window has no room above; and shifted sideways to stay `margin` pixels
// inside the window. A bubble larger than the window is kept at its top left.
struct LoupeBox {
    double x = 0, y = 0, width = 0, height = 0;
};
struct LoupePlacement {
    LoupeBox bubble;
    bool below = false;   // the bubble stands below the label
    double pointerX = 0;  // where its pointer towards the label meets its edge
};
constexpr double kLoupeGap = 18;
LoupePlacement placeLoupe(const LoupeBox& label, double bubbleWidth, double bubbleHeight, double windowWidth,
                          double windowHeight, double gap = kLoupeGap, double margin = 4);

}  // namespace nizam
