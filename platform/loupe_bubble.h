// SPDX-License-Identifier: GPL-3.0-or-later
// What the window draws for a word label besides the page itself: the
// loupe's bubble, which shows the label's own card twice as large above it
// (placed by runtime/loupe.h), and the label carried under the pointer while
// it is dragged, at its full size.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>

#include "platform/page_canvas.h"
#include "platform/svg_asset_store.h"
#include "runtime/loupe.h"

namespace nizam::platform {

// How much larger than on the page the loupe shows a label.
constexpr double kLoupeMagnification = 2.0;

struct LoupeBubble {
    QRectF bubble;   // the bubble's body, in window pixels
    QRectF picture;  // the card inside it
    QSize device;    // the card's size in device pixels, rendered from its drawing
    std::string key;
    bool below = false;  // the bubble stands below the label, its pointer upwards
    double pointerX = 0;
};

// Where the bubble of `label` stands in a window of `window` size, with the
// card drawn as large as the window allows (up to kLoupeMagnification);
// nothing for a control that is not a word label on show.
std::optional<LoupeBubble> layoutLoupe(const PageCanvas& canvas, ControlId label, QSize window, double dpr);
void paintLoupe(QPainter& p, const LoupeBubble& bubble, SvgAssetStore& store);

// The dragged label's card drawn `offset` window pixels from its place (its
// full size on the page, moved with the pointer), a little transparent so the
// slot below it shows.
void paintCarriedLabel(QPainter& p, const PageCanvas& canvas, ControlId label, QPointF offset, SvgAssetStore& store);

}  // namespace nizam::platform
