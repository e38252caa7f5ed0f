// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QScreen>
#include <QtTest>

using calc::CalculatorWindow;
using calc::Key;

namespace {

// Types text into the window as keyboard events: every character is one key,
// '\n' is Enter, '\b' Backspace, '\x1b' Escape, '\x7f' Delete and '±' F9.
void type(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\n': QTest::keyClick(w, Qt::Key_Return); break;
        case '\b': QTest::keyClick(w, Qt::Key_Backspace); break;
        case 0x1b: QTest::keyClick(w, Qt::Key_Escape); break;
        case 0x7f: QTest::keyClick(w, Qt::Key_Delete); break;
        case 0xb1: QTest::keyClick(w, Qt::Key_F9); break;
        default: {
            QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &release);
        }
        }
    }
}

void click(CalculatorWindow& w, Key key) {
    QTest::mouseClick(w.button(key), Qt::LeftButton);
}

// The display's text is drawn whole inside the display.
bool textFits(const calc::FitLabel* label) {
    return QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->contentsRect().width();
}

// Counts the separate runs of light pixels down column x of image.
int inkRuns(const QImage& image, int x) {
    int runs = 0;
    bool inInk = false;
    for (int y = 0; y < image.height(); ++y) {
        const bool ink = qGray(image.pixel(x, y)) > 128;
        if (ink && !inInk) ++runs;
        inInk = ink;
    }
    return runs;
}

// The rightmost column of image that holds a light pixel, or -1.
int lastInkColumn(const QImage& image) {
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) > 128) return x;
    return -1;
}

