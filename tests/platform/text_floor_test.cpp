// SPDX-License-Identifier: GPL-3.0-or-later
// Every text a page draws against the floor a pupil can read on a classroom
// screen (runtime/text_floor.h): the texts of the page's pictures (its own
// art, the kit, the shared drawings and the drag-label cards) and the
// captions the program draws itself, each at the size it is shown in a
// 1024 x 768 window. A text's size is its font size in window pixels after
// every transform: the text's and its groups' own, the picture's size on
// the page, the page's scale. docs/text-floor.md says how a text is sorted
// into a sentence, a word or a subscript, and how an exception is made.
//
// The animations' texts are held to the same floor in animation_tests.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTransform>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "app/registry.h"
#include "platform/fonts.h"
#include "platform/page_canvas.h"
#include "platform/svg_asset_store.h"
#include "runtime/layout.h"
#include "runtime/text_floor.h"

namespace nizam::platform {
namespace {

QString assetsFolder() { return QStringLiteral(NIZAM_ASSETS_DIR); }
QString screensFolder() { return QStringLiteral(NIZAM_SCREENS_DIR); }

// A size is compared at the precision it is written with.
constexpr double kSlack = 0.01;

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// ---------------------------------------------------------------------------
// The texts of one SVG picture with their size in the picture's own pixels.

struct SvgText {
    QString content;    // what is drawn, its runs joined
    double size = 0;    // the smallest size of its drawn runs, in picture pixels
    bool script = false;  // marked class="sub" or class="sup"
};

struct SvgTexts {
    QSizeF viewBox;  // user units of the whole picture
    std::vector<SvgText> texts;
    QString error;   // a transform or size this reader does not know
};

std::optional<double> number(const QString& v) {
    static const QRegularExpression n(QStringLiteral("^\\s*([-+]?[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?)\\s*(px)?\\s*$"));
    const auto m = n.match(v);
    if (!m.hasMatch()) return std::nullopt;
    return m.captured(1).toDouble();
}

// A presentation attribute, or the same property in the style attribute
// (which wins, as in SVG).
QString property(const QXmlStreamAttributes& a, const QString& name) {
    const QString style = a.value(QStringLiteral("style")).toString();
    for (const QString& decl : style.split(';')) {
        const qsizetype colon = decl.indexOf(':');
        if (colon > 0 && decl.left(colon).trimmed() == name) return decl.mid(colon + 1).trimmed();
    }
    return a.value(name).toString();
}

// An SVG transform list; nullopt for a function it does not know.
std::optional<QTransform> parseTransform(const QString& text) {
    QTransform t;
    static const QRegularExpression fn(QStringLiteral("([a-zA-Z]+)\\s*\\(([^)]*)\\)"));
    QString rest = text;
    for (auto it = fn.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        rest.replace(m.captured(0), QString());
        std::vector<double> v;
        for (const QString& s : m.captured(2).split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts))
            v.push_back(s.toDouble());
        const QString name = m.captured(1);
        QTransform f;
        if (name == u"matrix" && v.size() == 6) f = QTransform(v[0], v[1], v[2], v[3], v[4], v[5]);
        else if (name == u"translate" && !v.empty()) f.translate(v[0], v.size() > 1 ? v[1] : 0);
        else if (name == u"scale" && !v.empty()) f.scale(v[0], v.size() > 1 ? v[1] : v[0]);
        else if (name == u"rotate" && v.size() == 1) f.rotate(v[0]);
        else if (name == u"rotate" && v.size() == 3) f.translate(v[1], v[2]).rotate(v[0]).translate(-v[1], -v[2]);
        else return std::nullopt;
        t = f * t;  // the list applies right to left: the last function acts first
    }
    if (!rest.trimmed().remove(',').isEmpty()) return std::nullopt;
    return t;
}

// How much a transform enlarges a glyph: the square root of its area factor,
// which a rotation leaves alone.
double enlargement(const QTransform& t) { return std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21())); }

