// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

#include <QGuiApplication>
#include <QScreen>

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QTextOption>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace calc {

namespace {

// Numbers are drawn in DejaVu Sans, the face of Latin codes and numbers;
// the Arabic error message in Noto Kufi Arabic.
const QString kNumberFont = QStringLiteral("DejaVu Sans");
const QString kArabicFont = QStringLiteral("Noto Kufi Arabic");

// Right-aligned whatever the text's own direction: the Arabic error message
// stands where the numbers stand.
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;

const QString kStyle = QStringLiteral(R"(
QFrame#screen { background: #22384f; border-radius: 14px; }
QFrame#screen[flash="true"] { background: #3b6189; }
QLabel#title { color: #22384f; }
QLabel#expression { color: #b9c8d8; }
QLabel#display { color: #ffffff; }
QPushButton {
    border: 2px solid #b4c2d0; border-radius: 14px;
    background: #ffffff; color: #22384f;
}
QPushButton:hover { border-color: #22384f; }
QPushButton:pressed { background: #c9d5e1; }
QPushButton[role="operator"] { background: #d6e2ee; }
QPushButton[role="operator"]:pressed { background: #aebfd1; }
QPushButton[role="clear"] { background: #f7d9d3; color: #9b1c10; }
QPushButton[role="clear"]:pressed { background: #eab3a8; }
QPushButton[role="equals"] { background: #2f8a3b; color: #ffffff; border-color: #1f6a2a; }
QPushButton[role="equals"]:pressed { background: #22692b; }
QPushButton[role="close"] { background: #22384f; color: #ffffff; border-color: #22384f; }
QPushButton[role="close"]:hover { background: #b3261e; border-color: #b3261e; }
QPushButton[role="close"]:pressed { background: #8c1d17; border-color: #8c1d17; }
)");

}  // namespace

void registerBundledFonts() {
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& file : fonts.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
}

std::optional<Key> keyForEvent(int qtKey, const QString& text) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Equals;
    case Qt::Key_Backspace: return Key::Backspace;
    case Qt::Key_Escape: return Key::Clear;
    case Qt::Key_Delete: return Key::ClearEntry;
    case Qt::Key_F9: return Key::Negate;
    default: break;
    }
    if (text.size() != 1) return std::nullopt;
    const QChar c = text.front();
    // QChar::digitValue also reads the Arabic-Indic digits of an Arabic keyboard.
    if (c.isDigit() && c.digitValue() >= 0) return digitKey(c.digitValue());
    switch (c.unicode()) {
    case '.':
    case ',':
    case 0x066B:  // Arabic decimal separator
    case 0x060C:  // Arabic comma
        return Key::Point;
    case '+': return Key::Add;
    case '-':
    case 0x2212: return Key::Subtract;
    case '*':
    case 'x':
    case 'X':
    case 0x00D7: return Key::Multiply;
    case '/':
    case 0x00F7: return Key::Divide;
    case '%':
    case 0x066A: return Key::Percent;  // and the Arabic percent sign
    case '=': return Key::Equals;
    default: return std::nullopt;
    }
}

std::optional<std::string> numberFromText(const QString& text) {
    // Text copied from a document or a web page often carries invisible
    // direction marks around Arabic numbers; they mean nothing here.
    QString t;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool mark = (u >= 0x200B && u <= 0x200F) || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) ||
                          u == 0x061C || u == 0xFEFF;
        if (!mark) t += c;
    }
    t = t.trimmed();
    // A number never needs more; longer text is something else pasted by mistake.
    if (t.isEmpty() || t.size() > 64) return std::nullopt;

    std::string out;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        const char16_t u = c.unicode();
        const bool afterExponent = !out.empty() && out.back() == 'e';
        if (c.isDigit() && c.digitValue() >= 0) {
            out += static_cast<char>('0' + c.digitValue());
        } else if (u == '.' || u == ',' || u == 0x066B || u == 0x060C) {
            out += '.';
        } else if ((u == '-' || u == 0x2212) && (i == 0 || afterExponent)) {
            out += '-';
        } else if (u == '+' && (i == 0 || afterExponent)) {
            if (afterExponent) out += '+';
        } else if ((u == 'e' || u == 'E') && !out.empty()) {
            out += 'e';
        } else {
            return std::nullopt;
        }
    }
    // Two separators ("1,234.5", "1.2.3"), a lone sign or a lone point are
    // left for the engine to refuse: it checks the whole form.
    return out;
}

void FitLabel::setFittedText(const QString& text) {
    setText(text);
    fit();
}

void FitLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void FitLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    QTextOption option(QStyle::visualAlignment(layoutDirection(), alignment()));
    option.setTextDirection(layoutDirection());
    option.setWrapMode(QTextOption::NoWrap);
    painter.drawText(QRectF(contentsRect()), text(), option);
}

void FitLabel::fit() {
    // Start from a size that fills most of the height and shrink until the
    // text fits, so long numbers are never cut off.
    const QRect area = contentsRect();
    if (area.isEmpty()) return;
    QFont f = font();
    int px = std::max(8, area.height() * 3 / 4);
    for (;;) {
        f.setPixelSize(px);
        const QFontMetrics m(f);
        // The ink, not the line height, must fit: Arabic faces have tall lines.
        if (px <= 8 || (m.horizontalAdvance(text()) <= area.width() && m.tightBoundingRect(text()).height() <= area.height() * 9 / 10))
            break;
        px = std::max(8, px * 9 / 10);
    }
    if (f != font()) setFont(f);
}

void KeyButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    QFont f = font();
    const int px = std::max(14, std::min(height() * 2 / 5, width() / 3));
    if (f.pixelSize() != px) {
        f.setPixelSize(px);
        setFont(f);
    }
}

CalculatorWindow::CalculatorWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("الآلة الحاسبة"));
    // The keypad keeps the usual calculator order (7 8 9 on the left) and the
    // numbers read left to right, whatever the desktop's direction.
    setLayoutDirection(Qt::LeftToRight);
    setMinimumSize(420, 560);
    setStyleSheet(kStyle);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xe9, 0xee, 0xf3));
    setPalette(pal);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    auto* screen = new QFrame;
    screen_ = screen;
    screen->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(screen, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { makeDisplayMenu()->exec(screen_->mapToGlobal(at)); });
    screen->setObjectName(QStringLiteral("screen"));
    expression_ = new FitLabel;
    expression_->setObjectName(QStringLiteral("expression"));
    expression_->setAlignment(kRight);
    expression_->setFont(QFont(kNumberFont));
    expression_->setMinimumSize(1, 16);
    expression_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    display_ = new FitLabel;
    display_->setObjectName(QStringLiteral("display"));
    display_->setAlignment(kRight);
    QFont displayFont(kNumberFont);
    displayFont.setBold(true);
    display_->setFont(displayFont);
    display_->setMinimumSize(1, 48);
    display_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    auto* screenLayout = new QVBoxLayout(screen);
    screenLayout->setContentsMargins(24, 6, 24, 6);
    screenLayout->setSpacing(0);
    screenLayout->addWidget(expression_, 1);
    screenLayout->addWidget(display_, 3);

    // A title line of its own with a close button: where no window manager
    // draws a title bar, this is the only way out. The button sits at the
    // far left, away from the backspace key at the right, so that a pupil
    // deleting a digit never closes the calculator by mistake.
    close_ = new KeyButton(QStringLiteral("✕  إغلاق"));
    close_->setObjectName(QStringLiteral("close"));
    close_->setProperty("role", QStringLiteral("close"));
    close_->setToolTip(QStringLiteral("إغلاق الآلة الحاسبة (Ctrl+W)"));
    QFont closeFont(kArabicFont);
    closeFont.setBold(true);
    close_->setFont(closeFont);
    close_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    close_->setMinimumSize(64, 36);
    close_->setFocusPolicy(Qt::NoFocus);
    close_->setCursor(Qt::PointingHandCursor);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* title = new FitLabel;
    title->setObjectName(QStringLiteral("title"));
    title->setAlignment(kRight);
    QFont titleFont(kArabicFont);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setMinimumSize(1, 36);
    title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    title->setContentsMargins(0, 0, 8, 0);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setSpacing(12);
    grid->addWidget(close_, 0, 0);
    grid->addWidget(title, 0, 1, 1, 4);
    title->setFittedText(QStringLiteral("الآلة الحاسبة"));
    grid->addWidget(screen, 1, 0, 1, 4);
    grid->addWidget(makeButton(Key::Backspace, QStringLiteral("⌫"), "clear", QStringLiteral("حذف آخر رقم")), 1, 4);

    // The keypad starts on the third row.
    constexpr int k = 2;
    const QString digitLabel[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    const int rows[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            grid->addWidget(makeButton(digitKey(rows[r][c]), digitLabel[rows[r][c]], "digit"), k + r, c);
    grid->addWidget(makeButton(Key::Digit0, digitLabel[0], "digit"), k + 3, 0);
    KeyButton* point = makeButton(Key::Point, QStringLiteral("."), "digit", QStringLiteral("الفاصلة العشرية"));
    QFont pointFont = point->font();
    pointFont.setBold(true);  // a plain dot is easy to miss
    point->setFont(pointFont);
    grid->addWidget(point, k + 3, 1);
    grid->addWidget(makeButton(Key::Negate, QStringLiteral("±"), "operator", QStringLiteral("تغيير الإشارة")), k + 3, 2);

    grid->addWidget(makeButton(Key::Divide, QStringLiteral("÷"), "operator", QStringLiteral("القسمة")), k, 3);
    grid->addWidget(makeButton(Key::Multiply, QStringLiteral("×"), "operator", QStringLiteral("الضرب")), k + 1, 3);
    grid->addWidget(makeButton(Key::Subtract, QStringLiteral("−"), "operator", QStringLiteral("الطرح")), k + 2, 3);
    grid->addWidget(makeButton(Key::Add, QStringLiteral("+"), "operator", QStringLiteral("الجمع")), k + 3, 3);

    grid->addWidget(makeButton(Key::Clear, QStringLiteral("C"), "clear", QStringLiteral("مسح الكل")), k, 4);
    grid->addWidget(makeButton(Key::ClearEntry, QStringLiteral("CE"), "clear", QStringLiteral("مسح العدد الحالي")), k + 1, 4);
    grid->addWidget(makeButton(Key::Percent, QStringLiteral("%"), "operator", QStringLiteral("النسبة المئوية")), k + 2, 4);
    grid->addWidget(makeButton(Key::Equals, QStringLiteral("="), "equals", QStringLiteral("يساوي")), k + 3, 4);

    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 3);
    for (int r = k; r < k + 4; ++r) grid->setRowStretch(r, 2);
    for (int c = 0; c < 5; ++c) grid->setColumnStretch(c, 1);

    refresh();
}

KeyButton* CalculatorWindow::makeButton(Key key, const QString& label, const char* role, const QString& toolTip) {
    auto* b = new KeyButton(label);
    b->setProperty("role", QString::fromLatin1(role));
    b->setObjectName(QStringLiteral("key_") + QString::number(static_cast<int>(key)));
    b->setToolTip(toolTip);
    b->setFont(QFont(kNumberFont, 24));
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    b->setMinimumSize(64, 56);
    // Buttons never take the focus: Enter must mean "=", not "press the
    // button clicked last".
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
    buttons_[key] = b;
    return b;
}

void CalculatorWindow::open() {
    // Fill the screen's free area first: where no window manager maximises
    // windows (a bare X display), the calculator still opens full size.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
    showMaximized();
    raise();
    activateWindow();
    setFocus();
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    // Closing is handled here, not left to a window manager: on a bare
    // display there is none, and the calculator covers the whole screen.
    // Escape is not among these keys: it clears the calculation, as the C
    // key of a pocket calculator does.
    // Ctrl+W, Ctrl+Q, Ctrl+F4 and Alt+F4 close on every platform, whatever
    // its own shortcuts are.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int k = event->key();
    const bool closeKey = (mods == Qt::ControlModifier && (k == Qt::Key_W || k == Qt::Key_Q || k == Qt::Key_F4)) ||
                          (mods == Qt::AltModifier && k == Qt::Key_F4);
    if (closeKey || event->matches(QKeySequence::Close) || event->matches(QKeySequence::Quit)) {
        event->accept();
        close();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        event->accept();
        copyDisplay();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        pasteNumber();
        return;
    }
    const auto key = keyForEvent(event->key(), event->text());
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    press(*key);
    // Show which button the keyboard pressed.
    QPushButton* b = buttons_.at(*key);
    b->setDown(true);
    QTimer::singleShot(120, b, [b] { b->setDown(false); });
    event->accept();
}

bool CalculatorWindow::copyDisplay() {
    if (engine_.hasError()) return false;
    QGuiApplication::clipboard()->setText(QString::fromStdString(engine_.display()));
    flashScreen();  // shows the pupil that something happened
    return true;
}

bool CalculatorWindow::pasteNumber() {
    const auto number = numberFromText(QGuiApplication::clipboard()->text());
    if (!number || !engine_.enterNumber(*number)) return false;
    refresh();
    return true;
}

std::unique_ptr<QMenu> CalculatorWindow::makeDisplayMenu() {
    auto menu = std::make_unique<QMenu>(this);
    menu->setLayoutDirection(Qt::RightToLeft);
    menu->setStyleSheet(QStringLiteral(
        "QMenu { background: #ffffff; border: 2px solid #b4c2d0; padding: 6px; }"
        "QMenu::item { color: #22384f; padding: 8px 20px; border-radius: 6px; font-family: 'Noto Kufi Arabic'; font-size: 17px; }"
        "QMenu::item:selected { background: #d6e2ee; }"
        "QMenu::item:disabled { color: #a3b0bd; }"));
    QAction* copy = menu->addAction(QStringLiteral("نسخ العدد"), this, [this] { copyDisplay(); });
    copy->setObjectName(QStringLiteral("copy"));
    copy->setEnabled(!engine_.hasError());
    QAction* paste = menu->addAction(QStringLiteral("لصق عدد"), this, [this] { pasteNumber(); });
    paste->setObjectName(QStringLiteral("paste"));
    const auto number = numberFromText(QGuiApplication::clipboard()->text());
    Engine probe = engine_;  // would the number be taken?
    paste->setEnabled(number && probe.enterNumber(*number));
    return menu;
}

void CalculatorWindow::flashScreen() {
    const auto restyle = [this](bool on) {
        screen_->setProperty("flash", on);
        screen_->style()->unpolish(screen_);
        screen_->style()->polish(screen_);
        screen_->update();
    };
    restyle(true);
    QTimer::singleShot(150, screen_, [restyle] { restyle(false); });
}

void CalculatorWindow::press(Key key) {
    engine_.press(key);
    refresh();
}

void CalculatorWindow::refresh() {
    expression_->setFittedText(QString::fromStdString(engine_.expression()));
    QFont f = display_->font();
    f.setFamily(engine_.hasError() ? kArabicFont : kNumberFont);
    display_->setFont(f);
    display_->setFittedText(QString::fromStdString(engine_.display()));
}

}  // namespace calc
