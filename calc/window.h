// The calculator's window: a large display over a keypad of big buttons,
// driven by the mouse or the keyboard.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <map>
#include <optional>

#include "engine.h"

namespace calc {

// Registers the fonts shipped in the "fonts" folder beside the program, so
// the calculator draws with the same faces on every machine.
void registerBundledFonts();

// The key a keyboard event stands for: digits (Western or Arabic-Indic),
// "." "," and the Arabic decimal separator for the point, + - * / x and
// their signs, % and the Arabic percent sign, Enter and "=" for equals,
// Backspace, Escape to clear everything, Delete to clear the entry and F9
// to change the sign.
std::optional<Key> keyForEvent(int qtKey, const QString& text);

// A label whose font shrinks so that its whole text always fits its width.
class FitLabel : public QLabel {
public:
    using QLabel::QLabel;
    void setFittedText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

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
    QString expressionText() const { return expression_->text(); }
    QPushButton* button(Key key) const { return buttons_.at(key); }
    FitLabel* display() const { return display_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    KeyButton* makeButton(Key key, const QString& label, const char* role, const QString& toolTip = {});
    void press(Key key);
    void refresh();

    Engine engine_;
    FitLabel* expression_ = nullptr;
    FitLabel* display_ = nullptr;
    std::map<Key, QPushButton*> buttons_;
};

}  // namespace calc
