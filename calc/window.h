// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's window: a large display over a keypad of big buttons,
// driven by the mouse or the keyboard.
#pragma once

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "engine.h"

namespace calc {

// Registers the fonts shipped in the "fonts" folder beside the program, so
// the calculator draws with the same faces on every machine.
void registerBundledFonts();

// The key a keyboard event stands for: digits (Western or Arabic-Indic),
// "." "," and the Arabic decimal separator for the point, + - * / x and
// their signs, % and the Arabic percent sign, Enter and "=" for equals,
// Backspace, Escape to clear everything (as the C key of a pocket
// calculator), Delete to clear the entry and F9 to change the sign. The
// window's own shortcuts (closing, copy, paste) are not keys of the keypad.
std::optional<Key> keyForEvent(int qtKey, const QString& text);

// The number in text that a pupil pastes, in the form Engine::enterNumber
// takes: spaces around it and direction marks are dropped, Arabic-Indic and
// other decimal digits become 0-9, a point, a comma, the Arabic decimal
// separator or the Arabic comma becomes the point, and a leading minus sign
// (or U+2212) becomes "-". Nothing is returned for anything else: letters,
// spaces inside, percent signs, more than one separator.
std::optional<std::string> numberFromText(const QString& text);

// A label whose font shrinks so that its whole text always fits its width.
// Its text is laid out in the label's own direction: a calculation such as
// "31 ÷ 3 =" has no letters to tell its direction by, and must never be
// drawn as "= 3 ÷ 31".
class FitLabel : public QLabel {
public:
    using QLabel::QLabel;
    void setFittedText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fit();
};

// A keypad button whose label grows with the button.
class KeyButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

class CalculatorWindow : public QWidget {
public:
    explicit CalculatorWindow(QWidget* parent = nullptr);

    // Shows the window maximised and gives it the keyboard focus.
    void open();

    QString displayText() const { return display_->text(); }
    QPushButton* closeButton() const { return close_; }
    QString expressionText() const { return expression_->text(); }
    QPushButton* button(Key key) const { return buttons_.at(key); }
    FitLabel* display() const { return display_; }

    // Puts the display, as shown, on the clipboard. An error message is not
    // a number, so it leaves the clipboard as it was; returns whether it copied.
    bool copyDisplay();
    // Enters the number on the clipboard as if it had been typed; anything
    // that is not a number is refused and changes nothing. Returns whether
    // a number was entered.
    bool pasteNumber();
    // The menu a right click on the display opens: copy and paste, for
    // pupils who work with the mouse. Each entry is enabled only when it
    // can do something.
    std::unique_ptr<QMenu> makeDisplayMenu();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    KeyButton* makeButton(Key key, const QString& label, const char* role, const QString& toolTip = {});
    void press(Key key);
    void refresh();
    void flashScreen();

    Engine engine_;
    FitLabel* expression_ = nullptr;
    FitLabel* display_ = nullptr;
    QWidget* screen_ = nullptr;
    QPushButton* close_ = nullptr;
    std::map<Key, QPushButton*> buttons_;
};

}  // namespace calc
