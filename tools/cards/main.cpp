// nizam-cards: turns tables of label texts into the SVG pictures of the drag
// labels (white cards with one dark line of text), so that a label's wording
// is edited in one table and every card is set the same way.
//
//   nizam-cards FONTS_DIR OUT_DIR TABLE.tsv...
//
// A table line: `file<TAB>width<TAB>height<TAB>text[<TAB>covered-left-px]`;
// `#` starts a comment. `covered-left-px` keeps the text clear of the left end
// of a card that a figure covers on its page.
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

QString escape(QString s) {
    return s.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;").replace('"', "&quot;");
}

// The largest font size at which the text fits the card's height and width.
double fittingSize(const QString& family, const QString& text, double width, double height) {
    double size = height;
    while (size > 4) {
        QFont f(family);
        f.setBold(true);
        f.setPixelSize(static_cast<int>(size));
        const QFontMetricsF m(f);
        const QRectF ink = m.tightBoundingRect(text);
        if (ink.height() <= height * 0.86 && m.horizontalAdvance(text) <= width) return size;
        size -= 0.5;
    }
    return size;
}

QString card(const QString& text, int w, int h, int coveredLeft) {
    const QString family = "Noto Naskh Arabic";
    const double padding = std::max(2.0, h * 0.12);
    const double left = coveredLeft + padding;
    const double avail = w - left - padding;
    const double size = fittingSize(family, text, avail, h);
    QFont f(family);
    f.setBold(true);
    f.setPixelSize(static_cast<int>(size));
    const QFontMetricsF m(f);
    const QRectF ink = m.tightBoundingRect(text);
    // Centre the ink vertically, and the line in the free part of the card.
    const double baseline = h / 2.0 - (ink.top() + ink.height() / 2.0);
    const double cx = left + avail / 2.0;
    QString svg;
    QTextStream out(&svg);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << w << "\" height=\"" << h
        << "\" viewBox=\"0 0 " << w << ' ' << h << "\">\n"
        << "  <rect x=\"0\" y=\"0\" width=\"" << w << "\" height=\"" << h << "\" fill=\"#ffffff\"/>\n"
        << "  <rect x=\"0.5\" y=\"0.5\" width=\"" << w - 1 << "\" height=\"" << h - 1
        << "\" rx=\"2\" fill=\"#ffffff\" stroke=\"#7d8b99\" stroke-width=\"1\"/>\n"
        << "  <text x=\"" << QString::number(cx, 'f', 2) << "\" y=\"" << QString::number(baseline, 'f', 2)
        << "\" text-anchor=\"middle\" font-family=\"" << family << "\" font-weight=\"bold\" font-size=\""
        << QString::number(static_cast<int>(size)) << "\" fill=\"#1d2a36\">" << escape(text) << "</text>\n"
        << "</svg>\n";
    return svg;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: nizam-cards FONTS_DIR OUT_DIR TABLE.tsv...\n");
        return 2;
    }
    const QDir fonts(args[1]);
    for (const QString& f : fonts.entryList({"*.ttf"})) QFontDatabase::addApplicationFont(fonts.filePath(f));
    QDir().mkpath(args[2]);
    int made = 0;
    for (int t = 3; t < args.size(); ++t) {
        QFile table(args[t]);
        if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "nizam-cards: cannot read %s\n", qPrintable(args[t]));
            return 1;
        }
        QTextStream in(&table);
        int line = 0;
        while (!in.atEnd()) {
            ++line;
            const QString row = in.readLine();
            if (row.trimmed().isEmpty() || row.trimmed().startsWith('#')) continue;
            const QStringList cols = row.split('\t');
            bool okW = false, okH = false, okC = true;
            const int w = cols.value(1).toInt(&okW), h = cols.value(2).toInt(&okH);
            const int covered = cols.size() > 4 ? cols[4].toInt(&okC) : 0;
            if (cols.size() < 4 || !okW || !okH || !okC || w <= 0 || h <= 0 || cols[0].isEmpty()) {
                std::fprintf(stderr, "%s:%d: expected file, width, height, text\n", qPrintable(args[t]), line);
                return 1;
            }
            QFile out(args[2] + '/' + cols[0] + ".svg");
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
            out.write(card(cols[3], w, h, covered).toUtf8());
            ++made;
        }
    }
    std::printf("nizam-cards: %d cards\n", made);
    return 0;
}