SvgTexts readSvgTexts(const QByteArray& data) {
    SvgTexts out;
    struct State {
        QTransform ctm;
        double fontSize = 16;  // SVG's initial value
        bool drawn = true;
        bool script = false;
    };
    std::vector<State> stack{State{}};
    int textDepth = 0;
    SvgText current;
    bool currentHasRun = false;
    QXmlStreamReader xml(data);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto a = xml.attributes();
            State s = stack.back();
            if (xml.name() == u"svg" && stack.size() == 1) {
                const QStringList box = a.value(QStringLiteral("viewBox")).toString().split(
                    QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
                if (box.size() == 4) out.viewBox = QSizeF(box[2].toDouble(), box[3].toDouble());
                else out.viewBox = QSizeF(number(a.value(QStringLiteral("width")).toString()).value_or(0),
                                          number(a.value(QStringLiteral("height")).toString()).value_or(0));
            }
            if (a.hasAttribute(QStringLiteral("transform"))) {
                const auto t = parseTransform(a.value(QStringLiteral("transform")).toString());
                if (!t) out.error = "an unknown transform: " + a.value(QStringLiteral("transform")).toString();
                else s.ctm = *t * s.ctm;
            }
            const QString size = property(a, QStringLiteral("font-size"));
            if (!size.isEmpty()) {
                if (const auto v = number(size)) s.fontSize = *v;
                else out.error = "a font size this test cannot read: " + size;
            }
            const QString fill = property(a, QStringLiteral("fill"));
            const QString opacity = property(a, QStringLiteral("opacity"));
            if (fill == u"none" || property(a, QStringLiteral("display")) == u"none" ||
                property(a, QStringLiteral("visibility")) == u"hidden" || (!opacity.isEmpty() && number(opacity) == 0.0))
                s.drawn = false;
            const QStringList classes = a.value(QStringLiteral("class")).toString().split(' ', Qt::SkipEmptyParts);
            if (classes.contains(QStringLiteral("sub")) || classes.contains(QStringLiteral("sup"))) s.script = true;
            // Definitions are drawn only where they are used (<use> is not in the pictures).
            if (xml.name() == u"defs" || xml.name() == u"clipPath" || xml.name() == u"mask") s.drawn = false;
            if (xml.name() == u"use") out.error = "a <use> element, whose copies this test does not follow";
            stack.push_back(s);
            if (xml.name() == u"text" && textDepth++ == 0) {
                current = SvgText{};
                currentHasRun = false;
            }
        } else if (xml.isEndElement()) {
            stack.pop_back();
            if (xml.name() == u"text" && --textDepth == 0 && currentHasRun) {
                current.content = current.content.simplified();
                out.texts.push_back(current);
            }
        } else if (xml.isCharacters() && textDepth > 0) {
            const State& s = stack.back();
            if (!s.drawn) continue;
            current.content += xml.text().toString();
            if (xml.text().toString().trimmed().isEmpty()) continue;
            const double size = s.fontSize * enlargement(s.ctm);
            current.size = currentHasRun ? std::min(current.size, size) : size;
            current.script = current.script || s.script;
            currentHasRun = true;
        }
    }
    if (xml.hasError()) out.error = xml.errorString();
    return out;
}

// ---------------------------------------------------------------------------
// What each page shows.

struct Shown {
    std::string page;
    QString source;     // the picture's file, or the control that draws the caption
    QString content;
    TextKind kind;
    double size;        // window pixels
};

TextKind kindOf(const QString& content, bool script) {
    return script ? TextKind::Subscript : kindOfText(content.toStdString());
}

const SvgTexts& picture(const QString& file) {
    static std::map<QString, SvgTexts> loaded;
    auto it = loaded.find(file);
    if (it == loaded.end()) it = loaded.emplace(file, readSvgTexts(readFile(assetsFolder() + "/" + file))).first;
    return it->second;
}

