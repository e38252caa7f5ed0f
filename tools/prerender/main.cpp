// SPDX-License-Identifier: GPL-3.0-or-later
// nizam-prerender: draws the pictures of the title page, the page the
// program opens on, as a 1024 x 768 window shows them (the window the
// program opens on a display of that size or larger, without a window
// manager, its art filling it), into
// `<program folder>/assets/prerendered/`. The program takes these copies
// instead of rendering, so its first frame needs neither the fonts nor the
// SVG renderer. Each copy carries the SHA-1 of its source: a source edited
// later is rendered anew. Copies this run does not write are removed.
//
//   nizam-prerender PROGRAM_FOLDER
#include <QApplication>
#include <QDir>
#include <QSet>
#include <cstdio>

#include "app/navigator.h"
#include "app/registry.h"
#include "platform/desktop_host.h"
#include "platform/fonts.h"
#include "platform/process.h"
#include "platform/svg_asset_store.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    nizam::platform::setUpProcess();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: nizam-prerender PROGRAM_FOLDER\n");
        return 2;
    }
    const QString folder = args[1];
    nizam::platform::registerBundledFonts(folder);
    nizam::platform::SvgAssetStore store(folder + "/assets");
    if (!store.manifestErrors().isEmpty()) return 1;
    nizam::platform::DesktopHost::Options options;
    options.quitOnEnd = false;
    options.recordPrograms = true;
    options.fitToScreen = false;  // the design canvas's size, 1024 x 768
    nizam::platform::DesktopHost host(store, folder, options);
    nizam::Navigator nav(host, nizam::screenRegistry());
    host.attach(&nav);
    nav.start();
    if (host.window()->devicePixelRatioF() != 1.0) {
        std::fprintf(stderr, "nizam-prerender: the offscreen display does not draw at one pixel a pixel\n");
        return 1;
    }

    if (Q_BYTE_ORDER != Q_LITTLE_ENDIAN) {
        // The copies hold the pixels in little-endian order: here the
        // program renders its title page as it renders every other page.
        std::printf("nizam-prerender: not a little-endian machine, no pictures drawn ahead\n");
        return 0;
    }
    const QString out = folder + "/assets/prerendered";
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "nizam-prerender: cannot make %s\n", qPrintable(out));
        return 1;
    }
    QSet<QString> written;
    for (const auto& [key, size] : host.picturesOnShow()) {
        const QImage image = store.image(key, size);
        if (image.isNull() || !store.writePrerendered(out, key, image)) {
            std::fprintf(stderr, "nizam-prerender: cannot draw %s at %d x %d\n", key.c_str(), size.width(),
                         size.height());
            return 1;
        }
        written.insert(nizam::platform::SvgAssetStore::prerenderedName(key, size));
    }
    const QDir dir(out);
    for (const QString& name : dir.entryList({"*.argb"}, QDir::Files))
        if (!written.contains(name)) QFile::remove(dir.filePath(name));
    std::printf("nizam-prerender: %lld pictures of the title page drawn into %s\n",
                static_cast<long long>(written.size()), qPrintable(out));
    return 0;
}
