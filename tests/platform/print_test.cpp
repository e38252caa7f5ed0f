// SPDX-License-Identifier: GPL-3.0-or-later
// Pages on paper, on Qt's offscreen platform: a page answered and judged,
// printed to a PDF file through the print button's own path, looks like the
// page on show (its typed text and ticks included, its hover highlight
// left out); worksheets carry each page blank under its title; a print
// cancelled in its dialog leaves the page as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/page_titles.h"
#include "app/registry.h"
#include "platform/desktop_host.h"
#include "platform/fonts.h"
#include "platform/page_print.h"
#include "platform/process.h"
#include "platform/svg_asset_store.h"
#include "tools/scenario/desktop_driver.h"

namespace nizam {
namespace {

using platform::SvgAssetStore;
using scenario::DesktopDriver;

// Made and destroyed by main, while the application object lives.
SvgAssetStore* theStore = nullptr;
SvgAssetStore& store() { return *theStore; }

bool havePoppler() {
    return !QStandardPaths::findExecutable("pdftoppm").isEmpty() && !QStandardPaths::findExecutable("pdfinfo").isEmpty();
}

// One sheet of a PDF file as a picture at `dpi`.
QImage sheet(const QString& pdf, int number, int dpi) {
    const QString prefix = pdf + QStringLiteral(".sheet");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                         QString::number(number), QStringLiteral("-l"), QString::number(number),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

int pageCount(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(30000)) return -1;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

// The mean difference per colour channel (0..255) between two pictures of
// one size, over `area` (the whole picture when empty).
double meanDifference(const QImage& a, const QImage& b, QRect area = {}) {
    if (area.isEmpty()) area = a.rect();
    area &= a.rect() & b.rect();
    if (area.isEmpty()) return 255;
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * area.width() * area.height());
}

// Where a printed page lies on its sheet picture, `paint` being the sheet's
// printable area in points.
QRect placeOnSheet(const QRectF& paintPoints, const QSizeF& page, int dpi) {
    const double k = dpi / 72.0;
    const QRectF area(paintPoints.topLeft() * k, paintPoints.size() * k);
    return platform::fittedRect(area, page).toRect();
}

// The visible native controls of a page.
std::vector<ControlId> nativeIds(const Screen& s) {
    std::vector<ControlId> out;
    for (ControlId id = 0; id < s.controlCount(); ++id) {
        const Kind k = s.control(id).kind;
        if ((k == Kind::TextBox || k == Kind::CheckBox) && s.state(id).visible) out.push_back(id);
    }
    return out;
}

// The share of dark pixels (text, ticks, frames) in an area of a picture.
double ink(const QImage& image, QRect area) {
    area &= image.rect();
    if (area.isEmpty()) return 0;
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) dark += qGray(image.pixel(x, y)) < 150;
    return double(dark) / (area.width() * area.height());
}

// How far a printed page may lie from the page's shot, per colour channel:
// the paper is drawn at another scale and rasterised by another program.
constexpr double kPageTolerance = 6.0;
constexpr double kControlTolerance = 14.0;
// The share of dark pixels above which an answer box or tick box holds something.
constexpr double kInked = 0.06;

struct Answered {
    const char* page;
    std::function<void(DesktopDriver&)> answer;  // what the pupil does before the check
};

TEST(Print, APrintedPageLooksLikeThePageOnShowWithItsAnswersAndVerdict) {
    if (!havePoppler()) GTEST_SKIP() << "pdftoppm and pdfinfo (poppler-utils) are needed";
    const Answered cases[] = {
        // Typed codes, one of them wrong: the try-again verdict.
        {"Form19",
         [](DesktopDriver& d) {
             const char* codes[] = {"FP", "FC1", "FC3", "FC2", "FC4"};
             for (int i = 0; i < 5; ++i) {
                 const std::string name = "Text" + std::to_string(i + 1);
                 d.type(*d.navigator().current()->findQuiet(name, std::nullopt), codes[i]);
             }
         }},
        // Ticks: some boxes of the list.
        {"Form9",
         [](DesktopDriver& d) {
             for (int i : {0, 3, 5}) {
                 const Rect r = d.navigator().current()->rect(*d.navigator().current()->findQuiet("Check1", i));
                 d.click(r.left + r.width / 2, r.top + r.height / 2);
             }
         }},
    };
    QTemporaryDir dir;
    for (const Answered& c : cases) {
        SCOPED_TRACE(c.page);
        DesktopDriver d(store());
        d.open(c.page);
        c.answer(d);
        const Screen& s = *d.navigator().current();
        auto centre = [&s](const char* name, std::optional<int> index) {
            const Rect r = s.rect(*s.findQuiet(name, index));
            return std::pair{r.left + r.width / 2, r.top + r.height / 2};
        };
        const auto check = centre("Image1", 2);
        d.click(check.first, check.second);  // a verdict figure appears
        const auto away = centre("Imagefixe", std::nullopt);
        d.move(away.first, away.second);  // every highlight out
        const QString shotFile = dir.filePath(QString::fromLatin1(c.page) + QStringLiteral(".png"));
        ASSERT_EQ(d.shot(shotFile.toStdString()), "");
        const QImage shot = QImage(shotFile).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(shot.isNull());

        // The pointer on the print button lights its highlight, which the paper leaves out.
        const auto print = centre("Image1", 5);
        d.move(print.first, print.second);
        const ControlId highlight = *s.findQuiet("Image2", 5);
        ASSERT_TRUE(s.state(highlight).visible);
        // The keys brought there as well ring it, which the paper leaves out too.
        const ControlId printButton = *s.findQuiet("Image1", 5);
        for (int i = 0; i < 60 && s.focus() != printButton; ++i) d.key("Tab");
        ASSERT_EQ(s.focus(), printButton);
        ASSERT_TRUE(s.state(highlight).visible);
        std::vector<std::string> texts;
        std::vector<int> values;
        for (ControlId id = 0; id < s.controlCount(); ++id) {
            texts.push_back(s.state(id).text);
            values.push_back(s.state(id).value);
        }

        const QString pdf = dir.filePath(QString::fromLatin1(c.page) + QStringLiteral(".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        ASSERT_TRUE(d.host().printShownPage(printer));

        // The page is as it was.
        EXPECT_TRUE(s.state(highlight).visible);
        for (ControlId id = 0; id < s.controlCount(); ++id) {
            EXPECT_EQ(s.state(id).text, texts[static_cast<std::size_t>(id)]);
            EXPECT_EQ(s.state(id).value, values[static_cast<std::size_t>(id)]);
        }

        ASSERT_EQ(pageCount(pdf), 1);
        constexpr int kDpi = 96;
        const QImage printed = sheet(pdf, 1, kDpi);
        ASSERT_FALSE(printed.isNull());
        EXPECT_GT(printed.width(), printed.height());  // landscape
        const QRect at = placeOnSheet(printer.pageLayout().paintRect(QPageLayout::Point), platform::pageSize(s), kDpi);
        const QImage paper = printed.copy(at);
        const QImage shown = shot.scaled(at.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(paper, shown), kPageTolerance);
        if (qEnvironmentVariableIsSet("PRINT_TEST_KEEP")) {
            dir.setAutoRemove(false);
            paper.save(dir.filePath(QString::fromLatin1(c.page) + QStringLiteral("-paper.png")));
            shown.save(dir.filePath(QString::fromLatin1(c.page) + QStringLiteral("-shown.png")));
            std::printf("kept in %s\n", qPrintable(dir.path()));
        }
        // Each answer box and tick box shows what it holds: glyphs and ticks
        // are drawn at another size on paper, so their ink is compared, not
        // their pixels. The print button shows no highlight.
        const double k = double(at.width()) / shot.width();
        auto scaled = [k](const Rect& r) {
            return QRect(int(r.left / kTwipsPerPixel * k), int(r.top / kTwipsPerPixel * k),
                         int(r.width / kTwipsPerPixel * k), int(r.height / kTwipsPerPixel * k));
        };
        for (ControlId id : nativeIds(s)) {
            const QRect r = scaled(s.rect(id)).adjusted(2, 2, -2, -2);
            const double onPaper = ink(paper, r), onScreen = ink(shown, r);
            // Its frame alone leaves little ink; a word or a tick adds much more.
            EXPECT_EQ(onPaper > kInked, onScreen > kInked)
                << s.control(id).name << " at " << r.x() << "," << r.y() << ": " << onPaper << " on paper, " << onScreen;
            EXPECT_LT(onPaper, 2.5 * onScreen + 0.02) << s.control(id).name;
        }
        EXPECT_LT(meanDifference(paper, shown, scaled(s.rect(highlight))), kControlTolerance);
        const Rect ringed = s.rect(printButton);
        EXPECT_LT(meanDifference(paper, shown, scaled(ringed).adjusted(-4, -4, 4, 4)), kControlTolerance)
            << "no focus ring on paper";
    }
}

TEST(Print, EachWorksheetCarriesItsPageBlankUnderItsTitle) {
    if (!havePoppler()) GTEST_SKIP() << "pdftoppm and pdfinfo (poppler-utils) are needed";
    const std::vector<std::string> pages = {"Form5", "Form22", "Form23", "Form24"};
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheets.pdf"));
    {
        platform::StillHost host;
        Navigator nav(host, screenRegistry());
        platform::WorksheetWriter writer(pdf, store());
        for (const std::string& page : pages) {
            nav.open(page);
            ASSERT_NE(nav.current(), nullptr);
            ASSERT_TRUE(writer.add(*nav.current(), QString::fromUtf8(std::string(pageTitle(page)))));
        }
        ASSERT_TRUE(writer.finish()) << writer.error().toStdString();
    }
    ASSERT_EQ(pageCount(pdf), static_cast<int>(pages.size()));

    constexpr int kDpi = 96;
    const QRectF printable = platform::WorksheetWriter::sheetLayout().paintRect(QPageLayout::Point);
    std::vector<QImage> shots;
    std::vector<QRect> places;
    for (const std::string& page : pages) {
        DesktopDriver d(store());
        d.open(page);
        const QString file = dir.filePath(QString::fromStdString(page) + QStringLiteral(".png"));
        ASSERT_EQ(d.shot(file.toStdString()), "");
        shots.push_back(QImage(file).convertToFormat(QImage::Format_RGB32));
        const QRectF place = platform::WorksheetWriter::pagePlace(printable, platform::pageSize(*d.navigator().current()));
        const double k = kDpi / 72.0;
        // The printable area lies in paper coordinates: the margins are in it.
        places.push_back(QRectF(place.topLeft() * k, place.size() * k).toRect().adjusted(2, 2, -2, -2));
    }
    // Each sheet is its own page, and no other: its own shot lies closest.
    for (std::size_t n = 0; n < pages.size(); ++n) {
        SCOPED_TRACE(pages[n]);
        const QImage printed = sheet(pdf, static_cast<int>(n) + 1, kDpi);
        ASSERT_FALSE(printed.isNull());
        EXPECT_GT(printed.width(), printed.height());  // landscape
        const QImage paper = printed.copy(places[n]);
        for (std::size_t m = 0; m < pages.size(); ++m) {
            const QRect inner = shots[m].rect().adjusted(2, 2, -2, -2);
            const QImage shown = shots[m].copy(inner).scaled(paper.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const double diff = meanDifference(paper, shown);
            if (m == n) EXPECT_LT(diff, kPageTolerance);
            else EXPECT_GT(diff, kPageTolerance) << "looks like " << pages[m];
        }
        // The title band above the page is not blank.
        const QImage band = printed.copy(QRectF(printable.topLeft() * (kDpi / 72.0),
                                                QSizeF(printable.width(), platform::WorksheetWriter::kTitleBand) * (kDpi / 72.0))
                                             .toRect());
        int dark = 0;
        for (int y = 0; y < band.height(); ++y)
            for (int x = 0; x < band.width(); ++x) dark += qGray(band.pixel(x, y)) < 128;
        EXPECT_GT(dark, 200);
    }
}

// The print button opens the system's print dialog once the click is over;
// cancelling it leaves the page as it was: its answers, verdict, gate and focus.
TEST(Print, CancellingThePrintDialogLeavesThePageAsItWas) {
    platform::DesktopHost host(store(), QCoreApplication::applicationDirPath(),
                               {.quitOnEnd = false, .recordPrograms = false, .fitToScreen = false});
    Navigator nav(host, screenRegistry());
    host.attach(&nav);
    nav.open("Form19");
    const Screen& s = *nav.current();
    const ControlId text1 = *s.findQuiet("Text1", std::nullopt);
    nav.userSetFocus(text1);
    nav.userSetText(text1, "FC9");
    auto press = [&nav, &s](const char* name, int index) {
        const Rect r = s.rect(*s.findQuiet(name, index));
        nav.pointerMove(r.left + r.width / 2, r.top + r.height / 2);
        nav.pointerPress(r.left + r.width / 2, r.top + r.height / 2);
        nav.pointerRelease(r.left + r.width / 2, r.top + r.height / 2);
    };
    press("Image1", 2);  // a wrong check: the try-again figure, the gate closed
    nav.userSetFocus(text1);
    {  // the pointer comes to the print button: its highlight lights
        const Rect r = s.rect(*s.findQuiet("Image1", 5));
        nav.pointerMove(r.left + r.width / 2, r.top + r.height / 2);
    }
    auto snapshot = [&s] {
        std::vector<std::string> state;
        for (ControlId id = 0; id < s.controlCount(); ++id)
            state.push_back(std::to_string(s.state(id).visible) + std::to_string(s.state(id).value) + s.state(id).text);
        state.push_back(s.focus() ? std::to_string(*s.focus()) : "none");
        return state;
    };
    const auto before = snapshot();

    bool dialogSeen = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&dialogSeen] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialogSeen = true;
            dialog->reject();
        }
    });
    closer.start(20);
    press("Image1", 5);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // not while the click is handled
    for (int i = 0; i < 200 && !dialogSeen; ++i) QTest::qWait(10);
    QTest::qWait(50);
    closer.stop();
    EXPECT_TRUE(dialogSeen);
    EXPECT_EQ(nav.current(), &s);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(host.recordedPrints().size(), 0u);
}

}  // namespace
}  // namespace nizam

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    nizam::platform::setUpProcess();
    nizam::platform::registerBundledFonts(QFileInfo(QStringLiteral(NIZAM_ASSETS_DIR)).path());
    ::testing::InitGoogleTest(&argc, argv);
    auto store = std::make_unique<nizam::platform::SvgAssetStore>(QStringLiteral(NIZAM_ASSETS_DIR));
    nizam::theStore = store.get();
    const int result = RUN_ALL_TESTS();
    nizam::theStore = nullptr;
    store.reset();
    return result;
}