// Every text of every page, at the page's scale in the floor's window.
std::vector<Shown> everyShownText(const SvgAssetStore& store, std::vector<std::string>& faults) {
    std::vector<Shown> shown;
    for (const RegistryEntry& entry : screenRegistry()) {
        const ScreenDef& d = entry.module->def;
        const double scale = pageScale(d, kFloorWindowWidth, kFloorWindowHeight);
        for (const ControlDef& c : d.controls) {
            if (!onPage(d, c.rect)) continue;
            if (c.picture) {
                const QSize window = pictureSize(c, c.rect, *c.picture, scale, 1.0).window;
                for (const QString& file : store.files(assetKey(d, c, "Picture"))) {
                    if (!file.endsWith(QStringLiteral(".svg"))) continue;
                    const SvgTexts& svg = picture(file);
                    if (!svg.error.isEmpty()) faults.push_back(file.toStdString() + ": " + svg.error.toStdString());
                    if (svg.viewBox.isEmpty()) {
                        if (!svg.texts.empty()) faults.push_back(file.toStdString() + ": no size to scale its texts by");
                        continue;
                    }
                    // The renderer fills the picture's box with its view box.
                    double k = std::sqrt(window.width() / svg.viewBox.width() * window.height() / svg.viewBox.height());
                    // A card is held to the floor at the size it is set at too,
                    // as the card setter holds it, where it is shown larger.
                    // A card's lines are one label: its kind is that of its whole text.
                    const bool card = file.startsWith(QStringLiteral("cards/"));
                    if (card) k = std::min(k, scale);
                    QStringList lines;
                    for (const SvgText& t : svg.texts)
                        if (!t.script) lines << t.content;
                    const TextKind cardKind = kindOf(lines.join(' '), false);
                    for (const SvgText& t : svg.texts)
                        shown.push_back({d.name, file, t.content, card && !t.script ? cardKind : kindOf(t.content, t.script),
                                         t.size * k});
                }
            }
            if ((c.kind == Kind::Label && c.caption && !c.caption->empty()) || c.kind == Kind::TextBox) {
                if (!c.font) continue;
                const QString content = QString::fromStdString(c.caption.value_or(std::string()));
                shown.push_back({d.name, QString::fromStdString(c.displayName()), content,
                                 kindOf(content, false), double(mappedFont(*c.font, scale).pixelSize())});
            }
        }
    }
    return shown;
}

// ---------------------------------------------------------------------------
// The cards: their groups in the tables, and the list of cards allowed below
// the floor.

struct CardTable {
    QString table;
    std::map<QString, QString> groupOf;  // card file -> group key
};

// The group of every card, read from the tables as the card setter reads them.
std::vector<CardTable> cardTables() {
    std::vector<CardTable> tables;
    QDir screens(screensFolder());
    for (const QString& topic : screens.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDir t(screens.filePath(topic));
        for (const QString& page : t.entryList({QStringLiteral("form*")}, QDir::Dirs)) {
            const QString path = t.filePath(page + QStringLiteral("/cards.tsv"));
            if (!QFile::exists(path)) continue;
            CardTable table{page + "/cards.tsv", {}};
            QString defaultGroup;
            for (const QString& row : QString::fromUtf8(readFile(path)).split('\n')) {
                if (row.trimmed().isEmpty() || row.trimmed().startsWith('#')) continue;
                static const QRegularExpression group(QStringLiteral("(?:^|\\s)group=(\\S+)"));
                if (row.startsWith(QStringLiteral("@defaults"))) {
                    const auto m = group.match(row);
                    defaultGroup = m.hasMatch() ? m.captured(1) : QString();
                    continue;
                }
                const QStringList cols = row.split('\t');
                QString g = defaultGroup;
                for (qsizetype i = 4; i < cols.size(); ++i)
                    if (const auto m = group.match(cols[i]); m.hasMatch()) g = m.captured(1);
                table.groupOf[cols[0]] = g == u"-" ? "-" + cols[0] : g;
            }
            tables.push_back(std::move(table));
        }
    }
    return tables;
}

struct Exception {
    QString card;
    QString reason;
};

