// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/model.h"

#include <charconv>

namespace nizam {

const char* kindName(Kind kind) {
    switch (kind) {
        case Kind::Image: return "Image";
        case Kind::CheckBox: return "CheckBox";
        case Kind::TextBox: return "TextBox";
        case Kind::Label: return "Label";
        case Kind::Shape: return "Shape";
        case Kind::Line: return "Line";
        case Kind::Timer: return "Timer";
        case Kind::Player: return "Player";
    }
    return "?";
}

bool ControlDef::takesPointer() const {
    switch (kind) {
        case Kind::Image:
        case Kind::Label:
        case Kind::CheckBox:
        case Kind::TextBox:
        case Kind::Player:
            return true;
        case Kind::Shape:
        case Kind::Line:
        case Kind::Timer:
            return false;
    }
    return false;
}

std::string ControlDef::displayName() const {
    if (!index) return name;
    return name + "(" + std::to_string(*index) + ")";
}

namespace {
ControlDef make(Kind kind, std::string name, std::optional<int> index, Twips l, Twips t, Twips w,
                Twips h) {
    ControlDef c;
    c.kind = kind;
    c.name = std::move(name);
    c.index = index;
    c.rect = Rect{l, t, w, h};
    return c;
}
}  // namespace

ControlDef image(std::string name, Twips l, Twips t, Twips w, Twips h) {
    return make(Kind::Image, std::move(name), std::nullopt, l, t, w, h);
}
ControlDef image(std::string name, int index, Twips l, Twips t, Twips w, Twips h) {
    return make(Kind::Image, std::move(name), index, l, t, w, h);
}
ControlDef checkBox(std::string name, Twips l, Twips t, Twips w, Twips h) {
    return make(Kind::CheckBox, std::move(name), std::nullopt, l, t, w, h);
}
ControlDef checkBox(std::string name, int index, Twips l, Twips t, Twips w, Twips h) {
    return make(Kind::CheckBox, std::move(name), index, l, t, w, h);
}
ControlDef textBox(std::string name, Twips l, Twips t, Twips w, Twips h) {
    return make(Kind::TextBox, std::move(name), std::nullopt, l, t, w, h);
}
ControlDef label(std::string name, Twips l, Twips t, Twips w, Twips h) {
    return make(Kind::Label, std::move(name), std::nullopt, l, t, w, h);
}
ControlDef label(std::string name, int index, Twips l, Twips t, Twips w, Twips h) {
    return make(Kind::Label, std::move(name), index, l, t, w, h);
}
ControlDef shape(std::string name, Twips l, Twips t, Twips w, Twips h) {
    return make(Kind::Shape, std::move(name), std::nullopt, l, t, w, h);
}
ControlDef shape(std::string name, int index, Twips l, Twips t, Twips w, Twips h) {
    return make(Kind::Shape, std::move(name), index, l, t, w, h);
}
ControlDef line(std::string name, Twips x1, Twips y1, Twips x2, Twips y2) {
    ControlDef c = make(Kind::Line, std::move(name), std::nullopt, 0, 0, 0, 0);
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    return c;
}
ControlDef timer(std::string name) {
    return make(Kind::Timer, std::move(name), std::nullopt, 0, 0, 0, 0);
}
ControlDef player(std::string name, Twips l, Twips t, Twips w, Twips h) {
    return make(Kind::Player, std::move(name), std::nullopt, l, t, w, h);
}

std::optional<int> ScreenDef::find(std::string_view control, std::optional<int> index) const {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name == control && controls[i].index == index) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::string assetKey(const ScreenDef& screen, const ControlDef& control, std::string_view property) {
    std::string key = screen.name + "_" + control.name + "_";
    if (control.index) key += std::to_string(*control.index) + "_";
    key += property;
    return key;
}

std::optional<ControlName> parseControlName(std::string_view text) {
    auto isNameChar = [](char ch) {
        return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
               ch == '_';
    };
    std::size_t i = 0;
    while (i < text.size() && isNameChar(text[i])) ++i;
    if (i == 0) return std::nullopt;
    ControlName out{std::string(text.substr(0, i)), std::nullopt};
    if (i == text.size()) return out;
    if (text[i] != '(' || text.back() != ')') return std::nullopt;
    std::string_view digits = text.substr(i + 1, text.size() - i - 2);
    if (digits.empty() || digits.size() > 4) return std::nullopt;
    for (char ch : digits) {
        if (ch < '0' || ch > '9') return std::nullopt;
    }
    int value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || ptr != digits.data() + digits.size()) return std::nullopt;
    out.index = value;
    return out;
}

}  // namespace nizam
