// SPDX-License-Identifier: GPL-3.0-or-later
// nizam-cards: turns tables of label texts into the SVG pictures of the drag
// labels, so that a label's wording is edited in one table and every card is
// set the same way.
//
//   nizam-cards [--below-floor LIST.tsv] FONTS_DIR OUT_DIR TABLE.tsv...
//
// A table line is `file<TAB>width<TAB>height<TAB>text`, optionally followed by
// columns of `key=value` options (a bare number in the fifth column is the
// width of the covered left part, as `covered=N`). `@defaults key=value ...`
// sets options for the lines after it, `#` starts a comment. The text takes a
// small markup: `\n` breaks the line, `{red,sub:3}` is a run with its own
// colour or position, `\{`, `\}` and `\\` stand for themselves. Words in Latin
// letters are set in DejaVu Sans, the rest in Noto Naskh Arabic.
//
// The cards of one group (by default, every card of a table) share one text
// size: the largest at which every card of the group holds its text. That
// size, at the scale its page is shown in the floor's window, must reach the
// floor of its kind of text (runtime/text_floor.h; a table outside a page's
// folder is taken at scale 1): a card below it is refused unless the list
// given with --below-floor names it (`card<TAB>reason`). docs/cards.md
// describes the format for the people who edit the tables.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QHash>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QTextLayout>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

#include "app/registry.h"
#include "runtime/layout.h"
#include "runtime/text_floor.h"

