#include "window.h"

#include <QApplication>
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
