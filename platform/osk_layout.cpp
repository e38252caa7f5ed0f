// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/osk_layout.h"

#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <cstring>

#if QT_CONFIG(xcb) && defined(NIZAM_HAVE_XCB)
#include <xcb/xcb.h>
#endif

namespace nizam::platform {

namespace {

constexpr int kColumns = 12;
constexpr int kRows = 5;

// The rows as a touch keyboard for Arabic lays them, read right to left:
// ض at the top right, the hamza forms beside the letters that carry them.
const char* const kLetterRows[3][kColumns] = {
    {"ض", "ص", "ث", "ق", "ف", "غ", "ع", "ه", "خ", "ح", "ج", "د"},
    {"ش", "س", "ي", "ب", "ل", "ا", "ت", "ن", "م", "ك", "ط", "ذ"},
    {"أ", "إ", "آ", "ئ", "ء", "ؤ", "ر", "ى", "ة", "و", "ز", "ظ"},
};
// The signs of a spreadsheet formula, the column letters of its cells, and
// the marks of Arabic writing; read left to right, as a formula is.
const char* const kSignRows[3][kColumns] = {
    {"=", "+", "-", "*", "/", "(", ")", "%", "^", "<", ">", ":"},
    {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"},
    {"؟", "!", "،", "؛", "«", "»", "", "", "", "", "", ""},
};
// Western digits, as the answer keys have them, left to right, then the
// decimal point and comma.
const char* const kDigits[kColumns] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", ".", ","};

}  // namespace

OskLayout layoutKeyboard(QSize window, OskLayer layer, double clearLeft) {
    const double w = std::max(1, window.width()), h = std::max(1, window.height());
    // Rows of about a fifteenth of the window's height: the five of them
    // leave more than half of it to the page.
    const double keyH = std::clamp(h * 0.066, kOskMinKey, 96.0);
    const double gap = std::round(keyH * 0.12);
    const double pad = std::round(keyH * 0.2);
    // As wide as leaves the tab's corner free at the left.
    const double room = w - std::max(clearLeft, 0.0);
    const double keyW = std::max(kOskMinKey, std::min(keyH * 1.25, (room - 2 * pad - (kColumns - 1) * gap) / kColumns));
    OskLayout out;
    out.keyHeight = keyH;
    out.panel = QSizeF(kColumns * keyW + (kColumns - 1) * gap + 2 * pad, kRows * keyH + (kRows - 1) * gap + 2 * pad);
    // Column c counted from the left, row r from the top, `span` columns wide.
    auto cell = [&](double c, int r, double span) {
        return QRectF(pad + c * (keyW + gap), pad + r * (keyH + gap), span * keyW + (span - 1) * gap, keyH);
    };
    auto add = [&](OskAction action, const QString& text, const QString& name, const QString& caption, QRectF r) {
        out.keys.push_back(OskKey{action, text, name, caption, r});
    };
    auto typed = [&](const char* s, double c, int r) {
        const QString t = QString::fromUtf8(s);
        if (!t.isEmpty()) add(OskAction::Type, t, t, t, cell(c, r, 1));
    };
    for (int c = 0; c < kColumns; ++c) typed(kDigits[c], c, 0);
    for (int r = 0; r < 3; ++r) {
        if (layer == OskLayer::Letters) {
            for (int c = 0; c < kColumns; ++c) typed(kLetterRows[r][c], kColumns - 1 - c, r + 1);  // right to left
        } else {
            int count = 0;
            while (count < kColumns && *kSignRows[r][count]) ++count;
            const double first = (kColumns - count) / 2.0;  // a shorter row stands in the middle
            for (int c = 0; c < count; ++c) typed(kSignRows[r][c], first + c, r + 1);
        }
    }
    // The bottom row, right to left: hide, the layer switch, the space bar, backspace.
    add(OskAction::Hide, {}, QStringLiteral("hide"), QStringLiteral("إخفاء"), cell(10, 4, 2));
    add(OskAction::Layer, {}, QStringLiteral("layer"),
        layer == OskLayer::Letters ? QStringLiteral("=+") : QStringLiteral("أ ب ت"), cell(8.5, 4, 1.5));
    add(OskAction::Type, QStringLiteral(" "), QStringLiteral("space"), QString(), cell(2.5, 4, 6));
    add(OskAction::Backspace, {}, QStringLiteral("backspace"), QString(), cell(0, 4, 2.5));
    return out;
}

QRectF placeKeyboard(QSize window, QSizeF panel, const std::optional<QRectF>& box, double clearLeft) {
    double x = std::round((window.width() - panel.width()) / 2);
    if (x < clearLeft) x = std::max(0.0, std::min(std::ceil(clearLeft), window.width() - panel.width()));
    const QRectF bottom(QPointF(x, window.height() - panel.height()), panel);
    const QRectF top(QPointF(x, 0), panel);
    if (!box || !bottom.intersects(*box)) return bottom;
    if (!top.intersects(*box)) return top;
    auto covered = [&](const QRectF& r) {
        const QRectF both = r.intersected(*box);
        return both.width() * both.height();
    };
    return covered(top) < covered(bottom) ? top : bottom;
}

std::optional<OskKey> findKey(const OskLayout& layout, const QString& name) {
    for (const OskKey& k : layout.keys)
        if (k.name == name) return k;
    return std::nullopt;
}

bool hasArabicLayout(std::string_view layouts, std::string_view variants) {
    const QStringList names = QString::fromUtf8(layouts.data(), static_cast<qsizetype>(layouts.size())).split(',');
    const QStringList kinds = QString::fromUtf8(variants.data(), static_cast<qsizetype>(variants.size())).split(',');
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString name = names[i].trimmed().toLower();
        const QString variant = i < kinds.size() ? kinds[i].trimmed() : QString();
        if (name == QLatin1String("ara")) return true;
        // Layouts named after a country whose default variant is Arabic.
        if (variant.isEmpty() && (name == QLatin1String("iq") || name == QLatin1String("sy") ||
                                  name == QLatin1String("ma") || name == QLatin1String("tn")))
            return true;
    }
    return false;
}

std::optional<KeyboardLayouts> systemKeyboardLayouts() {
#if QT_CONFIG(xcb) && defined(NIZAM_HAVE_XCB)
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return std::nullopt;
    static const char kName[] = "_XKB_RULES_NAMES";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof kName - 1, kName), nullptr);
    if (!atom) return std::nullopt;
    const xcb_atom_t names = atom->atom;
    free(atom);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (names == XCB_ATOM_NONE || !screen) return std::nullopt;
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, screen->root, names, XCB_ATOM_STRING, 0, 1024), nullptr);
    if (!reply) return std::nullopt;
    // Five strings, each ended by a zero byte: rules, model, layouts, variants, options.
    const char* data = static_cast<const char*>(xcb_get_property_value(reply));
    const std::string value(data, static_cast<std::size_t>(std::max(0, xcb_get_property_value_length(reply))));
    free(reply);
    std::vector<std::string> fields;
    std::size_t from = 0;
    while (from <= value.size() && fields.size() < 5) {
        const std::size_t end = std::min(value.find('\0', from), value.size());
        fields.push_back(value.substr(from, end - from));
        from = end + 1;
    }
    if (fields.size() < 3 || fields[2].empty()) return std::nullopt;
    return KeyboardLayouts{fields[2], fields.size() > 3 ? fields[3] : std::string()};
#else
    return std::nullopt;
#endif
}

bool keyboardOnByDefault() {
    const auto system = systemKeyboardLayouts();
    return !system || !hasArabicLayout(system->layouts, system->variants);
}

}  // namespace nizam::platform
