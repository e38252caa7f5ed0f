// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/page_print.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRegion>
#include <QTextOption>
#include <QWidget>
#include <cmath>
#include <optional>

#include "platform/native_controls.h"
#include "platform/page_canvas.h"

namespace nizam::platform {

namespace {

// A window that is never shown, of the design canvas at the print scale: the
// page canvas draws the page on it and the native controls lie over it,
// made, placed and filled exactly as in the program's window.
class PrintSurface : public QWidget {
public:
    PrintSurface(const Screen& still, SvgAssetStore& store, const std::map<ControlId, QImage>& frames)
        : canvas_(*this, store), natives_(*this, inert_), frames_(frames) {
        setAttribute(Qt::WA_DontShowOnScreen);
        resize((kDesignCanvas * kPrintScale).toSize());
        // Paper takes the whole client area at the print scale, as the
        // design lays it out, not the window's band.
        canvas_.setDesignScale(true);
        canvas_.setScreen(&still);
        natives_.create(still);
        natives_.layout(canvas_);
        for (ControlId id = 0; id < still.controlCount(); ++id) natives_.update(still, id);
    }
    const PageCanvas& canvas() const { return canvas_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        canvas_.paint(p, std::nullopt);
        const Screen* screen = canvas_.screen();
        for (const auto& [id, frame] : frames_) {
            if (id < 0 || id >= screen->controlCount() || !screen->state(id).visible || frame.isNull()) continue;
            p.drawImage(canvas_.toWindow(screen->rect(id)), frame);
        }
    }

private:
    QObject inert_;  // the native controls' event filter: nothing is forwarded
    PageCanvas canvas_;
    NativeControls natives_;
    const std::map<ControlId, QImage>& frames_;
};

}  // namespace

QRectF fittedRect(const QRectF& area, const QSizeF& page) {
    if (page.isEmpty() || area.isEmpty()) return {area.center(), QSizeF(0, 0)};
    const QSizeF size = page.scaled(area.size(), Qt::KeepAspectRatio);
    return {area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2,
            size.width(), size.height()};
}

QSizeF pageSize(const Screen& screen) {
    return {screen.def().clientWidth / double(kTwipsPerPixel), screen.def().clientHeight / double(kTwipsPerPixel)};
}

void drawPage(QPainter& p, const QRectF& target, const Screen& screen, SvgAssetStore& store,
              const std::map<ControlId, QImage>& frames) {
    // A still copy without the hover highlights: the pointer is on the print
    // button when it is pressed, and its highlight is not part of the page.
    StillHost host;
    Screen still(screen, host);
    for (ControlId id = 0; id < still.controlCount(); ++id)
        if (still.state(id).hoverHighlight) still.setVisible(id, false);
    still.setFocus(std::nullopt);

    PrintSurface surface(still, store, frames);
    const QRect client = surface.canvas().clientRect();
    if (client.isEmpty()) return;
    // Drawn as on a screen first (a printer's own resolution would change
    // how the widgets measure themselves), then laid on the paper.
    QImage picture(client.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter on(&picture);
        surface.render(&on, QPoint(0, 0), QRegion(client), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, picture);
    p.restore();
}

bool printPage(QPrinter& printer, const Screen& screen, SvgAssetStore& store,
               const std::map<ControlId, QImage>& frames) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(false);
    QPainter p;
    if (!p.begin(&printer)) return false;
    const QRectF area(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    drawPage(p, fittedRect(area, pageSize(screen)), screen, store, frames);
    return p.end();
}

WorksheetWriter::WorksheetWriter(const QString& file, SvgAssetStore& store) : file_(file), store_(store) {}

WorksheetWriter::~WorksheetWriter() {
    if (painter_ && painter_->isActive()) painter_->end();
}

bool WorksheetWriter::start() {
    if (out_) return painter_ && painter_->isActive();
    out_ = std::make_unique<QFile>(file_);
    if (!out_->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error_ = out_->errorString();
        return false;
    }
    writer_ = std::make_unique<QPdfWriter>(out_.get());
    writer_->setPageLayout(sheetLayout());
    writer_->setResolution(300);
    writer_->setCreator(QStringLiteral("Nizam"));
    writer_->setTitle(QStringLiteral("أوراق عمل"));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get())) {
        error_ = QStringLiteral("cannot write the PDF file");
        return false;
    }
    return true;
}

QPageLayout WorksheetWriter::sheetLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

QRectF WorksheetWriter::pagePlace(const QRectF& printable, const QSizeF& page) {
    const double top = kTitleBand + kTitleGap;
    return fittedRect(QRectF(printable.left(), printable.top() + top, printable.width(), printable.height() - top), page);
}

bool WorksheetWriter::add(const Screen& screen, const QString& title) {
    if (!start()) return false;
    if (sheets_ > 0 && !writer_->newPage()) {
        error_ = QStringLiteral("cannot add a sheet");
        return false;
    }
    ++sheets_;
    QPainter& p = *painter_;
    const double dpi = writer_->resolution();
    const double k = dpi / 72.0;  // points to the writer's pixels
    const QSizeF printable = writer_->pageLayout().paintRect(QPageLayout::Point).size();
    const QRectF area(QPointF(0, 0), printable * k);

    // The heading: the page's title at the right, as Arabic reads, and a
    // line for the pupil's name at the left; a rule under both.
    const QRectF heading(area.left(), area.top(), area.width(), kTitleBand * k);
    QFont font(QStringLiteral("Noto Naskh Arabic"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(std::lround(17.0 * k)));
    p.setFont(font);
    p.setPen(Qt::black);
    QTextOption right(Qt::AlignRight | Qt::AlignVCenter);
    right.setTextDirection(Qt::RightToLeft);
    p.drawText(heading, title, right);
    QFont small = font;
    small.setBold(false);
    small.setPixelSize(static_cast<int>(std::lround(12.0 * k)));
    p.setFont(small);
    QTextOption left(Qt::AlignLeft | Qt::AlignVCenter);
    left.setTextDirection(Qt::RightToLeft);
    p.drawText(heading, QStringLiteral("الاسم: ................................"), left);
    p.setPen(QPen(Qt::black, 0.75 * k));
    p.drawLine(QPointF(area.left(), heading.bottom()), QPointF(area.right(), heading.bottom()));

    const QRectF place = pagePlace(QRectF(QPointF(0, 0), printable), pageSize(screen));
    const QRectF target(place.topLeft() * k, place.size() * k);
    drawPage(p, target, screen, store_);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 0.5 * k));
    p.setBrush(Qt::NoBrush);
    p.drawRect(target);
    return true;
}

bool WorksheetWriter::finish() {
    if (!start()) return false;
    const bool ended = painter_->end();
    out_->close();
    if (!ended || out_->error() != QFileDevice::NoError) {
        error_ = ended ? out_->errorString() : QStringLiteral("cannot write the PDF file");
        return false;
    }
    return true;
}

}  // namespace nizam::platform
