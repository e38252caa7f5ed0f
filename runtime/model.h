// SPDX-License-Identifier: GPL-3.0-or-later
// The static description of screens and controls: what a page looks like
// at design time, before any event has changed it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nizam {

// Positions and sizes are in twips from the client area's top-left corner.
using Twips = int;
constexpr int kTwipsPerPixel = 15;

// Colours are 0x00BBGGRR; a value with the top bit set names system colour n.
using Color = std::uint32_t;
constexpr Color kWhite = 0x00FFFFFFu;
constexpr Color kBlack = 0x00000000u;
constexpr Color kSystemColorBit = 0x80000000u;
constexpr Color kWindowBackground = 0x80000005u;  // system colour 5
constexpr Color kButtonFace = 0x8000000Fu;        // system colour 15
constexpr Color kWindowText = 0x80000008u;        // system colour 8

constexpr int kPointerIcon = 99;  // MousePointer value: use the control's MouseIcon

enum class Kind { Image, CheckBox, TextBox, Label, Shape, Line, Timer, Player };
const char* kindName(Kind kind);

struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct Rect {
    Twips left = 0, top = 0, width = 0, height = 0;
    bool contains(Twips x, Twips y) const {
        return x >= left && y >= top && x < left + width && y < top + height;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Font {
    std::string name;
    double size = 0;
    bool bold = false;
    int charset = 0;  // 178 Arabic, 0 Western
    friend bool operator==(const Font&, const Font&) = default;
};

// Shape border styles.
enum BorderStyle { kBorderSolid = 1, kBorderDotted = 3, kBorderInsideSolid = 6 };

// One control of a screen as designed. Optional properties that are absent
// take their kind's default; the inventories state only what differs.
struct ControlDef {
    std::string name;
    std::optional<int> index;
    Kind kind = Kind::Image;
    Rect rect;                       // not used by Line and Timer
    Twips x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Line end points

    std::optional<PixelSize> picture;    // Image: declared pixel size of its picture
    std::optional<PixelSize> mouseIcon;  // pointer icon for MousePointer 99
    bool stretch = false;
    int mousePointer = 0;
    int dragMode = 0;
    bool visible = true;
    int value = 0;
    std::optional<Color> backColor;
    std::optional<Color> foreColor;
    std::optional<Color> borderColor;
    std::optional<int> tabIndex;
    std::optional<int> alignment;
    std::optional<int> borderStyle;
    std::optional<int> borderWidth;
    std::optional<int> backStyle;
    std::optional<Font> font;
    std::optional<std::string> caption;
    std::optional<int> interval;

    // Fluent setters so that a screen's inventory reads like a table.
    ControlDef& pic(int w, int h) { picture = PixelSize{w, h}; return *this; }
    ControlDef& pointerIcon() { mouseIcon = PixelSize{32, 32}; return *this; }
    ControlDef& stretched() { stretch = true; return *this; }
    ControlDef& draggable() { dragMode = 1; return *this; }
    ControlDef& pointer(int p) { mousePointer = p; return *this; }
    ControlDef& hidden() { visible = false; return *this; }
    ControlDef& back(Color c) { backColor = c; return *this; }
    ControlDef& fore(Color c) { foreColor = c; return *this; }
    ControlDef& border(Color c) { borderColor = c; return *this; }
    ControlDef& tab(int t) { tabIndex = t; return *this; }
    ControlDef& align(int a) { alignment = a; return *this; }
    ControlDef& style(int s) { borderStyle = s; return *this; }
    ControlDef& borderW(int w) { borderWidth = w; return *this; }
    ControlDef& opaque() { backStyle = 1; return *this; }
    ControlDef& withFont(Font f) { font = std::move(f); return *this; }
    ControlDef& text(std::string c) { caption = std::move(c); return *this; }
    ControlDef& every(int ms) { interval = ms; return *this; }

    bool takesPointer() const;
    // "Image1(4)" or "Check1": the name by which scenarios and messages refer to it.
    std::string displayName() const;
};

// Control constructors in inventory column order: Left, Top, Width, Height.
ControlDef image(std::string name, Twips l, Twips t, Twips w, Twips h);
ControlDef image(std::string name, int index, Twips l, Twips t, Twips w, Twips h);
ControlDef checkBox(std::string name, Twips l, Twips t, Twips w, Twips h);
ControlDef checkBox(std::string name, int index, Twips l, Twips t, Twips w, Twips h);
ControlDef textBox(std::string name, Twips l, Twips t, Twips w, Twips h);
ControlDef label(std::string name, Twips l, Twips t, Twips w, Twips h);
ControlDef label(std::string name, int index, Twips l, Twips t, Twips w, Twips h);
ControlDef shape(std::string name, Twips l, Twips t, Twips w, Twips h);
ControlDef shape(std::string name, int index, Twips l, Twips t, Twips w, Twips h);
ControlDef line(std::string name, Twips x1, Twips y1, Twips x2, Twips y2);
ControlDef timer(std::string name);
ControlDef player(std::string name, Twips l, Twips t, Twips w, Twips h);

struct ScreenDef {
    std::string name;
    std::string caption;
    Color backColor = kWhite;
    Twips clientWidth = 15360;
    Twips clientHeight = 11520;
    bool hasIcon = false;
    std::vector<ControlDef> controls;  // front-most first

    std::string iconKey() const { return name + "_Icon"; }
    // Index into `controls`, or nullopt when the screen has no such control.
    std::optional<int> find(std::string_view control, std::optional<int> index) const;
};

// Asset key of a control's picture-valued property: <screen>_<control>[_<index>]_<property>.
std::string assetKey(const ScreenDef& screen, const ControlDef& control, std::string_view property);

// Parses "Image1(4)" or "Check1" into name and index; nullopt when malformed.
struct ControlName {
    std::string name;
    std::optional<int> index;
};
std::optional<ControlName> parseControlName(std::string_view text);

}  // namespace nizam