namespace {

const QString kArabicFamily = "Noto Naskh Arabic";
const QString kLatinFamily = "DejaVu Sans";
const QString kTextColour = "#1d2a36";
const QString kEdgeColour = "#7d8b99";
// Qt SVG lays text out with its font scaled to 100 pixels; measuring at the
// same size gives the widths it will draw.
constexpr double kUnit = 100.0;
// A subscript or superscript is set at this part of the text size, lowered or
// raised by the given part of it.
constexpr double kScriptScale = 0.62;
constexpr double kSubShift = 0.22;
constexpr double kSupShift = -0.38;
// The smallest size tried when a text does not fit its card; the floor of
// its kind of text is checked apart, at its page's scale.
constexpr double kMinSize = 7.0;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class Place { Base, Sub, Sup };

struct Run {
    QString text;
    QString family;
    QString colour;  // empty: the card's text colour
    Place place = Place::Base;
};

struct Line {
    std::vector<Run> runs;
    QString text() const {
        QString s;
        for (const Run& r : runs) s += r.text;
        return s;
    }
};

struct Options {
    int covered = 0;
    QString group;  // empty: the table's group; "-": the card alone
    QString fill = "#ffffff";
    QString textColour = kTextColour;
    QString frameColour;  // empty: a thin grey edge
    double frameWidth = 0;
};

struct Card {
    QString table;
    int lineNo = 0;
    QString file;
    int width = 0, height = 0;
    std::vector<Line> lines;
    Options opt;
    QString groupKey;
    double scale = 1;  // its page's scale in the floor's window
};

QString escape(QString s) {
    return s.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;").replace('"', "&quot;");
}

QString num(double v) {
    QString s = QString::number(v, 'f', 2);
    while (s.contains('.') && (s.endsWith('0') || s.endsWith('.'))) s.chop(1);
    return s;
}

// A colour by name (the few a page uses) or as #rgb / #rrggbb.
std::optional<QString> colour(const QString& v) {
    static const QHash<QString, QString> named = {
        {"red", "#c0141c"},   {"blue", "#1f5fa8"},  {"green", "#2e7d32"}, {"teal", "#1b7c7c"},
        {"orange", "#e07b00"}, {"dark", kTextColour}, {"black", "#000000"}, {"white", "#ffffff"},
    };
    if (named.contains(v)) return named.value(v);
    static const QRegularExpression hex("^#([0-9a-fA-F]{3}|[0-9a-fA-F]{6})$");
    if (hex.match(v).hasMatch()) return v.toLower();
    return std::nullopt;
}

// Splits a run's text into parts set in the Arabic face and words in Latin
// letters (with the digits and points that belong to them) set in DejaVu Sans.
void addByScript(std::vector<Run>& out, const Run& run, bool forceLatin) {
    if (forceLatin) {
        out.push_back(run);
        out.back().family = kLatinFamily;
        return;
    }
    static const QRegularExpression latin("[A-Za-z0-9.]*[A-Za-z][A-Za-z0-9.]*");
    qsizetype at = 0;
    auto it = latin.globalMatch(run.text);
    auto push = [&](const QString& text, const QString& family) {
        if (text.isEmpty()) return;
        Run r = run;
        r.text = text;
        r.family = family;
        out.push_back(r);
    };
    while (it.hasNext()) {
        const auto m = it.next();
        push(run.text.mid(at, m.capturedStart() - at), kArabicFamily);
        push(m.captured(), kLatinFamily);
        at = m.capturedEnd();
    }
    push(run.text.mid(at), kArabicFamily);
}

// Reads the text column: lines, runs and escapes.
std::vector<Line> parseText(const QString& src) {
    std::vector<Line> lines(1);
    QString plain;
    auto flush = [&] {
        if (!plain.isEmpty()) addByScript(lines.back().runs, Run{plain, {}, {}, Place::Base}, false);
        plain.clear();
    };
    for (qsizetype i = 0; i < src.size(); ++i) {
        const QChar c = src[i];
        if (c == '\\') {
            if (i + 1 >= src.size()) throw Failure("a lone \\ at the end of the text");
            const QChar n = src[++i];
            if (n == 'n') {
                flush();
                lines.emplace_back();
            } else if (n == '\\' || n == '{' || n == '}') {
                plain += n;
            } else {
                throw Failure(QString("unknown escape \\%1").arg(n).toStdString());
            }
        } else if (c == '{') {
            const qsizetype colon = src.indexOf(':', i);
            const qsizetype close = src.indexOf('}', i);
            if (colon < 0 || close < 0 || close < colon) throw Failure("a run needs {style:text}");
            const QString body = src.mid(colon + 1, close - colon - 1);
            if (body.isEmpty() || body.contains('{') || body.contains('\\'))
                throw Failure("a run holds plain text, without markup");
            Run run{body, {}, {}, Place::Base};
            bool forceLatin = false;
            for (const QString& token : src.mid(i + 1, colon - i - 1).split(',')) {
                const QString t = token.trimmed();
                if (t == "sub") run.place = Place::Sub;
                else if (t == "sup") run.place = Place::Sup;
                else if (t == "latin") forceLatin = true;
                else if (auto col = colour(t)) run.colour = *col;
                else throw Failure(QString("unknown run style '%1'").arg(t).toStdString());
            }
            flush();
            addByScript(lines.back().runs, run, forceLatin);
            i = close;
        } else if (c == '}') {
            throw Failure("a } without its {");
        } else {
            plain += c;
        }
    }
    flush();
    // Digits and signs that follow a Latin word (a red subscript after FP,
    // the dash in FC1-FC2) are set in the Latin face with it.
    static const QRegularExpression letter("\\p{L}");
    for (Line& l : lines) {
        if (l.text().trimmed().isEmpty()) throw Failure("an empty line of text");
        for (std::size_t i = 1; i < l.runs.size(); ++i)
            if (l.runs[i - 1].family == kLatinFamily && !l.runs[i].text.contains(letter))
                l.runs[i].family = kLatinFamily;
    }
    return lines;
}

void applyOption(Options& o, const QString& token) {
    const qsizetype eq = token.indexOf('=');
    if (eq <= 0) throw Failure(QString("expected key=value, found '%1'").arg(token).toStdString());
    const QString key = token.left(eq), value = token.mid(eq + 1);
    bool ok = false;
    if (key == "covered") {
        o.covered = value.toInt(&ok);
        if (!ok || o.covered < 0) throw Failure("covered takes a width in pixels");
    } else if (key == "group") {
        static const QRegularExpression name("^[A-Za-z0-9_-]+$");
        if (!name.match(value).hasMatch()) throw Failure("group takes a name of letters, digits, _ and -");
        o.group = value;
    } else if (key == "fill") {
        const auto c = colour(value);
        if (!c) throw Failure(QString("not a colour: '%1'").arg(value).toStdString());
        o.fill = *c;
    } else if (key == "color" || key == "colour") {
        const auto c = colour(value);
        if (!c) throw Failure(QString("not a colour: '%1'").arg(value).toStdString());
        o.textColour = *c;
    } else if (key == "frame") {
        const QStringList parts = value.split('/');
        const auto c = colour(parts[0]);
        double w = 2;
        if (parts.size() == 2) w = parts[1].toDouble(&ok);
        if (!c || parts.size() > 2 || (parts.size() == 2 && (!ok || w <= 0 || w > 8)))
            throw Failure("frame takes a colour and an optional width: frame=#1b7c7c/2");
        o.frameColour = *c;
        o.frameWidth = w;
    } else {
        throw Failure(QString("unknown option '%1'").arg(key).toStdString());
    }
}

// The size of a script run for a card's text size, as it is written.
double scriptSizeFor(double size) { return std::floor(size * kScriptScale * 2) / 2; }

// One line of text laid out as Qt SVG lays it out, at the 100-pixel size.
struct Measured {
    double width = 0;      // advance of the whole line
    QRectF ink;            // ink of the line, baseline at y = 0
    std::vector<double> runLeft;  // left edge of each run's glyphs, from the line's left
};

QFont runFont(const Run& r, double unit) {
    QFont f(r.family);
    f.setBold(true);
    f.setPixelSize(static_cast<int>(r.place == Place::Base ? unit : unit * kScriptScale));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

Measured measure(const Line& line) {
    const QString text = line.text();
    QList<QTextLayout::FormatRange> formats;
    int at = 0;
    for (const Run& r : line.runs) {
        QTextLayout::FormatRange range;
        range.start = at;
        range.length = static_cast<int>(r.text.size());
        range.format.setFont(runFont(r, kUnit));
        formats.append(range);
        at += range.length;
    }
    QTextLayout layout(text);
    layout.setFormats(formats);
    layout.beginLayout();
    QTextLine tl = layout.createLine();
    layout.endLayout();
    Measured m;
    m.width = tl.naturalTextWidth();
    at = 0;
    for (const Run& r : line.runs) {
        double left = m.width;
        const double shift = r.place == Place::Sub ? kSubShift * kUnit : r.place == Place::Sup ? kSupShift * kUnit : 0;
        for (const QGlyphRun& g : tl.glyphRuns(at, static_cast<int>(r.text.size()))) {
            const QRawFont raw = g.rawFont();
            const QList<quint32> glyphs = g.glyphIndexes();
            const QList<QPointF> pos = g.positions();
            for (qsizetype i = 0; i < glyphs.size(); ++i) {
                left = std::min(left, pos[i].x());
                const QRectF box = raw.boundingRect(glyphs[i]);
                if (box.isEmpty()) continue;
                m.ink |= box.translated(pos[i].x(), pos[i].y() - tl.ascent() + shift);
            }
        }
        m.runLeft.push_back(left);
        at += static_cast<int>(r.text.size());
    }
    return m;
}

// Where the text of a card may lie, and how its lines stack.
struct Frame {
    double left, right, top, bottom;
};

Frame textArea(const Card& c) {
    const double edge = c.opt.frameColour.isEmpty() ? 1.0 : c.opt.frameWidth;
    const double side = std::max(2.0, c.height * 0.12) + edge;
    const double vpad = c.height * 0.07 + (edge > 1 ? edge - 1 : 0);
    return {c.opt.covered + side, c.width - side, vpad, c.height - vpad};
}

struct Stack {
    std::vector<Measured> lines;
    std::vector<double> baseline;  // at 100 pixels, from the top of the block's ink
    double width = 0, height = 0;
};

Stack stack(const Card& c) {
    Stack s;
    double y = 0;
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
        Measured m = measure(c.lines[i]);
        if (i == 0) {
            y = -m.ink.top();
        } else {
            // The next line's tallest letter clears the previous line's lowest
            // one by a small gap; lines never stand closer than 1.05 of the size.
            const Measured& prev = s.lines.back();
            y += std::max(prev.ink.bottom() - m.ink.top() + 0.08 * kUnit, 1.05 * kUnit);
        }
        s.baseline.push_back(y);
        s.width = std::max(s.width, m.width);
        s.height = y + m.ink.bottom();
        s.lines.push_back(std::move(m));
    }
    return s;
}

bool fits(const Card& c, const Stack& s, double size) {
    const Frame a = textArea(c);
    const double k = size / kUnit;
    return s.width * k <= a.right - a.left && s.height * k <= a.bottom - a.top;
}

QString svg(const Card& c, const Stack& s, double size) {
    const Frame a = textArea(c);
    const double k = size / kUnit;
    const double cx = (a.left + a.right) / 2.0;
    const double top = (c.height - s.height * k) / 2.0;
    QString out;
    QTextStream o(&out);
    o << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << c.width << "\" height=\"" << c.height
      << "\" viewBox=\"0 0 " << c.width << ' ' << c.height << "\">\n"
      << "  <rect x=\"0\" y=\"0\" width=\"" << c.width << "\" height=\"" << c.height << "\" fill=\"" << c.opt.fill
      << "\"/>\n";
    if (c.opt.frameColour.isEmpty()) {
        o << "  <rect x=\"0.5\" y=\"0.5\" width=\"" << c.width - 1 << "\" height=\"" << c.height - 1
          << "\" rx=\"2\" fill=\"" << c.opt.fill << "\" stroke=\"" << kEdgeColour << "\" stroke-width=\"1\"/>\n";
    } else {
        const double w = c.opt.frameWidth;
        o << "  <rect x=\"" << num(w / 2) << "\" y=\"" << num(w / 2) << "\" width=\"" << num(c.width - w)
          << "\" height=\"" << num(c.height - w) << "\" fill=\"" << c.opt.fill << "\" stroke=\"" << c.opt.frameColour
          << "\" stroke-width=\"" << num(w) << "\"/>\n";
    }
    const QString scriptSize = num(scriptSizeFor(size));
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
        const Line& line = c.lines[i];
        const Measured& m = s.lines[i];
        const double baseline = top + s.baseline[i] * k;
        const QString base = line.runs.front().place == Place::Base ? line.runs.front().family : kArabicFamily;
        // The whole line is one text element, so that Qt orders Arabic and
        // Latin runs as one paragraph; a sub- or superscript keeps its place
        // in it as an undrawn run and is drawn on its own, shifted.
        o << "  <text x=\"" << num(cx) << "\" y=\"" << num(baseline)
          << "\" text-anchor=\"middle\" xml:space=\"preserve\" font-family=\"" << base
          << "\" font-weight=\"bold\" font-size=\"" << num(size) << "\" fill=\"" << c.opt.textColour << "\">";
        for (const Run& r : line.runs) {
            if (r.place != Place::Base) {
                o << "<tspan font-family=\"" << r.family << "\" font-size=\"" << scriptSize
                  << "\" fill=\"none\">" << escape(r.text) << "</tspan>";
            } else if (r.family == base && r.colour.isEmpty()) {
                o << escape(r.text);
            } else {
                o << "<tspan font-family=\"" << r.family << '"';
                if (!r.colour.isEmpty()) o << " fill=\"" << r.colour << '"';
                o << '>' << escape(r.text) << "</tspan>";
            }
        }
        o << "</text>\n";
        for (std::size_t j = 0; j < line.runs.size(); ++j) {
            const Run& r = line.runs[j];
            if (r.place == Place::Base) continue;
            const double x = cx + (m.runLeft[j] - m.width / 2.0) * k;
            const double y = baseline + (r.place == Place::Sub ? kSubShift : kSupShift) * size;
            o << "  <text x=\"" << num(x) << "\" y=\"" << num(y) << "\" class=\""
              << (r.place == Place::Sub ? "sub" : "sup") << "\" xml:space=\"preserve\" font-family=\""
              << r.family << "\" font-weight=\"bold\" font-size=\"" << scriptSize << "\" fill=\""
              << (r.colour.isEmpty() ? c.opt.textColour : r.colour) << "\">" << escape(r.text) << "</text>\n";
        }
    }
    o << "</svg>\n";
    return out;
}

