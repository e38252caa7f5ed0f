// SPDX-License-Identifier: GPL-3.0-or-later
// The kit's look for the panels the program draws over a page (the quit
// question, the keyboard on screen): its colours, its font and its tile.
#pragma once

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>
#include <algorithm>

namespace nizam::platform::kit {

// The highlight tile and its rim, the caption ink, the toolbar strip.
inline const QColor kTileTop(0xff, 0xff, 0xff), kTileBottom(0xea, 0xf4, 0xfd), kRim(0x4f, 0x94, 0xd6);
inline const QColor kInk(0x1d, 0x35, 0x50), kStrip(0xe9, 0xee, 0xf3);

// The kit's Arabic font at a pixel size.
inline QFont kufi(double pixels, bool bold = true) {
    QFont f(QStringLiteral("Noto Kufi Arabic"));
    f.setBold(bold);
    f.setPixelSize(std::max(1, qRound(pixels)));
    return f;
}

// A rounded tile with a top-to-bottom gradient and a rim lying inside `r`.
inline void tile(QPainter& p, const QRectF& r, double radius, const QColor& top, const QColor& bottom,
                 const QColor& rim, double rimWidth) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(rim, rimWidth));
    p.setBrush(g);
    const double half = rimWidth / 2;
    p.drawRoundedRect(r.adjusted(half, half, -half, -half), radius, radius);
}

}  // namespace nizam::platform::kit