// The one list of cards allowed below the floor, each with its reason.
std::vector<Exception> belowFloorList(std::vector<std::string>& faults) {
    std::vector<Exception> list;
    const QString path = screensFolder() + QStringLiteral("/cards-below-floor.tsv");
    int lineNo = 0;
    for (const QString& row : QString::fromUtf8(readFile(path)).split('\n')) {
        ++lineNo;
        if (row.trimmed().isEmpty() || row.trimmed().startsWith('#')) continue;
        const QStringList cols = row.split('\t');
        if (cols.size() != 2 || cols[1].trimmed().isEmpty())
            faults.push_back(QStringLiteral("cards-below-floor.tsv:%1: expected a card and its reason").arg(lineNo).toStdString());
        else
            list.push_back({cols[0].trimmed(), cols[1].trimmed()});
    }
    return list;
}

QString cardOf(const QString& file) {
    static const QRegularExpression card(QStringLiteral("^cards/([A-Za-z0-9_-]+)\\.svg$"));
    const auto m = card.match(file);
    return m.hasMatch() ? m.captured(1) : QString();
}

std::string describe(const Shown& s) {
    std::ostringstream o;
    o << s.source.toStdString() << ": \"" << s.content.toStdString() << "\" ("
      << textKindName(s.kind) << ") at " << std::round(s.size * 100) / 100 << " px, below "
      << textFloor(s.kind) << " px";
    return o.str();
}

class TextFloor : public ::testing::Test {
protected:
    static void SetUpTestSuite() { store_ = new SvgAssetStore(assetsFolder()); }
    static void TearDownTestSuite() { delete store_; }
    static SvgAssetStore* store_;
};
SvgAssetStore* TextFloor::store_ = nullptr;

// The reader behind the other cases: a text's size follows its groups'
// transforms and its own, the style attribute, an undrawn run is skipped, and
// a transform it cannot follow is said rather than read as none.
TEST(SvgTextReader, SizesFollowEveryTransformAndStyle) {
    const SvgTexts svg = readSvgTexts(R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 200 100" width="400" height="200">
  <g transform="translate(10 5) scale(2)" font-size="6">
    <text x="0" y="0">مرحبا بكم</text>
    <text x="0" y="9" transform="rotate(30)" style="font-size:5px">FC1</text>
  </g>
  <text x="1" y="40" font-size="12">A<tspan fill="none">hidden words</tspan><tspan font-size="7" class="sub">2</tspan></text>
  <text x="1" y="60" font-size="11" transform="matrix(0 1.5 -1.5 0 0 0)">rotated</text>
  <defs><text font-size="1">never drawn</text></defs>
</svg>)svg");
    EXPECT_TRUE(svg.error.isEmpty()) << svg.error.toStdString();
    EXPECT_EQ(svg.viewBox, QSizeF(200, 100));
    ASSERT_EQ(svg.texts.size(), 4u);
    EXPECT_EQ(svg.texts[0].content, QStringLiteral("مرحبا بكم"));
    EXPECT_DOUBLE_EQ(svg.texts[0].size, 12);
    EXPECT_NEAR(svg.texts[1].size, 10, 1e-9);
    EXPECT_EQ(svg.texts[2].content, QStringLiteral("A2"));
    EXPECT_DOUBLE_EQ(svg.texts[2].size, 7);
    EXPECT_TRUE(svg.texts[2].script);
    EXPECT_NEAR(svg.texts[3].size, 16.5, 1e-9);

    EXPECT_FALSE(readSvgTexts(R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 9 9"><text transform="skewX(20)">x</text></svg>)svg")
                     .error.isEmpty());
    EXPECT_FALSE(readSvgTexts(R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 9 9"><text font-size="large">x</text></svg>)svg")
                     .error.isEmpty());
}