// The scale of the page whose folder holds the table (screens/<topic>/formN/),
// in the window the floors are checked in; 1 for a table elsewhere.
double tableScale(const QString& path) {
    const QString folder = QFileInfo(path).absoluteDir().dirName();
    for (const nizam::RegistryEntry& e : nizam::screenRegistry()) {
        const std::string& name = e.module->def.name;
        if (QString::fromStdString(name).compare(folder, Qt::CaseInsensitive) == 0)
            return nizam::pageScale(e.module->def, nizam::kFloorWindowWidth, nizam::kFloorWindowHeight);
    }
    return 1.0;
}

// What keeps a card at `size` under its floor, or nothing: its main text,
// one word or more, and its script runs.
std::optional<QString> belowFloor(const Card& c, double size) {
    QStringList words;
    bool script = false;
    for (const Line& l : c.lines) {
        QString base;
        for (const Run& r : l.runs) {
            if (r.place == Place::Base) base += r.text;
            else script = true;
        }
        words << base;
    }
    const QString text = words.join(' ');
    const nizam::TextKind kind = nizam::kindOfText(text.toStdString());
    const double shown = size * c.scale;
    if (shown + 0.01 < nizam::textFloor(kind))
        return QString("its text is %1 px in a %2 x %3 window, below the floor of %4 px for %5")
            .arg(num(shown)).arg(nizam::kFloorWindowWidth).arg(nizam::kFloorWindowHeight)
            .arg(nizam::textFloor(kind)).arg(nizam::textKindName(kind));
    const double sub = scriptSizeFor(size) * c.scale;
    if (script && sub + 0.01 < nizam::textFloor(nizam::TextKind::Subscript))
        return QString("its subscript is %1 px in a %2 x %3 window, below the floor of %4 px")
            .arg(num(sub)).arg(nizam::kFloorWindowWidth).arg(nizam::kFloorWindowHeight)
            .arg(nizam::textFloor(nizam::TextKind::Subscript));
    return std::nullopt;
}

