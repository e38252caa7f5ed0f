// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/dump.h"

#include <cstdio>
#include <sstream>

#include "app/page_titles.h"
#include "runtime/layout.h"

namespace nizam::scenario {

namespace {

std::string quote(const std::string& s) {
    std::string out = "\"";
    for (unsigned char ch : s) {
        switch (ch) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (ch < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", ch);
                    out += buf;
                } else {
                    out += static_cast<char>(ch);
                }
        }
    }
    return out + "\"";
}

std::string number(double v) {
    std::ostringstream o;
    o << v;
    return o.str();
}

class Props {
public:
    template <class T>
    void add(const char* name, const T& value) {
        if (!first_) out_ << ", ";
        first_ = false;
        out_ << quote(name) << ": " << value;
    }
    std::string str() const { return "{" + out_.str() + "}"; }

private:
    std::ostringstream out_;
    bool first_ = true;
};

std::string picture(const ScreenDef& s, const ControlDef& c, const char* property, PixelSize declared,
                    const AssetStore* store) {
    std::string key = assetKey(s, c, property);
    std::ostringstream o;
    o << "{\"key\": " << quote(key);
    std::optional<PixelSize> size = store ? store->pictureSize(key) : std::optional<PixelSize>(declared);
    if (size)
        o << ", \"width\": " << size->width << ", \"height\": " << size->height;
    else
        o << ", \"width\": null, \"height\": null";
    return o.str() + "}";
}

// Design values that differ from the control kind's defaults.
std::string props(const ScreenDef& s, const ControlDef& c, const AssetStore* store) {
    Props p;
    if (c.picture) p.add("Picture", picture(s, c, "Picture", *c.picture, store));
    if (c.stretch) p.add("Stretch", "true");
    if (c.mousePointer != 0) p.add("MousePointer", c.mousePointer);
    if (c.mouseIcon) p.add("MouseIcon", picture(s, c, "MouseIcon", *c.mouseIcon, store));
    if (c.dragMode != 0) p.add("DragMode", c.dragMode);
    if (!c.visible) p.add("Visible", "false");
    if (c.value != 0) p.add("Value", c.value);
    if (c.backColor) p.add("BackColor", *c.backColor);
    if (c.foreColor) p.add("ForeColor", *c.foreColor);
    if (c.tabIndex) p.add("TabIndex", *c.tabIndex);
    if (c.alignment) p.add("Alignment", *c.alignment);
    if (c.font) {
        std::string f = "{\"name\": " + quote(c.font->name) + ", \"size\": " + number(c.font->size) +
                        ", \"bold\": " + (c.font->bold ? "true" : "false") +
                        ", \"charset\": " + std::to_string(c.font->charset) + "}";
        p.add("Font", f);
    }
    if (c.caption) p.add("Caption", quote(*c.caption));
    if (c.borderColor && *c.borderColor != kBlack) p.add("BorderColor", *c.borderColor);
    if (c.borderStyle && *c.borderStyle != kBorderSolid) p.add("BorderStyle", *c.borderStyle);
    if (c.borderWidth && *c.borderWidth != 1) p.add("BorderWidth", *c.borderWidth);
    if (c.backStyle && *c.backStyle != 0) p.add("BackStyle", *c.backStyle);
    if (c.interval) p.add("Interval", *c.interval);
    return p.str();
}

std::string control(const ScreenDef& s, const ControlDef& c, const AssetStore* store) {
    std::ostringstream o;
    o << "{\"name\": " << quote(c.name) << ", \"index\": " << (c.index ? std::to_string(*c.index) : "null")
      << ", \"kind\": " << quote(kindName(c.kind));
    if (c.kind == Kind::Line)
        o << ", \"x1\": " << c.x1 << ", \"y1\": " << c.y1 << ", \"x2\": " << c.x2 << ", \"y2\": " << c.y2;
    else if (c.kind != Kind::Timer)
        o << ", \"left\": " << c.rect.left << ", \"top\": " << c.rect.top << ", \"width\": " << c.rect.width
          << ", \"height\": " << c.rect.height;
    o << ", \"props\": " << props(s, c, store) << "}";
    return o.str();
}

}  // namespace

std::string dumpDefinitions(const std::vector<RegistryEntry>& registry, const AssetStore* store) {
    std::ostringstream o;
    o << "{\"screens\": [";
    bool firstScreen = true;
    for (const auto& e : registry) {
        const ScreenDef& s = e.module->def;
        o << (firstScreen ? "\n" : ",\n");
        firstScreen = false;
        o << "  {\"name\": " << quote(s.name) << ", \"caption\": " << quote(s.caption)
          << ", \"windowTitle\": " << quote(windowTitle(s.name))
          << ", \"backColor\": " << s.backColor << ",\n   \"clientWidth\": " << s.clientWidth
          << ", \"clientHeight\": " << s.clientHeight
          << ", \"icon\": " << (s.hasIcon ? quote(s.iconKey()) : "null") << ",\n   \"controls\": [";
        for (std::size_t i = 0; i < s.controls.size(); ++i)
            o << (i ? ",\n     " : "\n     ") << control(s, s.controls[i], store);
        o << "]}";
    }
    o << "\n]}\n";
    return o.str();
}

std::string dumpBands(const std::vector<RegistryEntry>& registry) {
    std::ostringstream o;
    o << "{";
    bool first = true;
    for (const auto& e : registry) {
        const Rect b = contentBand(e.module->def);
        o << (first ? "\n" : ",\n") << "  " << quote(e.name) << ": [" << b.left << ", " << b.top << ", " << b.width
          << ", " << b.height << "]";
        first = false;
    }
    o << "\n}\n";
    return o.str();
}

}  // namespace nizam::scenario
