// SPDX-License-Identifier: GPL-3.0-or-later
// The page canvas: where a screen lies in the window and how it is drawn.
// Every page is drawn with its content band (runtime/layout.h) filling the
// window, its proportions kept, centred; what else of the page falls in the
// window around the band is drawn too, and nothing outside the client area.
// For pictures of the page at its design size the canvas can be put at
// scale 1 instead, the design canvas centred in the window.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QWidget>
#include <optional>
#include <string>

#include "platform/svg_asset_store.h"
#include "runtime/model.h"
#include "runtime/screen.h"

namespace nizam::platform {

// The design canvas, in design pixels: the largest client area of any page.
inline const QSizeF kDesignCanvas(15360.0 / kTwipsPerPixel, 11520.0 / kTwipsPerPixel);

// The colour of a design colour value, system colours included.
QColor toQColor(Color c);

// The size of a picture as a picture control shows it: in window pixels,
// where it is placed, and in device pixels, what is rendered for it. A
// stretched control draws its picture at its own rectangle `rect` (twips),
// any other at the picture's own `picture` size; both at the canvas `scale`.
// This one sum serves drawing and rendering ahead, so what is rendered ahead
// is what is drawn.
struct PictureSize {
    QSize window;
    QSize device;
};
PictureSize pictureSize(const ControlDef& c, const Rect& rect, PixelSize picture, double scale, double dpr);

// Whether a control's rectangle lies on the page at all: a control parked
// outside the client area is never seen.
bool onPage(const ScreenDef& d, const Rect& r);

class PageCanvas {
public:
    // Draws on `surface` (its size and pixel ratio are the canvas's) the
    // pictures of `store`.
    PageCanvas(const QWidget& surface, SvgAssetStore& store) : surface_(surface), store_(store) {}

    // The screen drawn, or nullptr between pages.
    void setScreen(const Screen* screen);
    const Screen* screen() const { return screen_; }

    // Scale 1 (design size, the design canvas centred in the window), or the
    // page's own scale filling the window (the default).
    void setDesignScale(bool on) { designScale_ = on; }
    bool designScale() const { return designScale_; }

    // Scale from design pixels to window pixels.
    double scale() const;
    // The scale page `d` is drawn at in this window.
    double scaleFor(const ScreenDef& d) const;
    // The window pixel of the client area's top left corner.
    QPointF origin() const;
    QRectF toWindow(const Rect& r) const;
    QPoint toTwips(QPointF windowPos) const;
    // The part of the screen's client area the window shows, in window
    // pixels (the whole window between pages).
    QRect clientRect() const;

    // The picture an image control of the screen shows: its key, where it is
    // drawn and at what size in device pixels; nothing for a control without
    // a picture or parked outside the page.
    struct ShownPicture {
        std::string key;
        QRect target;
        QSize device;
    };
    std::optional<ShownPicture> shownPicture(ControlId id) const;

    // The pictures of a page as they are drawn at the current scale: every
    // picture control on the page (hidden highlights and figures too). With
    // `shown`, the loaded screen of that design as it is now; without, the
    // page as it first shows.
    SvgAssetStore::Wanted picturesOf(const ScreenDef& d, const Screen* shown) const;

    // Draws the screen: the backdrop, the page's own colour, then every
    // visible drawn control from back to front (native controls and players
    // are widgets of their own). `dragOutline`, in twips, is drawn over it.
    void paint(QPainter& p, const std::optional<Rect>& dragOutline) const;

private:
    void drawImage(QPainter& p, ControlId id) const;
    void drawShape(QPainter& p, ControlId id, const ControlDef& c) const;
    void drawLine(QPainter& p, const ControlDef& c) const;
    void drawLabel(QPainter& p, ControlId id, const ControlDef& c) const;

    const QWidget& surface_;
    SvgAssetStore& store_;
    const Screen* screen_ = nullptr;
    Rect band_;  // the content band of the screen drawn, worked out once per page
    bool designScale_ = false;
};

}  // namespace nizam::platform
