// SPDX-License-Identifier: GPL-3.0-or-later
// The on-screen keyboard: its keys at every window size, where it stands,
// whether the system's layouts have Arabic, and the panel on the course's
// real pages on Qt's offscreen platform (typing, focus, the quit question,
// the tab).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <string>
#include <vector>

#include "app/registry.h"
#include "platform/fonts.h"
#include "platform/osk_layout.h"
#include "platform/osk_panel.h"
#include "platform/process.h"
#include "platform/svg_asset_store.h"
#include "tools/scenario/desktop_driver.h"

namespace nizam::platform {

SvgAssetStore& store();
void setStore(SvgAssetStore* s);

namespace {

const QSize kWindows[] = {{1024, 600}, {800, 600}, {1024, 768}, {1366, 768}, {1920, 1080}, {3840, 2160}};

TEST(OskLayout, EveryKeyFitsTheWindowAndAFinger) {
    for (const QSize window : kWindows) {
        for (const OskLayer layer : {OskLayer::Letters, OskLayer::Signs}) {
            SCOPED_TRACE(std::to_string(window.width()) + "x" + std::to_string(window.height()) +
                         (layer == OskLayer::Letters ? " letters" : " signs"));
            const OskLayout l = layoutKeyboard(window, layer);
            EXPECT_LE(l.panel.width(), window.width());
            // The page keeps more than half the window.
            EXPECT_LE(l.panel.height(), window.height() * 0.5);
            const QRectF panel(QPointF(0, 0), l.panel);
            for (std::size_t i = 0; i < l.keys.size(); ++i) {
                const OskKey& k = l.keys[i];
                EXPECT_TRUE(panel.contains(k.rect)) << k.name.toStdString();
                EXPECT_GE(k.rect.width(), kOskMinKey) << k.name.toStdString();
                EXPECT_GE(k.rect.height(), kOskMinKey) << k.name.toStdString();
                for (std::size_t j = i + 1; j < l.keys.size(); ++j)
                    EXPECT_FALSE(k.rect.intersects(l.keys[j].rect)) << k.name.toStdString() << " and "
                                                                   << l.keys[j].name.toStdString();
            }
        }
    }
}

TEST(OskLayout, TheLettersLayerHasEveryLetterDigitAndKeyOnce) {
    const OskLayout l = layoutKeyboard(QSize(1024, 768), OskLayer::Letters);
    QStringList wanted = QString::fromUtf8("ا ب ت ث ج ح خ د ذ ر ز س ش ص ض ط ظ ع غ ف ق ك ل م ن ه و ي ء أ إ آ ؤ ئ ة ى "
                                           "0 1 2 3 4 5 6 7 8 9 . , space backspace hide layer")
                             .split(' ');
    QStringList names;
    for (const OskKey& k : l.keys) names << k.name;
    for (const QString& w : wanted) EXPECT_EQ(names.count(w), 1) << w.toStdString();
    EXPECT_EQ(names.size(), wanted.size());
    // Right to left as an Arabic touch keyboard: ض at the top right, ج left of ح.
    const auto at = [&](const char* name) { return findKey(l, QString::fromUtf8(name))->rect; };
    EXPECT_GT(at("ض").left(), at("ص").left());
    EXPECT_LT(at("ض").top(), at("ش").top());
    EXPECT_GT(at("ح").left(), at("ج").left());
    // Digits left to right, as numbers read.
    EXPECT_LT(at("1").left(), at("0").left());
    EXPECT_EQ(findKey(l, QStringLiteral("space"))->text, QStringLiteral(" "));
}

TEST(OskLayout, TheSignsLayerTypesASpreadsheetFormula) {
    const OskLayout l = layoutKeyboard(QSize(1024, 768), OskLayer::Signs);
    for (const char* sign : {"=", "(", ")", "*", "/", "+", "-", "B", "1", "0", ".", ",", "space", "backspace", "layer"})
        EXPECT_TRUE(findKey(l, QString::fromUtf8(sign))) << sign;
    EXPECT_FALSE(findKey(l, QString::fromUtf8("ض")));
}

TEST(OskPlacement, TheFocusedBoxStaysInSight) {
    const QSize window(1024, 600);
    const QSizeF panel = layoutKeyboard(window, OskLayer::Letters).panel;
    struct Case {
        const char* what;
        std::optional<QRectF> box;
        bool atTop;
    };
    const Case cases[] = {
        {"no box", std::nullopt, false},
        {"a box at the top", QRectF(100, 20, 200, 30), false},
        {"a box just above the panel", QRectF(100, 600 - panel.height() - 31, 200, 30), false},
        {"a box at the bottom", QRectF(100, 560, 200, 30), true},
        {"a box just over the panel's top edge at the bottom", QRectF(100, 600 - panel.height() - 29, 200, 30), true},
        // Covered wherever it stands: the edge that covers less of it.
        {"a tall box reaching low", QRectF(100, 150, 200, 440), true},
        {"a tall box reaching high", QRectF(100, 10, 200, 440), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QRectF at = placeKeyboard(window, panel, c.box);
        EXPECT_EQ(at.size(), panel);
        EXPECT_EQ(at.top() == 0, c.atTop);
        EXPECT_TRUE(QRectF(QPointF(0, 0), QSizeF(window)).contains(at));
        if (c.box && c.box->height() < 100) {
            EXPECT_FALSE(at.intersects(*c.box));
        }
    }
}

TEST(KeyboardLayouts, ArabicIsFoundInTheLayoutList) {
    struct Case {
        const char* layouts;
        const char* variants;
        bool arabic;
    };
    const Case cases[] = {
        {"us", "", false},         {"fr", "", false},          {"fr,ara", ",", true},
        {"ara", "azerty", true},   {"us, ara ", "", true},     {"FR,ARA", "", true},
        {"ma", "", true},          {"ma", "french", false},    {"fr,ma", ",french", false},
        {"iq", "", true},          {"dz", "", false},          {"arabic", "", false},
        {"", "", false},           {"bara", "", false},        {"de,us,sy", "", true},
    };
    for (const Case& c : cases) EXPECT_EQ(hasArabicLayout(c.layouts, c.variants), c.arabic) << c.layouts << " / " << c.variants;
}

// The real pages on the offscreen platform, driven as the scenario runner
// drives them: real pointer events at the keys' pixels.
}  // namespace

// Made in main, so that it goes before the application does.
SvgAssetStore* theStore = nullptr;
SvgAssetStore& store() { return *theStore; }

namespace {

struct Page {
    explicit Page(const char* name, bool on = true) : driver(store(), false, on) {
        driver.navigator().open(name);
        QApplication::processEvents();
        driver.host().window()->activateWindow();
        QApplication::setActiveWindow(driver.host().window());
        QApplication::processEvents();
    }
    ControlId id(const char* name) { return *driver.navigator().current()->findQuiet(name, std::nullopt); }
    QWidget* box(const char* name) { return driver.host().nativeWidget(id(name)); }
    void click(const char* name) {
        const Rect r = driver.navigator().current()->rect(id(name));
        driver.click(r.left + r.width / 2, r.top + r.height / 2);
    }
    std::string text(const char* name) { return driver.navigator().current()->state(id(name)).text; }
    OnScreenKeyboard& keyboard() { return driver.host().keyboard(); }
    void press(const char* key) { ASSERT_EQ(driver.oskPress(key), ""); }
    scenario::DesktopDriver driver;
};

TEST(OnScreenKeyboard, KeysTypeAsTheKeyboardDoesAndTakeNoFocus) {
    Page page("Form23");
    page.click("Text1");
    ASSERT_TRUE(page.keyboard().isVisible());
    QWidget* box = page.box("Text1");
    EXPECT_EQ(QApplication::focusWidget(), box);
    ASSERT_EQ(page.driver.oskType("91.18"), "");
    EXPECT_EQ(page.text("Text1"), "91.18");
    // Backspace deletes the character before the caret, not the last one.
    static_cast<QLineEdit*>(box)->setCursorPosition(2);
    page.press("backspace");
    EXPECT_EQ(page.text("Text1"), "9.18");
    EXPECT_EQ(static_cast<QLineEdit*>(box)->cursorPosition(), 1);
    page.press("1");
    EXPECT_EQ(page.text("Text1"), "91.18");
    // The keys, the layer switch, the panel's own ground and the tab leave the focus in the box.
    page.press("layer");
    EXPECT_EQ(page.keyboard().layer(), OskLayer::Signs);
    QTest::mouseClick(page.driver.host().window()->windowHandle(), Qt::LeftButton, {},
                      page.keyboard().geometry().topLeft() + QPoint(2, 2));
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(page.keyboard().focusPolicy(), Qt::NoFocus);
    // The box's own cleaning: a text the box cleans reads the same whether
    // typed by the keys or committed by an input method. A sign the box
    // keeps (a formula's) goes in as it is. The panel covers Text4: hidden
    // first, it comes back at the top for it.
    page.press("hide");
    page.click("Text4");
    ASSERT_TRUE(page.keyboard().isVisible());
    EXPECT_EQ(page.keyboard().geometry().top(), 0);
    ASSERT_EQ(page.driver.oskType("=(B2*100)/(B2+B3)"), "");
    EXPECT_EQ(page.text("Text4"), "=(B2*100)/(B2+B3)");
    EXPECT_EQ(static_cast<QLineEdit*>(page.box("Text4"))->text().toStdString(), page.text("Text4"));
}

TEST(OnScreenKeyboard, BackspaceHeldDownDeletesOnAndOn) {
    Page page("Form3");
    page.click("Text1");
    ASSERT_EQ(page.driver.oskType("جهاز إنذار"), "");
    const QPoint key = page.keyboard().geometry().topLeft() +
                       findKey(page.keyboard().keys(), QStringLiteral("backspace"))->rect.center().toPoint();
    QWindow* window = page.driver.host().window()->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, key);
    QTest::qWait(1200);
    QTest::mouseRelease(window, Qt::LeftButton, {}, key);
    QApplication::processEvents();
    // Held: more than one character goes, from the end.
    const QString left = QString::fromStdString(page.text("Text1"));
    EXPECT_LT(left.size(), 9);
    EXPECT_TRUE(QString::fromUtf8("جهاز إنذار").startsWith(left)) << left.toStdString();
    const qsizetype held = left.size();
    page.press("backspace");  // a tap: one
    EXPECT_EQ(QString::fromStdString(page.text("Text1")).size(), std::max<qsizetype>(0, held - 1));
}

TEST(OnScreenKeyboard, AnArabicAnswerTypedByItsKeysIsJudgedRight) {
    Page page("Form3");
    page.click("Check1");
    page.click("Check6");
    EXPECT_FALSE(page.keyboard().isVisible());  // a check box brings no keyboard
    page.click("Text1");
    ASSERT_TRUE(page.keyboard().isVisible());
    ASSERT_EQ(page.driver.oskType("جهاز إنذارر"), "");
    page.press("backspace");
    EXPECT_EQ(page.text("Text1"), "جهاز إنذار");
    page.press("hide");
    EXPECT_FALSE(page.keyboard().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), page.box("Text1"));
    page.click("Text1");  // a touch on the box that has the focus brings it back
    EXPECT_TRUE(page.keyboard().isVisible());
    page.press("hide");
    const Rect check = page.driver.navigator().current()->rect(*page.driver.navigator().current()->findQuiet("Image1", 2));
    page.driver.click(check.left + check.width / 2, check.top + check.height / 2);
    EXPECT_TRUE(page.driver.navigator().current()->state(*page.driver.navigator().current()->findQuiet("Image7", 0)).visible);
}

TEST(OnScreenKeyboard, ComesAndGoesWithTheTextBoxesFocus) {
    Page page("Form3");
    EXPECT_FALSE(page.keyboard().isVisible());  // the focus a page gives as it loads brings none
    page.click("Text1");
    EXPECT_TRUE(page.keyboard().isVisible());
    page.click("Check2");  // the focus leaves the text boxes
    EXPECT_FALSE(page.keyboard().isVisible());
    page.driver.key("Tab");  // Tab onto a box, switched on
    const bool boxFocused = QApplication::focusWidget() == page.box("Text1");
    EXPECT_EQ(page.keyboard().isVisible(), boxFocused);
    page.click("Text1");
    EXPECT_TRUE(page.keyboard().isVisible());
    // Switched off by its tab: gone, and no box brings it back until it is on again.
    ASSERT_EQ(page.driver.oskToggle(), "");
    EXPECT_FALSE(page.keyboard().switchedOn());
    EXPECT_FALSE(page.keyboard().isVisible());
    page.click("Check2");
    page.click("Text1");
    EXPECT_FALSE(page.keyboard().isVisible());
    ASSERT_EQ(page.driver.oskToggle(), "");  // on again, the box in use: it comes at once
    EXPECT_TRUE(page.keyboard().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), page.box("Text1"));
    // A new page: gone, and the choice kept.
    page.driver.open("Form23");
    EXPECT_FALSE(page.keyboard().isVisible());
    EXPECT_TRUE(page.keyboard().switchedOn());
}