// The cards allowed below the floor: `card<TAB>reason` a line, `#` comments.
QHash<QString, QString> readBelowFloor(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) throw Failure(("cannot read " + path).toStdString());
    QHash<QString, QString> list;
    int lineNo = 0;
    for (const QString& row : QString::fromUtf8(file.readAll()).split('\n')) {
        ++lineNo;
        if (row.trimmed().isEmpty() || row.trimmed().startsWith('#')) continue;
        const QStringList cols = row.split('\t');
        if (cols.size() != 2 || cols[1].trimmed().isEmpty())
            throw Failure(QString("%1:%2: expected a card and its reason").arg(path).arg(lineNo).toStdString());
        list.insert(cols[0].trimmed(), cols[1].trimmed());
    }
    return list;
}

// Reads one table; throws with the line number of the first malformed line.
std::vector<Card> readTable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) throw Failure(("cannot read " + path).toStdString());
    QTextStream in(&file);
    std::vector<Card> cards;
    const double scale = tableScale(path);
    Options defaults;
    static const QRegularExpression safeName("^[A-Za-z0-9_-]+$");
    int lineNo = 0;
    while (!in.atEnd()) {
        ++lineNo;
        const QString row = in.readLine();
        try {
            if (row.trimmed().isEmpty() || row.trimmed().startsWith('#')) continue;
            const QStringList words = row.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
            if (words.value(0) == "@defaults") {
                defaults = Options{};
                for (const QString& t : words.mid(1)) applyOption(defaults, t);
                if (defaults.covered != 0) throw Failure("covered belongs to one card, not to defaults");
                continue;
            }
            if (row.startsWith('@')) throw Failure("unknown directive " + row.section(' ', 0, 0).toStdString());
            const QStringList cols = row.split('\t');
            if (cols.size() < 4) throw Failure("expected file, width, height, text");
            Card c;
            c.table = path;
            c.lineNo = lineNo;
            c.scale = scale;
            c.file = cols[0];
            if (!safeName.match(c.file).hasMatch())
                throw Failure("the file name takes letters, digits, _ and - only");
            bool okW = false, okH = false;
            c.width = cols[1].toInt(&okW);
            c.height = cols[2].toInt(&okH);
            if (!okW || !okH || c.width <= 0 || c.height <= 0 || c.width > 1024 || c.height > 768)
                throw Failure("width and height are pixels on the page");
            c.lines = parseText(cols[3]);
            c.opt = defaults;
            for (qsizetype i = 4; i < cols.size(); ++i) {
                bool bare = false;
                const int covered = cols[i].trimmed().toInt(&bare);
                if (bare && i == 4) {
                    if (covered < 0) throw Failure("covered takes a width in pixels");
                    c.opt.covered = covered;
                    continue;
                }
                for (const QString& t : cols[i].split(' ', Qt::SkipEmptyParts)) applyOption(c.opt, t);
            }
            if (c.opt.covered >= c.width / 2) throw Failure("the covered part leaves too little of the card");
            c.groupKey = c.opt.group == "-" ? path + "#" + c.file : path + "@" + c.opt.group;
            cards.push_back(std::move(c));
        } catch (const Failure& e) {
            throw Failure(QString("%1:%2: %3").arg(path).arg(lineNo).arg(e.what()).toStdString());
        }
    }
    return cards;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    QString belowFloorPath;
    if (args.size() > 2 && args[1] == "--below-floor") {
        belowFloorPath = args[2];
        args.remove(1, 2);
    }
    if (args.size() < 3 || args[1].startsWith("--")) {
        std::fprintf(stderr, "usage: nizam-cards [--below-floor LIST.tsv] FONTS_DIR OUT_DIR TABLE.tsv...\n");
        return 2;
    }
    const QDir fonts(args[1]);
    for (const QString& f : fonts.entryList({"*.ttf"})) QFontDatabase::addApplicationFont(fonts.filePath(f));
    for (const QString& family : {kArabicFamily, kLatinFamily}) {
        if (!QFontDatabase::families().contains(family)) {
            std::fprintf(stderr, "nizam-cards: the font %s is not in %s\n", qPrintable(family), qPrintable(args[1]));
            return 1;
        }
    }
    try {
        std::vector<Card> cards;
        QHash<QString, QString> seen;  // file -> where it was first set
        for (int t = 3; t < args.size(); ++t) {
            for (Card& c : readTable(args[t])) {
                const QString here = QString("%1:%2").arg(c.table).arg(c.lineNo);
                if (seen.contains(c.file))
                    throw Failure(QString("%1: the card %2 is already set at %3").arg(here, c.file, seen[c.file]).toStdString());
                seen.insert(c.file, here);
                cards.push_back(std::move(c));
            }
        }
        // Lay every card out once; a group's size is the largest at which all
        // of its cards hold their text, in half pixels.
        std::vector<Stack> stacks;
        std::map<QString, double> groupSize;
        std::map<QString, std::pair<int, QString>> groupUse;  // cards, and the one that sets the size
        for (const Card& c : cards) {
            stacks.push_back(stack(c));
            const Stack& s = stacks.back();
            double size = std::floor(c.height * 2) / 2;
            while (size >= kMinSize && !fits(c, s, size)) size -= 0.5;
            if (size < kMinSize)
                throw Failure(QString("%1:%2: the text does not fit a %3 x %4 card")
                                  .arg(c.table).arg(c.lineNo).arg(c.width).arg(c.height).toStdString());
            auto [it, fresh] = groupSize.emplace(c.groupKey, size);
            auto& use = groupUse[c.groupKey];
            ++use.first;
            if (fresh || size < it->second) use.second = c.file;
            if (!fresh) it->second = std::min(it->second, size);
        }
        // Every card at its group's size reaches its floor, or is on the list.
        const QHash<QString, QString> allowed = belowFloorPath.isEmpty() ? QHash<QString, QString>{}
                                                                         : readBelowFloor(belowFloorPath);
        QStringList refused;
        for (const Card& c : cards) {
            const auto why = belowFloor(c, groupSize[c.groupKey]);
            if (why && !allowed.contains(c.file))
                refused << QString("%1:%2: %3: %4; shorten its words, set them on two lines or widen the card "
                                   "(the size set by %5)")
                               .arg(c.table).arg(c.lineNo).arg(c.file, *why, groupUse[c.groupKey].second);
            else if (!why && allowed.contains(c.file))
                std::printf("nizam-cards: %s meets its floor: take it off %s\n", qPrintable(c.file),
                            qPrintable(belowFloorPath));
        }
        if (!refused.isEmpty()) throw Failure(refused.join("\nnizam-cards: ").toStdString());
        QDir().mkpath(args[2]);
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const Card& c = cards[i];
            QFile out(args[2] + '/' + c.file + ".svg");
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                out.write(svg(c, stacks[i], groupSize[c.groupKey]).toUtf8()) < 0 || !out.flush())
                throw Failure(("cannot write " + out.fileName()).toStdString());
        }
        // The folder holds exactly the cards of the tables: a card removed from
        // its table must not stay behind in a reused build folder.
        const QDir outDir(args[2]);
        for (const QString& f : outDir.entryList({"*.svg"}, QDir::Files)) {
            if (!seen.contains(QFileInfo(f).completeBaseName()) && !QFile::remove(outDir.filePath(f)))
                throw Failure(("cannot remove the stale card " + outDir.filePath(f)).toStdString());
        }
        for (const auto& [key, size] : groupSize) {
            const auto& use = groupUse[key];
            if (use.first < 2) continue;
            const QFileInfo info(key.section('@', 0, -2));
            const QString table = info.dir().dirName() + '/' + info.fileName(), group = key.section('@', -1);
            std::printf("nizam-cards: %s, %s: %d cards at %s px, the size set by %s\n", qPrintable(table),
                        group.isEmpty() ? "the table's group" : qPrintable("group " + group), use.first,
                        qPrintable(num(size)), qPrintable(use.second));
        }
        std::printf("nizam-cards: %zu cards\n", cards.size());
    } catch (const Failure& e) {
        std::fprintf(stderr, "nizam-cards: %s\n", e.what());
        return 1;
    }
    return 0;
}
