// SPDX-License-Identifier: GPL-3.0-or-later
// The on-screen keyboard's keys and where they stand: which key is where on
// each of its two layers (the Arabic letters, and the signs of a formula),
// the panel's size for a window, the edge it takes so that the focused text
// box stays in sight, and whether the system already has an Arabic keyboard
// layout. Plain sums, shared by the panel that draws the keys, the scenario
// runner that presses them and the tests.
#pragma once

#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nizam::platform {

enum class OskAction {
    Type,       // types its text
    Backspace,  // deletes the character before the caret
    Layer,      // switches between the letters and the signs
    Hide,       // hides the panel
};

enum class OskLayer { Letters, Signs };

struct OskKey {
    OskAction action = OskAction::Type;
    QString text;   // what a Type key types (a space for the space bar)
    QString name;   // the key's name in scenario files: its text, or space, backspace, layer, hide
    QString caption;  // what is written on it
    QRectF rect;    // in the panel's own pixels
};

struct OskLayout {
    QSizeF panel;              // the panel's size in window pixels
    std::vector<OskKey> keys;  // right to left, top to bottom
    double keyHeight = 0;
};

// The smallest key side a child's finger is sure to hit, in window pixels.
inline constexpr double kOskMinKey = 44;

// The keys of `layer` laid out for a window of `window` pixels: twelve
// columns, five rows, the keys as large as the window allows a panel that
// leaves the page's upper or lower half in sight and, where the window is
// wide enough, the `clearLeft` pixels at its left (the keyboard's tab) free.
OskLayout layoutKeyboard(QSize window, OskLayer layer, double clearLeft = 0);

// Where the panel stands in the window: at the bottom when that leaves the
// focused box (window pixels) uncovered, at the top when that does, else at
// the edge that covers less of it. No box: at the bottom. It stands in the
// middle, or right of the `clearLeft` pixels when the middle would reach them.
QRectF placeKeyboard(QSize window, QSizeF panel, const std::optional<QRectF>& box, double clearLeft = 0);

// The key of `layer` a scenario names (its character, or space, backspace,
// layer, hide), or none.
std::optional<OskKey> findKey(const OskLayout& layout, const QString& name);

// Whether an X keyboard's layouts and their variants (the layout and variant
// fields of the root window's _XKB_RULES_NAMES, comma-separated lists such
// as "fr,ara" and ",azerty") hold an Arabic layout: "ara" in any variant, or
// the Arabic layouts named after a country (Iraq, Syria, Morocco, Tunisia)
// in their default variant.
bool hasArabicLayout(std::string_view layouts, std::string_view variants = {});

// The system's keyboard layouts and variants on X11, or nothing where they
// cannot be read (another platform, no XKB names on the root window).
struct KeyboardLayouts {
    std::string layouts, variants;
};
std::optional<KeyboardLayouts> systemKeyboardLayouts();

// Whether the keyboard comes up by itself at start: where the system has no
// Arabic layout, or where it cannot tell.
bool keyboardOnByDefault();

}  // namespace nizam::platform
