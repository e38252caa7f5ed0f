// SPDX-License-Identifier: GPL-3.0-or-later
// svgshot: renders one SVG asset to a PNG with the same renderer and fonts
// the program uses, so art can be checked exactly as a pupil will see it.
//
//   svgshot IN.svg OUT.png [SCALE]
//
// Fonts are registered from the "fonts" folder beside this executable.
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: svgshot IN.svg OUT.png [SCALE]\n");
        return 2;
    }
    const QDir fonts(QCoreApplication::applicationDirPath() + "/fonts");
    for (const QString& f : fonts.entryList({"*.ttf", "*.otf"}))
        QFontDatabase::addApplicationFont(fonts.filePath(f));
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "svgshot: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const double scale = args.size() > 3 ? args[3].toDouble() : 1.0;
    const QSize size = (QSizeF(svg.defaultSize()) * scale).toSize();
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    svg.render(&p);
    p.end();
    if (!img.save(args[2])) return 1;
    std::printf("%s: %dx%d\n", qPrintable(args[2]), size.width(), size.height());
    return 0;
}