TEST(TextKinds, ByWordsAndMarks) {
    const struct {
        const char* text;
        bool script;
        TextKind kind;
    } cases[] = {
        {"حسّاس", false, TextKind::Word},
        {"  FC1 ", false, TextKind::Word},
        {"220", false, TextKind::Word},
        {"الأكثر أهمية", false, TextKind::Sentence},
        {"C.D.C.F", false, TextKind::Word},
        {"نظام\u00a0آلي", false, TextKind::Sentence},
        {"1.5 V", false, TextKind::Word},
        {"− − − −", false, TextKind::Word},
        {"الحلقة 4: التفاوت", false, TextKind::Sentence},
        {"FC1 - FC4 - FC5", false, TextKind::Sentence},
        {"الرقم 1", false, TextKind::Word},
        {"2", true, TextKind::Subscript},
    };
    for (const auto& c : cases) EXPECT_EQ(kindOf(QString::fromUtf8(c.text), c.script), c.kind) << c.text;
}

// Every text of every page, cards and the program's own captions included,
// at or above its floor; a card below it only when the one list names it.
TEST_F(TextFloor, EveryTextShownMeetsItsFloor) {
    std::vector<std::string> faults;
    const std::vector<Shown> shown = everyShownText(*store_, faults);
    for (const std::string& f : faults) ADD_FAILURE() << f;
    ASSERT_GT(shown.size(), 500u) << "the pages' texts were not found: is " << assetsFolder().toStdString() << " built?";

    std::vector<std::string> listFaults;
    const std::vector<Exception> list = belowFloorList(listFaults);
    for (const std::string& f : listFaults) ADD_FAILURE() << f;
    std::set<QString> listed, usedBelow;
    for (const Exception& e : list) listed.insert(e.card);

    // One line for a text shown alike on several pages (the kit's), naming them.
    std::map<std::string, std::vector<std::string>> below;
    for (const Shown& s : shown) {
        if (s.size + kSlack >= textFloor(s.kind)) continue;
        const QString card = cardOf(s.source);
        if (!card.isEmpty() && listed.count(card)) {
            usedBelow.insert(card);
            continue;
        }
        auto& pages = below[describe(s)];
        if (pages.empty() || pages.back() != s.page) pages.push_back(s.page);
    }
    for (const auto& [line, pages] : below) {
        std::string on;
        for (const std::string& p : pages) on += (on.empty() ? "" : " ") + p;
        ADD_FAILURE() << "on " << on << ", " << line;
    }
    // The list holds no card that no longer needs it, nor one no table sets.
    std::set<QString> cardsShown;
    for (const Shown& s : shown)
        if (const QString c = cardOf(s.source); !c.isEmpty()) cardsShown.insert(c);
    for (const Exception& e : list) {
        if (!QFile::exists(assetsFolder() + "/cards/" + e.card + ".svg"))
            ADD_FAILURE() << "cards-below-floor.tsv names " << e.card.toStdString() << ", which no table sets";
        else if (cardsShown.count(e.card) && !usedBelow.count(e.card))
            ADD_FAILURE() << "cards-below-floor.tsv names " << e.card.toStdString()
                          << ", which now meets its floor: take it off the list";
    }
}

// The cards of one group share one text size, so a diagram or a letter made
// of labels reads as one text.
TEST_F(TextFloor, TheCardsOfOneGroupShareOneSize) {
    const std::vector<CardTable> tables = cardTables();
    ASSERT_FALSE(tables.empty());
    for (const CardTable& t : tables) {
        std::map<QString, std::map<double, QString>> sizes;  // group -> size -> a card at it
        for (const auto& [card, group] : t.groupOf) {
            const SvgTexts& svg = picture("cards/" + card + ".svg");
            ASSERT_FALSE(svg.texts.empty()) << card.toStdString() << " was not set";
            for (const SvgText& text : svg.texts)
                if (!text.script) sizes[group].emplace(text.size, card);
        }
        for (const auto& [group, bySize] : sizes) {
            if (bySize.size() < 2) continue;
            std::ostringstream o;
            for (const auto& [size, card] : bySize) o << " " << card.toStdString() << " at " << size << " px;";
            ADD_FAILURE() << t.table.toStdString() << ", group " << (group.isEmpty() ? "of the table" : group.toStdString())
                          << ": its cards are not one size:" << o.str();
        }
    }
}

}  // namespace
}  // namespace nizam::platform