const QString kUntouched = QStringLiteral("clipboard before");

}  // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensMaximisedWithArabicTitle() {
        CalculatorWindow w;
        w.open();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.isMaximized());
        QCOMPARE(w.windowTitle(), QStringLiteral("الآلة الحاسبة"));
        QTRY_COMPARE(w.frameGeometry(), w.screen()->availableGeometry());
        QCOMPARE(w.displayText(), QStringLiteral("0"));
    }

    void closeButtonClosesTheWindow() {
        CalculatorWindow w;
        w.open();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QPushButton* close = w.closeButton();
        QVERIFY(close->isVisible());
        QVERIFY(close->text().contains(QStringLiteral("إغلاق")));
        // Never the keyboard focus: Enter and Space must not press it.
        QCOMPARE(close->focusPolicy(), Qt::NoFocus);
        // In the top left corner, above the display and far from backspace.
        const QRect r(close->mapTo(&w, QPoint(0, 0)), close->size());
        QVERIFY(r.right() < w.width() / 3);
        QVERIFY(r.bottom() < w.display()->mapTo(&w, QPoint(0, 0)).y());
        QVERIFY(r.height() >= 36);

        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void closingKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("ctrl+w") << int(Qt::Key_W) << int(Qt::ControlModifier) << true;
        QTest::newRow("alt+f4") << int(Qt::Key_F4) << int(Qt::AltModifier) << true;
        QTest::newRow("ctrl+f4") << int(Qt::Key_F4) << int(Qt::ControlModifier) << true;
        QTest::newRow("ctrl+q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << true;
        QTest::newRow("escape clears, stays open") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
        QTest::newRow("w alone") << int(Qt::Key_W) << int(Qt::NoModifier) << false;
        QTest::newRow("f4 alone") << int(Qt::Key_F4) << int(Qt::NoModifier) << false;
        QTest::newRow("alt+w") << int(Qt::Key_W) << int(Qt::AltModifier) << false;
    }

    void closingKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        CalculatorWindow w;
        w.open();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        type(&w, "12+3");
        QTest::keyClick(&w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(!w.isVisible(), closes);
        if (!closes && key == Qt::Key_Escape) QCOMPARE(w.displayText(), QStringLiteral("0"));
        else if (!closes) QCOMPARE(w.displayText(), QStringLiteral("3"));
    }

    void copyPutsTheDisplayOnTheClipboard_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("copied");
        const int ctrlC = Qt::Key_C, ctrl = Qt::ControlModifier;
        QTest::newRow("typed number") << "12.5" << ctrlC << ctrl << "12.5";
        QTest::newRow("typed point") << "3." << ctrlC << ctrl << "3.";
        QTest::newRow("result") << "31*100/34\n" << ctrlC << ctrl << "91.17647059";
        QTest::newRow("negative exponent") << QStringLiteral("1/7±/1000000000\n") << ctrlC << ctrl << "-1.428571429e-10";
        QTest::newRow("arabic decimal typed") << QStringLiteral("١٫٢٥") << ctrlC << ctrl << "1.25";
        QTest::newRow("ctrl+insert") << "42" << int(Qt::Key_Insert) << ctrl << "42";
        QTest::newRow("error is not copied") << "5/0\n" << ctrlC << ctrl << kUntouched;
    }

    void copyPutsTheDisplayOnTheClipboard() {
        QFETCH(QString, keys);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, copied);
        CalculatorWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QGuiApplication::clipboard()->setText(kUntouched);
        type(&w, keys);
        const QString shown = w.displayText();
        QTest::keyClick(&w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QCOMPARE(w.displayText(), shown);
        if (copied == kUntouched) return;
        // What was copied pastes back as the same number.
        type(&w, "\x1b");
        QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.displayText(), copied);
    }

    void numberFromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");  // empty: refused
        QTest::newRow("plain") << "42" << "42";
        QTest::newRow("spaces around") << " \t3.5 \n" << "3.5";
        QTest::newRow("no-break spaces around") << QStringLiteral("\u00a07\u00a0") << "7";
        QTest::newRow("comma") << "3,5" << "3.5";
        QTest::newRow("arabic decimal separator") << QStringLiteral("٣٫٥") << "3.5";
        QTest::newRow("arabic comma") << QStringLiteral("٣،٥") << "3.5";
        QTest::newRow("arabic-indic digits") << QStringLiteral("٩١٫١٨") << "91.18";
        QTest::newRow("eastern arabic-indic digits") << QStringLiteral("۱۲۳") << "123";
        QTest::newRow("mixed digits") << QStringLiteral("1٢3") << "123";
        QTest::newRow("minus") << "-7" << "-7";
        QTest::newRow("minus sign") << QStringLiteral("\u22127") << "-7";
        QTest::newRow("plus") << "+7" << "7";
        QTest::newRow("direction marks") << QStringLiteral("\u200f-٧٫٥\u200e") << "-7.5";
        QTest::newRow("exponent") << "1.5e+12" << "1.5e+12";
        QTest::newRow("negative exponent") << "-1.428571429e-10" << "-1.428571429e-10";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("blank") << "  \n " << "";
        QTest::newRow("word") << "abc" << "";
        QTest::newRow("arabic word") << QStringLiteral("خطأ") << "";
        QTest::newRow("trailing letters") << "12abc" << "";
        QTest::newRow("space inside") << "1 234" << "";
        QTest::newRow("two lines") << "12\n34" << "";
        QTest::newRow("percent") << "12%" << "";
        QTest::newRow("arabic percent") << QStringLiteral("١٢٪") << "";
        QTest::newRow("trailing minus") << "3-" << "";
        QTest::newRow("sum") << QStringLiteral("٣ + ٤") << "";
        QTest::newRow("too long") << QString(65, QLatin1Char('1')) << "";
    }

    void numberFromText() {
        QFETCH(QString, text);
        QFETCH(QString, number);
        const auto n = calc::numberFromText(text);
        QCOMPARE(n ? QString::fromStdString(*n) : QString(), number);
    }

    void pasteEntersTheNumber_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("display");  // empty: refused
        QTest::addColumn<QString>("result");   // after Enter
        QTest::newRow("plain") << "3" << "3" << "15";
        QTest::newRow("spaces around") << "  3.5\n" << "3.5" << "15.5";
        QTest::newRow("comma") << "3,5" << "3.5" << "15.5";
        QTest::newRow("arabic") << QStringLiteral("٣٫٥") << "3.5" << "15.5";
        QTest::newRow("negative") << QStringLiteral("\u22122") << "-2" << "10";
        QTest::newRow("leading zeros") << "007" << "7" << "19";
        QTest::newRow("long number") << "0.30000000000000004" << "0.3" << "12.3";
        QTest::newRow("exponent") << "1.5e+12" << "1.5e+12" << "1.5e+12";
        QTest::newRow("word") << "abc" << "" << "";
        QTest::newRow("two points") << "1.2.3" << "" << "";
        QTest::newRow("thousands and decimals") << "1,234.5" << "" << "";
        QTest::newRow("lone point") << "." << "" << "";
        QTest::newRow("lone minus") << "-" << "" << "";
        QTest::newRow("infinity") << "inf" << "" << "";
        QTest::newRow("not a number") << "NaN" << "" << "";
        QTest::newRow("hexadecimal") << "0x10" << "" << "";
        QTest::newRow("out of range") << "1e999" << "" << "";
        QTest::newRow("empty") << "" << "" << "";
    }

    void pasteEntersTheNumber() {
        QFETCH(QString, clipboard);
        QFETCH(QString, display);
        QFETCH(QString, result);
        CalculatorWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        type(&w, "12+");
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
        if (display.isEmpty()) {
            // Refused: nothing changes, and the calculation goes on.
            QCOMPARE(w.displayText(), QStringLiteral("12"));
            QCOMPARE(w.expressionText(), QStringLiteral("12 +"));
            type(&w, "7\n");
            QCOMPARE(w.displayText(), QStringLiteral("19"));
            return;
        }
        QCOMPARE(w.displayText(), display);
        type(&w, "\n");
        QCOMPARE(w.displayText(), result);
    }

    void shiftInsertPastes() {
        CalculatorWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QGuiApplication::clipboard()->setText(QStringLiteral("٤٢"));
        QTest::keyClick(&w, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(w.displayText(), QStringLiteral("42"));
    }

    void pasteClearsAnError() {
        CalculatorWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        type(&w, "5/0\n");
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.displayText(), QStringLiteral("خطأ"));
        QGuiApplication::clipboard()->setText(QStringLiteral("8"));
        QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.displayText(), QStringLiteral("8"));
        type(&w, "+1\n");
        QCOMPARE(w.displayText(), QStringLiteral("9"));
    }

    void displayMenuCopiesAndPastes() {
        CalculatorWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto action = [](QMenu* menu, const char* name) {
            return menu->findChild<QAction*>(QString::fromLatin1(name));
        };

        // After an error nothing can be copied, and words cannot be pasted.
        type(&w, "5/0\n");
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        auto menu = w.makeDisplayMenu();
        QVERIFY(action(menu.get(), "copy") && action(menu.get(), "paste"));
        QVERIFY(action(menu.get(), "copy")->text().startsWith(QStringLiteral("نسخ")));
        QVERIFY(action(menu.get(), "paste")->text().startsWith(QStringLiteral("لصق")));
        QVERIFY(!action(menu.get(), "copy")->isEnabled());
        QVERIFY(!action(menu.get(), "paste")->isEnabled());
        QGuiApplication::clipboard()->setText(QStringLiteral("1.2.3"));
        QVERIFY(!w.makeDisplayMenu()->findChild<QAction*>(QStringLiteral("paste"))->isEnabled());

        QGuiApplication::clipboard()->setText(QStringLiteral("٢٫٥"));
        menu = w.makeDisplayMenu();
        QVERIFY(action(menu.get(), "paste")->isEnabled());
        action(menu.get(), "paste")->trigger();
        QCOMPARE(w.displayText(), QStringLiteral("2.5"));

        type(&w, "*4\n");
        menu = w.makeDisplayMenu();
        QVERIFY(action(menu.get(), "copy")->isEnabled());
        action(menu.get(), "copy")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("10"));
    }

    void calculationReadsLeftToRight() {
        // "1 + 1 =" must end with "=" at the right, not read "= 1 + 1" as an
        // Arabic line would: the rightmost glyph shows two bars, not one stroke.
        CalculatorWindow w;
        w.open();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        type(&w, "1+1\n");
        QCOMPARE(w.expressionText(), QStringLiteral("1 + 1 ="));
        const calc::FitLabel* line = w.findChild<calc::FitLabel*>(QStringLiteral("expression"));
        QVERIFY(line);
        const QImage shot = w.grab(QRect(line->mapTo(&w, QPoint(0, 0)), line->size())).toImage();
        const int right = lastInkColumn(shot);
        QVERIFY(right > 0);
        QCOMPARE(inkRuns(shot, right - 2), 2);
    }

    void keyboardReachesDisplay_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::newRow("digits and operators") << "31*100/34\n" << "91.17647059";
        QTest::newRow("equals sign") << "2+3*4=" << "20";
        QTest::newRow("comma as decimal point") << "0,1+0,2\n" << "0.3";
        QTest::newRow("x and unicode signs") << QStringLiteral("6x7÷2\n") << "21";
        QTest::newRow("arabic-indic digits") << QStringLiteral("٣١×١٠٠÷٣٤\n") << "91.17647059";
        QTest::newRow("arabic decimal separator") << QStringLiteral("١٫٥+1\n") << "2.5";
        QTest::newRow("percent") << "200+10%" << "220";
        QTest::newRow("arabic percent sign") << QStringLiteral("50*10٪") << "5";
        QTest::newRow("backspace") << "1234\b\b" << "12";
        QTest::newRow("escape clears all") << "12+3\x1b" "4\n" << "4";
        QTest::newRow("delete clears entry") << "12+34\x7f" "5\n" << "17";
        QTest::newRow("division by zero") << "5/0\n" << QStringLiteral("خطأ");
        QTest::newRow("recovers after error") << "5/0\n7+1\n" << "8";
        QTest::newRow("F9 changes the sign") << QStringLiteral("5±+8\n") << "3";
        QTest::newRow("repeated enter") << "2+3\n\n\n" << "11";
        QTest::newRow("letters ignored") << "7abc" << "7";
    }

    void keyboardReachesDisplay() {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        CalculatorWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        type(&w, keys);
        QCOMPARE(w.displayText(), display);
    }

    void buttonClicksReachDisplay() {
        CalculatorWindow w;
        w.open();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (Key k : {Key::Digit7, Key::Multiply, Key::Digit6})
            click(w, k);
        QCOMPARE(w.displayText(), QStringLiteral("6"));
        QCOMPARE(w.expressionText(), QStringLiteral("7 ×"));
        click(w, Key::Equals);
        QCOMPARE(w.displayText(), QStringLiteral("42"));
        QCOMPARE(w.expressionText(), QStringLiteral("7 × 6 ="));

        for (Key k : {Key::Negate, Key::Divide, Key::Digit4, Key::Point, Key::Digit2, Key::Equals})
            click(w, k);
        QCOMPARE(w.displayText(), QStringLiteral("-10"));

        for (Key k : {Key::Digit1, Key::Digit2, Key::Digit3, Key::Backspace})
            click(w, k);
        QCOMPARE(w.displayText(), QStringLiteral("12"));
        click(w, Key::Clear);
        QCOMPARE(w.displayText(), QStringLiteral("0"));
        QCOMPARE(w.expressionText(), QString());
    }

    void everyKeyHasAButton() {
        CalculatorWindow w;
        for (int k = static_cast<int>(Key::Digit0); k <= static_cast<int>(Key::Backspace); ++k) {
            QPushButton* b = w.button(static_cast<Key>(k));
            QVERIFY(b);
            QCOMPARE(b->focusPolicy(), Qt::NoFocus);
        }
    }

    void keyboardKeepsWorkingAfterClicks() {
        // Clicking a button must not move the keyboard focus away from the
        // window, or Enter would stop meaning "=".
        CalculatorWindow w;
        w.open();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QApplication::setActiveWindow(&w);
        click(w, Key::Digit2);
        click(w, Key::Add);
        click(w, Key::Digit3);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_Return);
        QCOMPARE(w.displayText(), QStringLiteral("5"));
    }

    void keyPressShowsItsButtonPressed() {
        CalculatorWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        type(&w, "9");
        QVERIFY(w.button(Key::Digit9)->isDown());
        QTRY_VERIFY(!w.button(Key::Digit9)->isDown());
    }

    void longNumbersFitTheDisplay() {
        CalculatorWindow w;
        w.resize(w.minimumSize());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        type(&w, QStringLiteral("1/7±/1000000000\n"));
        QCOMPARE(w.displayText(), QStringLiteral("-1.428571429e-10"));
        QVERIFY(textFits(w.display()));
        const int smallPixels = w.display()->font().pixelSize();

        // A short result on the same window uses a larger face.
        type(&w, "\x1b" "7");
        QVERIFY(textFits(w.display()));
        QVERIFY(w.display()->font().pixelSize() > smallPixels);

        // Maximising refits the text to the new width.
        w.showMaximized();
        type(&w, "1234567890");
        QTRY_VERIFY(w.isMaximized());
        QTRY_VERIFY(textFits(w.display()));
    }
};

QTEST_MAIN(CalculatorWindowTest)
#include "window_test.moc"
