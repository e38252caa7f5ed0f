// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/page_canvas.h"

#include <QPainterPath>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "platform/fonts.h"
#include "runtime/layout.h"

namespace nizam::platform {

QColor toQColor(Color c) {
    if (c & kSystemColorBit) {
        switch (c & 0xFFu) {
            case 5: return QColor(Qt::white);          // window background
            case 8: return QColor(Qt::black);          // window text
            case 15: return QColor(0xF0, 0xF0, 0xF0);  // button face
            case 18: return QColor(Qt::black);         // button text
            default: return QColor(Qt::white);
        }
    }
    return QColor(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu), static_cast<int>((c >> 16) & 0xFFu));
}

PictureSize pictureSize(const ControlDef& c, const Rect& rect, PixelSize picture, double scale, double dpr) {
    const QSizeF shown = c.stretch ? QSizeF(rect.width, rect.height) * (scale / kTwipsPerPixel)
                                   : QSizeF(picture.width, picture.height) * scale;
    const long w = std::lround(shown.width()), h = std::lround(shown.height());
    return {QSize(static_cast<int>(w), static_cast<int>(h)),
            QSize(static_cast<int>(std::lround(w * dpr)), static_cast<int>(std::lround(h * dpr)))};
}

bool onPage(const ScreenDef& d, const Rect& r) {
    return r.width > 0 && r.height > 0 && r.left < d.clientWidth && r.top < d.clientHeight &&
           r.left + r.width > 0 && r.top + r.height > 0;
}

namespace {

// Scale 1 in a window of the design canvas's size: the design canvas fitted.
double canvasScale(const QSize& window) {
    return std::min(window.width() / kDesignCanvas.width(), window.height() / kDesignCanvas.height());
}

}  // namespace

void PageCanvas::setScreen(const Screen* screen) {
    screen_ = screen;
    if (screen_) band_ = contentBand(screen_->def());
}

double PageCanvas::scale() const {
    if (!screen_) return canvasScale(surface_.size());
    return scaleFor(screen_->def());
}

double PageCanvas::scaleFor(const ScreenDef& d) const {
    if (designScale_) return canvasScale(surface_.size());
    return pageScale(d, surface_.width(), surface_.height());
}

QPointF PageCanvas::origin() const {
    if (!screen_) return {};
    const double s = scale();
    if (designScale_) {
        // The client area where the centred design canvas puts it, as the
        // design was drawn: a smaller client area lies at the canvas's middle.
        const double cw = screen_->def().clientWidth / double(kTwipsPerPixel) * s;
        const double ch = screen_->def().clientHeight / double(kTwipsPerPixel) * s;
        return {std::floor((surface_.width() - cw) / 2), std::floor((surface_.height() - ch) / 2)};
    }
    // The band's middle at the window's middle, on whole pixels so that the
    // pictures are drawn pixel for pixel.
    const double k = s / kTwipsPerPixel;
    return {std::floor(surface_.width() / 2.0 - (band_.left + band_.width / 2.0) * k),
            std::floor(surface_.height() / 2.0 - (band_.top + band_.height / 2.0) * k)};
}

QRectF PageCanvas::toWindow(const Rect& r) const {
    const double s = scale() / kTwipsPerPixel;
    const QPointF o = origin();
    return {o.x() + r.left * s, o.y() + r.top * s, r.width * s, r.height * s};
}

QPoint PageCanvas::toTwips(QPointF pos) const {
    const double s = scale();
    const QPointF o = origin();
    return {static_cast<int>(std::lround((pos.x() - o.x()) / s * kTwipsPerPixel)),
            static_cast<int>(std::lround((pos.y() - o.y()) / s * kTwipsPerPixel))};
}

QRect PageCanvas::clientRect() const {
    if (!screen_) return surface_.rect();
    return toWindow(Rect{0, 0, screen_->def().clientWidth, screen_->def().clientHeight}).toAlignedRect() &
           surface_.rect();
}

std::optional<PageCanvas::ShownPicture> PageCanvas::shownPicture(ControlId id) const {
    if (!screen_) return std::nullopt;
    const ControlDef& c = screen_->control(id);
    const ControlState& st = screen_->state(id);
    if (c.kind != Kind::Image || st.picture.empty()) return std::nullopt;
    const Rect rect = screen_->rect(id);
    if (!onPage(screen_->def(), rect)) return std::nullopt;
    const QRectF r = toWindow(rect);
    const PictureSize size = pictureSize(c, rect, st.picture->size, scale(), surface_.devicePixelRatioF());
    const QPoint at(static_cast<int>(std::lround(r.x())), static_cast<int>(std::lround(r.y())));
    return ShownPicture{st.picture->key, QRect(at, size.window), size.device};
}