TEST(OnScreenKeyboard, OffAtStartItComesOnlyWhenAsked) {
    Page page("Form3", false);
    page.click("Text1");
    EXPECT_FALSE(page.keyboard().isVisible());
    ASSERT_EQ(page.driver.oskToggle(), "");
    EXPECT_TRUE(page.keyboard().isVisible());
}

TEST(OnScreenKeyboard, StaysUnderTheQuitQuestionAndTakesNothingThere) {
    Page page("Form3");
    page.click("Text1");
    page.press("ب");
    ASSERT_TRUE(page.keyboard().isVisible());
    const QPoint key = page.keyboard().geometry().topLeft() +
                       findKey(page.keyboard().keys(), QString::fromUtf8("ج"))->rect.center().toPoint();
    page.driver.close();
    ASSERT_TRUE(page.driver.host().quitQuestionShown());
    EXPECT_FALSE(page.keyboard().isVisible());
    // Where the key was, the question takes the click: nothing is typed.
    QTest::mouseClick(page.driver.host().window()->windowHandle(), Qt::LeftButton, {}, key);
    QApplication::processEvents();
    EXPECT_EQ(page.text("Text1"), "ب");
    EXPECT_NE(page.driver.host().window()->childAt(page.keyboard().tabRect().center()), nullptr);
    EXPECT_NE(page.driver.host().window()->childAt(page.keyboard().tabRect().center())->geometry(),
              page.keyboard().tabRect());  // the question covers the tab too
    // «لا، أبقى»: the page as it was, the keyboard back on its box.
    page.driver.key("Escape");
    ASSERT_FALSE(page.driver.host().quitQuestionShown());
    EXPECT_TRUE(page.keyboard().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), page.box("Text1"));
}

