// SPDX-License-Identifier: GPL-3.0-or-later
// Pages on paper: a page drawn by the window's own painting code (the page
// canvas and the native check boxes and text boxes, with what they hold) on
// a printer or a PDF file, one page to a landscape sheet, scaled to fit.
// The print button prints the page on show through the system's print
// dialog; worksheets put blank pages, each under its title, in one PDF file.
#pragma once

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <map>
#include <memory>

#include "platform/svg_asset_store.h"
#include "runtime/screen.h"

namespace nizam::platform {

// The host of pages that are drawn and never shown: a still copy of a page
// on show, or the pages of a set of worksheets. Nothing it is told needs doing.
class StillHost : public HostPlatform {
public:
    void createWindow(Screen&) override {}
    void showWindow(Screen&) override {}
    void destroyWindow(Screen&) override {}
    void controlChanged(Screen&, ControlId) override {}
    void setPointerShape(const std::string&) override {}
    void dragStarted(Screen&, ControlId) override {}
    void dragEnded() override {}
    void startProgram(const std::string&, int) override {}
    void printPage(const Screen&) override {}
    void quitQuestionChanged(Screen&) override {}
    std::unique_ptr<MoviePlayer> createPlayer(Screen&, ControlId) override { return nullptr; }
    void endApplication() override {}
    std::string applicationFolder() const override { return {}; }
};

// How many window pixels a design pixel takes when a page is drawn for
// paper: its pictures are rendered at twice the design size, about 175 dots
// an inch across a landscape A4 sheet.
inline constexpr double kPrintScale = 2.0;

// The rectangle a page of size `page` takes in `area`: scaled to fit with its
// proportions kept, and centred.
QRectF fittedRect(const QRectF& area, const QSizeF& page);

// The client area of a page in design pixels.
QSizeF pageSize(const Screen& screen);

// Draws `screen` as it is now into `target` of `p`: the page canvas's
// drawing with the native controls' widgets over it, showing their ticks and
// text, but no hover highlight, focus ring or pointer. `frames` holds the
// frame an animation player shows now, by control id; the page's picture
// lies where it has none. The screen itself is not changed.
void drawPage(QPainter& p, const QRectF& target, const Screen& screen, SvgAssetStore& store,
              const std::map<ControlId, QImage>& frames = {});

// Prints `screen` on one landscape sheet of `printer`, scaled to fit its
// printable area. Returns false when the printer cannot be started (a file
// that cannot be written): nothing is printed then.
bool printPage(QPrinter& printer, const Screen& screen, SvgAssetStore& store,
               const std::map<ControlId, QImage>& frames = {});

// Worksheets: one A4 landscape sheet per page of a PDF file, the page's
// title above it, right to left, and the page below, scaled to fit.
class WorksheetWriter {
public:
    WorksheetWriter(const QString& file, SvgAssetStore& store);
    ~WorksheetWriter();
    WorksheetWriter(const WorksheetWriter&) = delete;
    WorksheetWriter& operator=(const WorksheetWriter&) = delete;

    // Adds a sheet for `screen` under `title`. Returns false when the file
    // cannot be written (told by error()).
    bool add(const Screen& screen, const QString& title);
    // Ends the file. Returns false when it could not be written.
    bool finish();
    // Why the file could not be written.
    QString error() const { return error_; }

    // The sheets' layout: A4 landscape with margins of 12 mm.
    static QPageLayout sheetLayout();
    // Where a page of `page` design pixels lies on a sheet whose printable
    // area is `printable` (points): below the title band, scaled to fit.
    static QRectF pagePlace(const QRectF& printable, const QSizeF& page);
    // The height of the title band, in points, and the gap below it.
    static constexpr double kTitleBand = 36.0;
    static constexpr double kTitleGap = 8.0;

private:
    bool start();

    QString file_;
    SvgAssetStore& store_;
    std::unique_ptr<QFile> out_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    int sheets_ = 0;
    QString error_;
};

}  // namespace nizam::platform
