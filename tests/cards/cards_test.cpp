// SPDX-License-Identifier: GPL-3.0-or-later
// The card setter run as the build runs it, on small tables: the cards it
// writes are read back, measured with the fonts the program ships and drawn
// with the program's SVG renderer.
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr int kScale = 4;

struct Result {
    int exitCode = -1;
    QString err;
};

// The cards of the tables below that are as small as the pages' smallest:
// below the floor in a table outside any page's folder (scale 1).
const char* kBelowFloor =
    "# small by design\n"
    "letter_a\tthe letter's strips\nletter_b\tthe letter's strips\nletter_c\tthe letter's strips\n"
    "question\ta strip half covered\ncode_fp3\ta table cell\ncode_fc52\ta table cell\n"
    "two\ttwo lines on a short card\n";

// Runs the setter on `table`, with `belowFloor` as its list of cards allowed
// below the floor (none given when null).
Result runSetter(const QString& dir, const QString& table, const char* belowFloor = kBelowFloor) {
    QFile f(dir + "/t.tsv");
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(table.toUtf8());
    f.close();
    QStringList args{NIZAM_FONTS, dir + "/out", dir + "/t.tsv"};
    if (belowFloor) {
        QFile list(dir + "/below.tsv");
        EXPECT_TRUE(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
        list.write(belowFloor);
        list.close();
        args = QStringList{"--below-floor", dir + "/below.tsv"} + args;
    }
    QProcess p;
    p.start(NIZAM_CARDS, args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

QString readCard(const QString& dir, const QString& name) {
    QFile f(dir + "/out/" + name + ".svg");
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

// The text elements of a card: font size, and the text with its runs' tags removed.
struct TextEl {
    double size;
    double x, y;
    QString text;
    QString family;
};

std::vector<TextEl> texts(const QString& svg) {
    static const QRegularExpression re(
        "<text x=\"([0-9.]+)\" y=\"([0-9.]+)\"[^>]*font-family=\"([^\"]+)\"[^>]*font-size=\"([0-9.]+)\"[^>]*>(.*)</text>");
    static const QRegularExpression tag("<[^>]+>");
    std::vector<TextEl> out;
    for (auto it = re.globalMatch(svg); it.hasNext();) {
        const auto m = it.next();
        QString t = m.captured(5);
        t.remove(tag);
        out.push_back({m.captured(4).toDouble(), m.captured(1).toDouble(), m.captured(2).toDouble(), t, m.captured(3)});
    }
    return out;
}

QImage render(const QString& svg) {
    QSvgRenderer r(svg.toUtf8());
    QImage img(r.defaultSize() * kScale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    r.render(&p);
    return img;
}

// The bounding box, in card pixels, of the pixels of one kind of ink.
QRectF inkBox(const QImage& img, bool (*is)(QColor)) {
    int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (is(img.pixelColor(x, y))) {
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
    if (x1 < 0) return {};
    return QRectF(double(x0) / kScale, double(y0) / kScale, double(x1 - x0 + 1) / kScale, double(y1 - y0 + 1) / kScale);
}

bool dark(QColor c) { return c.red() < 100 && c.green() < 100 && c.blue() < 110; }
bool red(QColor c) { return c.red() > 140 && c.green() < 90 && c.blue() < 90; }
bool teal(QColor c) { return c.red() < 80 && c.green() > 90 && c.blue() > 90 && std::abs(c.green() - c.blue()) < 25; }

// One table with every kind of card a page uses.
const char* kTable =
    "# a letter built of labels, and a question whose left end a figure covers\n"
    "letter_a\t155\t15\tثانوية الأمير عبد القادر\n"
    "letter_b\t100\t14\tمتوسطة ابن رشد - باتنة\n"
    "letter_c\t221\t16\tنطلب منكم الإجابة عن الأسئلة التالية:\n"
    "question\t287\t14\tهل تؤيدون فكرة إنجاز هذا الجهاز؟\t69\n"
    "\n"
    "@defaults group=codes\n"
    "code_fp3\t39\t18\tFP{red,sub:3}\n"
    "code_fc52\t39\t18\tFC5{red,sub:2}\n"
    "code_in_arabic\t120\t24\tالوظيفة FP{red,sub:3}\tgroup=-\n"
    "@defaults frame=#1b7c7c/2 group=-\n"
    "framed\t243\t32\tسرقة التجهيزات وخاصة ليلا\n"
    "two\t156\t28\tالإنذار بالصوت عند\\nحدوث تسلل إلى القاعة\n"
    "mixed\t160\t24\tالوظيفة {red:FC1}\n"
    "solo\t221\t16\tنطلب منكم الإجابة عن الأسئلة التالية:\tframe=#7d8b99/1\n";

class CardSetter : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        const Result r = runSetter(dir->path(), QString::fromUtf8(kTable));
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    static void TearDownTestSuite() {
        delete dir;
        dir = nullptr;
    }
    static QString card(const char* name) { return readCard(dir->path(), name); }
    static QTemporaryDir* dir;
};
QTemporaryDir* CardSetter::dir = nullptr;

TEST_F(CardSetter, ATableSharesOneSizeAtWhichEveryCardHoldsItsText) {
    struct Case {
        const char* name;
        int w, h, covered;
        const char* text;
    };
    const Case group[] = {{"letter_a", 155, 15, 0, "ثانوية الأمير عبد القادر"},
                          {"letter_b", 100, 14, 0, "متوسطة ابن رشد - باتنة"},
                          {"letter_c", 221, 16, 0, "نطلب منكم الإجابة عن الأسئلة التالية:"},
                          {"question", 287, 14, 69, "هل تؤيدون فكرة إنجاز هذا الجهاز؟"}};
    std::optional<double> shared;
    for (const Case& c : group) {
        SCOPED_TRACE(c.name);
        const QString svg = card(c.name);
        ASSERT_TRUE(svg.contains(QString("width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\"").arg(c.w).arg(c.h)));
        const auto t = texts(svg);
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].text, QString::fromUtf8(c.text));
        if (!shared) shared = t[0].size;
        EXPECT_EQ(t[0].size, *shared);
        // The text's width in the shipped face at that size stays inside the
        // part of the card left free.
        QFont f(t[0].family);
        f.setBold(true);
        f.setPixelSize(qRound(t[0].size * 10));
        EXPECT_LE(QFontMetricsF(f).horizontalAdvance(t[0].text) / 10, c.w - c.covered - 2);
        // And so does its ink, as the program draws it.
        const QRectF ink = inkBox(render(svg), dark);
        ASSERT_FALSE(ink.isNull());
        EXPECT_GE(ink.left(), c.covered + 1.0);
        EXPECT_LE(ink.right(), c.w - 1.0);
        EXPECT_GE(ink.top(), 0.75);
        EXPECT_LE(ink.bottom(), c.h - 0.75);
    }
    // The same text on its own card gets the larger size the group denies it.
    const auto solo = texts(card("solo"));
    ASSERT_EQ(solo.size(), 1u);
    EXPECT_GT(solo[0].size, *shared);
}

TEST_F(CardSetter, TheCoveredPartStaysFreeOfText) {
    const QRectF ink = inkBox(render(card("question")), dark);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 70.0);
    // The text is centred in the free part, not in the whole card.
    EXPECT_NEAR((ink.left() + ink.right()) / 2, (69 + 287) / 2.0, 6.0);
}

TEST_F(CardSetter, ARedSubscriptFollowsItsCodeLowerAndSmaller) {
    double size = 0;
    for (const char* name : {"code_fp3", "code_fc52"}) {
        SCOPED_TRACE(name);
        const QString svg = card(name);
        const auto t = texts(svg);
        ASSERT_EQ(t.size(), 2u);  // the code, and its subscript drawn on its own
        EXPECT_EQ(t[0].family, "DejaVu Sans");
        if (size == 0) size = t[0].size;
        EXPECT_EQ(t[0].size, size);
        EXPECT_LT(t[1].size, t[0].size);
        const QImage img = render(svg);
        const QRectF code = inkBox(img, dark), sub = inkBox(img, red);
        ASSERT_FALSE(code.isNull());
        ASSERT_FALSE(sub.isNull());
        EXPECT_GE(sub.left(), code.right() - 0.5);  // right after the code
        EXPECT_GT(sub.bottom(), code.bottom());     // below its baseline
        EXPECT_GT(sub.top(), code.top() + 2);       // and smaller
        EXPECT_LE(sub.right(), 38.0);
        EXPECT_LE(sub.bottom(), 17.25);
    }
}

TEST_F(CardSetter, ASubscriptStaysWithItsCodeInsideArabicText) {
    const QImage img = render(card("code_in_arabic"));
    const QRectF all = inkBox(img, dark), sub = inkBox(img, red);
    ASSERT_FALSE(sub.isNull());
    // The code stands at the left of the Arabic word, its subscript right
    // after it: between the code's letters and the Arabic word, not beyond.
    EXPECT_GT(sub.left(), all.left() + 8);
    EXPECT_LT(sub.right(), all.left() + 0.5 * all.width());
    EXPECT_GT(sub.bottom(), all.top() + 0.5 * all.height());
}

TEST_F(CardSetter, ALatinCodeInArabicTextStandsAtTheLeftInItsColour) {
    const QString svg = card("mixed");
    EXPECT_TRUE(svg.contains("<tspan font-family=\"DejaVu Sans\" fill=\"#c0141c\">FC1</tspan>"));
    const QImage img = render(svg);
    const QRectF arabic = inkBox(img, dark), code = inkBox(img, red);
    ASSERT_FALSE(arabic.isNull());
    ASSERT_FALSE(code.isNull());
    // Read right to left, the Arabic word comes first and the code after it.
    EXPECT_LT(code.right(), arabic.left());
}

TEST_F(CardSetter, TwoLinesStackCentredInsideTheCard) {
    const auto t = texts(card("two"));
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "الإنذار بالصوت عند");
    EXPECT_EQ(t[1].text, "حدوث تسلل إلى القاعة");
    EXPECT_EQ(t[0].size, t[1].size);
    EXPECT_GT(t[1].y - t[0].y, t[0].size);  // the second line stands below the first
    const QRectF ink = inkBox(render(card("two")), dark);
    EXPECT_GE(ink.top(), 2.0);  // clear of the 2-pixel frame
    EXPECT_LE(ink.bottom(), 26.0);
    EXPECT_NEAR((ink.top() + ink.bottom()) / 2, 14.0, 2.0);
}

TEST_F(CardSetter, AFramedCardHasItsBorderColourAndWidth) {
    const QString svg = card("framed");
    const QImage img = render(svg);
    // A 2-pixel teal border all round, white inside it.
    for (const QPoint at : {QPoint(0, 16), QPoint(1, 16), QPoint(242, 16), QPoint(120, 0), QPoint(120, 31)}) {
        const QColor c = img.pixelColor(at * kScale + QPoint(kScale / 2, kScale / 2));
        EXPECT_TRUE(teal(c)) << at.x() << ',' << at.y() << ' ' << c.name().toStdString();
    }
    EXPECT_EQ(img.pixelColor(QPoint(2, 16) * kScale + QPoint(2, 2)), QColor(Qt::white));
    // A plain card keeps its thin grey edge.
    const QImage plain = render(card("letter_a"));
    EXPECT_FALSE(teal(plain.pixelColor(kScale / 2, 7 * kScale)));
    EXPECT_EQ(plain.pixelColor(QPoint(1, 7) * kScale + QPoint(2, 2)), QColor(Qt::white));
}

// Every malformed line is refused with the table's name and its line number,
// and nothing is set.
TEST(CardSetterRefuses, MalformedLinesWithTheirNumber) {
    struct Case {
        const char* line;
        const char* says;
    };
    const Case cases[] = {
        {"broken\tten\t10\tلا", "width and height"},
        {"short\t10\t10", "expected file, width, height, text"},
        {"../escape\t40\t14\tنعم", "file name"},
        {"run\t60\t18\tFP{red,sub:3", "{style:text}"},
        {"close\t60\t18\tFP}", "without its {"},
        {"style\t60\t18\tFP{bold:3}", "unknown run style"},
        {"opt\t60\t18\tنعم\tcolor=purple", "not a colour"},
        {"key\t60\t18\tنعم\tshadow=1", "unknown option"},
        {"frame\t60\t18\tنعم\tframe=#123/0", "frame takes"},
        {"empty\t60\t18\tنعم\\n", "empty line"},
        {"cover\t60\t18\tنعم\t40", "covered part"},
        {"tiny\t30\t12\tنطلب منكم الإجابة عن الأسئلة التالية", "does not fit"},
        {"ok\t60\t18\tمرة", "already set"},
        {"@group x", "unknown directive"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        QTemporaryDir dir;
        const Result r = runSetter(dir.path(), QString("# labels\nok\t60\t18\tنعم\n%1\n").arg(QString::fromUtf8(c.line)));
        EXPECT_NE(r.exitCode, 0);
        EXPECT_TRUE(r.err.contains("t.tsv:3:")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir.path() + "/out/ok.svg"));
    }
}

// A card whose size is under the floor of its kind of text is refused with
// its line, unless the list of exceptions names it; a card of the list that
// meets its floor is said, so that the list does not outlive its reason.
TEST(CardSetterFloor, ACardBelowItsFloorIsRefusedUnlessListed) {
    struct Case {
        const char* line;
        const char* says;  // empty: set
    } cases[] = {
        {"sentence\t100\t14\tمتوسطة ابن رشد - باتنة", "below the floor of 12 px for a sentence"},
        {"sentence_two_lines\t100\t34\tمتوسطة ابن رشد\\nباتنة", ""},
        {"word\t34\t12\tالوظيفة", "below the floor of 10 px for a single word"},
        {"word_wide\t60\t18\tالوظيفة", ""},
        {"code\t39\t18\tFC5{red,sub:2}", "its subscript is 7.5 px"},
        {"code_tall\t50\t24\tFC5{red,sub:2}", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        QTemporaryDir dir;
        const Result r = runSetter(dir.path(), QString("# one card\n%1\n").arg(QString::fromUtf8(c.line)), nullptr);
        if (*c.says == 0) {
            EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
            continue;
        }
        EXPECT_NE(r.exitCode, 0);
        EXPECT_TRUE(r.err.contains("t.tsv:2:")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
        // Named on the list, the same card is set.
        const QString card = QString::fromUtf8(c.line).section('\t', 0, 0);
        const QByteArray list = (card + "\ta rectangle the page fixes\n").toUtf8();
        EXPECT_EQ(runSetter(dir.path(), QString("%1\n").arg(QString::fromUtf8(c.line)), list.constData()).exitCode, 0);
        EXPECT_FALSE(readCard(dir.path(), card.toUtf8().constData()).isEmpty());
    }
}

TEST(CardSetterFloor, TheListIsReadStrictly) {
    QTemporaryDir dir;
    const Result noReason = runSetter(dir.path(), "a\t60\t18\tنعم\n", "a\n");
    EXPECT_NE(noReason.exitCode, 0);
    EXPECT_TRUE(noReason.err.contains("below.tsv:1: expected a card and its reason")) << noReason.err.toStdString();

    QFile list(dir.path() + "/below.tsv");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("a\tonce too small\n");
    list.close();
    QProcess p;
    QFile table(dir.path() + "/t.tsv");
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("a\t60\t18\tنعم\n");
    table.close();
    p.start(NIZAM_CARDS, {"--below-floor", dir.path() + "/below.tsv", NIZAM_FONTS, dir.path() + "/out", dir.path() + "/t.tsv"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains("a meets its floor: take it off"));
}

TEST(CardSetterFolder, ACardRemovedFromItsTableGoesFromTheFolder) {
    QTemporaryDir dir;
    ASSERT_EQ(runSetter(dir.path(), "a\t60\t18\tنعم\nb\t60\t18\tلا\n").exitCode, 0);
    ASSERT_FALSE(readCard(dir.path(), "b").isEmpty());
    ASSERT_EQ(runSetter(dir.path(), "a\t60\t18\tنعم\n").exitCode, 0);
    EXPECT_FALSE(readCard(dir.path(), "a").isEmpty());
    EXPECT_FALSE(QFile::exists(dir.path() + "/out/b.svg")) << "a card of no table stayed behind";
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir fonts(NIZAM_FONTS);
    for (const QString& f : fonts.entryList({"*.ttf"})) QFontDatabase::addApplicationFont(fonts.filePath(f));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