SvgAssetStore::Wanted PageCanvas::picturesOf(const ScreenDef& d, const Screen* shown) const {
    SvgAssetStore::Wanted out;
    const double s = scaleFor(d);  // the scale that page is drawn at, not the one on show
    const double dpr = surface_.devicePixelRatioF();
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
        const ControlDef& c = d.controls[i];
        if (c.kind != Kind::Image) continue;
        const auto id = static_cast<ControlId>(i);
        const Rect r = shown ? shown->rect(id) : c.rect;
        if (!onPage(d, r)) continue;
        const PictureRef none;
        const PictureRef& pic = shown ? shown->state(id).picture : none;
        if (!pic.empty())
            out.emplace_back(pic->key, pictureSize(c, r, pic->size, s, dpr).device);
        else if (c.picture)  // its design picture, which a cleared picture may take again
            out.emplace_back(assetKey(d, c, "Picture"), pictureSize(c, r, *c.picture, s, dpr).device);
    }
    return out;
}

void PageCanvas::paint(QPainter& p, const std::optional<Rect>& dragOutline) const {
    p.fillRect(surface_.rect(), QColor(0x2b, 0x34, 0x3d));
    if (!screen_) return;
    const QRect client = clientRect();
    // Around the band, and around a smaller client area, the window shows
    // the page's own colour: the page fills the window.
    p.fillRect(surface_.rect(), toQColor(screen_->def().backColor));
    p.setClipRect(client);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (ControlId id = screen_->controlCount() - 1; id >= 0; --id) {
        const ControlDef& c = screen_->control(id);
        if (!screen_->state(id).visible) continue;
        switch (c.kind) {
            case Kind::Image: drawImage(p, id); break;
            case Kind::Shape: drawShape(p, id, c); break;
            case Kind::Line: drawLine(p, c); break;
            case Kind::Label: drawLabel(p, id, c); break;
            default: break;  // native widgets and timers
        }
    }
    if (dragOutline) {
        QPen pen(QColor(0x22, 0x38, 0x4f), 2, Qt::DashLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(toWindow(*dragOutline).adjusted(1, 1, -1, -1));
    }
}

void PageCanvas::drawImage(QPainter& p, ControlId id) const {
    const auto shown = shownPicture(id);
    if (!shown) return;
    const QImage img = store_.image(shown->key, shown->device);
    if (!img.isNull()) p.drawImage(shown->target, img);
}

void PageCanvas::drawShape(QPainter& p, ControlId id, const ControlDef& c) const {
    QRectF r = toWindow(screen_->rect(id));
    const double s = scale();
    if (c.backStyle.value_or(0) == 1) p.fillRect(r, toQColor(c.backColor.value_or(kWindowBackground)));
    const int style = c.borderStyle.value_or(kBorderSolid);
    const double w = style == kBorderDotted ? 1.0 : std::max(1.0, c.borderWidth.value_or(1) * s);
    QPen pen(toQColor(c.borderColor.value_or(kBlack)), w);
    pen.setJoinStyle(Qt::MiterJoin);
    if (style == kBorderDotted) pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // Solid borders wider than a pixel lie across the edge; style 6 lies inside it.
    const double inset = style == kBorderInsideSolid ? w / 2 : 0.5;
    p.drawRect(r.adjusted(inset, inset, -inset, -inset));
}

void PageCanvas::drawLine(QPainter& p, const ControlDef& c) const {
    p.setPen(QPen(toQColor(c.borderColor.value_or(kBlack)), std::max(1.0, scale())));
    const QRectF a = toWindow(Rect{c.x1, c.y1, 0, 0});
    const QRectF b = toWindow(Rect{c.x2, c.y2, 0, 0});
    p.drawLine(a.topLeft(), b.topLeft());
}

void PageCanvas::drawLabel(QPainter& p, ControlId id, const ControlDef& c) const {
    const QRectF r = toWindow(screen_->rect(id));
    p.fillRect(r, toQColor(c.backColor.value_or(kButtonFace)));
    if (!c.caption) return;
    p.setPen(toQColor(c.foreColor.value_or(kWindowText)));
    if (c.font) p.setFont(mappedFont(*c.font, scale()));
    const int align = c.alignment.value_or(0);
    QTextOption option(align == 2 ? Qt::AlignHCenter : align == 1 ? Qt::AlignRight : Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    // A label in the Arabic character set reads right to left when it holds
    // Arabic words; a bare list number such as " -1" is shown as written,
    // its digit at the right, as an Arabic book prints it.
    const QString caption = QString::fromStdString(*c.caption);
    const bool arabic = std::any_of(caption.begin(), caption.end(), [](QChar ch) {
        return ch.direction() == QChar::DirR || ch.direction() == QChar::DirAL;
    });
    option.setTextDirection(c.font && c.font->charset == 178 && arabic ? Qt::RightToLeft : Qt::LeftToRight);
    p.drawText(r, caption, option);
}

}  // namespace nizam::platform