// Every page's top-most and bottom-most text box, clicked in windows from a
// small laptop's to a 4K display's: the panel stands inside the window and
// never over the box.
TEST(OnScreenKeyboard, NeverCoversTheBoxItTypesInto) {
    scenario::DesktopDriver driver(store(), false, true);
    int atTop = 0, atBottom = 0, boxes = 0;
    for (const RegistryEntry& entry : screenRegistry()) {
        driver.navigator().open(entry.name);
        const Screen* s = driver.navigator().current();
        if (!s) continue;
        std::vector<ControlId> texts;
        for (ControlId id = 0; id < s->controlCount(); ++id)
            if (s->control(id).kind == Kind::TextBox && s->state(id).visible) texts.push_back(id);
        if (texts.empty()) continue;
        const auto [top, bottom] = std::minmax_element(texts.begin(), texts.end(), [&](ControlId a, ControlId b) {
            return s->rect(a).top < s->rect(b).top;
        });
        for (const QSize window : {QSize(1024, 600), QSize(1366, 768), QSize(3840, 2160)}) {
            driver.host().window()->resize(window);
            QApplication::processEvents();
            for (const ControlId id : {*top, *bottom}) {
                SCOPED_TRACE(entry.name + " " + s->control(id).displayName() + " " + std::to_string(window.width()) + "x" +
                             std::to_string(window.height()));
                const Rect r = s->rect(id);
                if (driver.host().keyboard().isVisible()) {
                    ASSERT_EQ(driver.oskPress("hide"), "");
                }
                driver.click(r.left + r.width / 2, r.top + r.height / 2);
                const OnScreenKeyboard& k = driver.host().keyboard();
                ASSERT_TRUE(k.isVisible());
                QWidget* box = driver.host().nativeWidget(id);
                EXPECT_EQ(QApplication::focusWidget(), box);
                EXPECT_FALSE(k.geometry().intersects(box->geometry()));
                EXPECT_TRUE(driver.host().window()->rect().contains(k.geometry()));
                EXPECT_FALSE(k.geometry().intersects(k.tabRect()));  // the tab stays in reach
                ++(k.geometry().top() == 0 ? atTop : atBottom);
                ++boxes;
            }
        }
    }
    EXPECT_GT(boxes, 0);
    EXPECT_GT(atTop, 0);  // both edges are used
    EXPECT_GT(atBottom, 0);
}

