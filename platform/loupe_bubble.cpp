// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/loupe_bubble.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "runtime/screen.h"

namespace nizam::platform {

namespace {
// The course's ink and paper: the dark blue of its headings on white.
const QColor kInk(0x22, 0x38, 0x4f);
constexpr double kPadding = 8;     // between the bubble's edge and the card
constexpr double kBorder = 2;
constexpr double kPointerHeight = 10;  // stands in the gap between the bubble and the label
constexpr double kPointerHalfWidth = 8;
}  // namespace

std::optional<LoupeBubble> layoutLoupe(const PageCanvas& canvas, ControlId label, QSize window, double dpr) {
    const Screen* screen = canvas.screen();
    if (!screen || !isWordLabel(*screen, label)) return std::nullopt;
    const auto shown = canvas.shownPicture(label);
    if (!shown || shown->target.isEmpty()) return std::nullopt;
    // Twice the size on the page, narrowed to what the window holds.
    const double room = std::max(1.0, window.width() - 2 * (kPadding + kBorder + 4));
    const double factor = std::min(kLoupeMagnification, room / shown->target.width());
    const QSizeF card(std::round(shown->target.width() * factor), std::round(shown->target.height() * factor));
    const double extra = 2 * (kPadding + kBorder);
    const QRectF on(shown->target);
    const LoupePlacement place = placeLoupe(LoupeBox{on.x(), on.y(), on.width(), on.height()},
                                            card.width() + extra, card.height() + extra, window.width(),
                                            window.height());
    LoupeBubble out;
    // Whole pixels, rounded away from the label so that the gap stays whole.
    const double y = place.below ? std::ceil(place.bubble.y) : std::floor(place.bubble.y);
    out.bubble = QRectF(std::round(place.bubble.x), y, place.bubble.width, place.bubble.height);
    out.picture = QRectF(out.bubble.topLeft() + QPointF(kPadding + kBorder, kPadding + kBorder), card);
    out.device = QSize(static_cast<int>(std::lround(card.width() * dpr)),
                       static_cast<int>(std::lround(card.height() * dpr)));
    out.key = shown->key;
    out.below = place.below;
    out.pointerX = place.pointerX;
    return out;
}

void paintLoupe(QPainter& p, const LoupeBubble& b, SvgAssetStore& store) {
    p.save();
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The body and its pointer towards the label, one outline.
    const QRectF r = b.bubble.adjusted(kBorder / 2, kBorder / 2, -kBorder / 2, -kBorder / 2);
    QPainterPath body;
    body.addRoundedRect(r, 6, 6);
    QPainterPath pointer;
    const double edge = b.below ? r.top() : r.bottom();
    const double tip = b.below ? edge - kPointerHeight : edge + kPointerHeight;
    pointer.moveTo(b.pointerX - kPointerHalfWidth, edge);
    pointer.lineTo(b.pointerX, tip);
    pointer.lineTo(b.pointerX + kPointerHalfWidth, edge);
    pointer.closeSubpath();
    const QPainterPath shape = body.united(pointer);
    p.fillPath(shape.translated(2, 3), QColor(0, 0, 0, 50));  // a soft shadow lifts it off the page
    p.setPen(QPen(kInk, kBorder));
    p.setBrush(Qt::white);
    p.drawPath(shape);
    // The card rendered from its drawing at the bubble's size: sharp at any scale.
    const QImage card = store.image(b.key, b.device);
    if (!card.isNull()) p.drawImage(b.picture, card);
    p.restore();
}

void paintCarriedLabel(QPainter& p, const PageCanvas& canvas, ControlId label, QPointF offset, SvgAssetStore& store) {
    const auto shown = canvas.shownPicture(label);
    if (!shown) return;
    const QImage card = store.image(shown->key, shown->device);
    if (card.isNull()) return;
    p.save();
    p.setOpacity(0.85);
    p.drawImage(QRectF(shown->target).translated(offset), card);
    p.restore();
}

}  // namespace nizam::platform