// The tab lies on no control a pupil uses, on any page, in the usual windows.
TEST(OnScreenKeyboard, TheTabCoversNoControl) {
    scenario::DesktopDriver driver(store(), false, false);
    for (const RegistryEntry& entry : screenRegistry()) {
        driver.navigator().open(entry.name);
        const Screen* s = driver.navigator().current();
        if (!s) continue;
        for (const QSize window : {QSize(1024, 600), QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)}) {
            driver.host().window()->resize(window);
            QApplication::processEvents();
            const QRect tab = driver.host().keyboard().tabRect();
            for (ControlId id = 0; id < s->controlCount(); ++id) {
                const ControlDef& c = s->control(id);
                // What a pupil acts upon: boxes, players, and the pictures
                // and labels that show the hand or are dragged.
                const bool used = c.kind == Kind::CheckBox || c.kind == Kind::TextBox || c.kind == Kind::Player ||
                                  s->state(id).mousePointer == 99 || c.dragMode != 0;
                if (!s->state(id).visible || !used) continue;
                const Rect r = s->rect(id);
                const QRectF at(driver.host().toWindow(r.left, r.top), driver.host().toWindow(r.left + r.width, r.top + r.height));
                EXPECT_FALSE(QRectF(tab).intersects(at.adjusted(1, 1, -1, -1)))
                    << entry.name << " " << c.displayName() << " at " << window.width() << "x" << window.height();
            }
        }
    }
}

}  // namespace

void setStore(SvgAssetStore* s) { theStore = s; }

}  // namespace nizam::platform

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    nizam::platform::setUpProcess();
    nizam::platform::registerBundledFonts(QStringLiteral(NIZAM_ASSETS_DIR) + "/..");
    nizam::platform::SvgAssetStore store(QStringLiteral(NIZAM_ASSETS_DIR));
    nizam::platform::setStore(&store);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
