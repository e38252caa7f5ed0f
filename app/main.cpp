// nizam: the courseware's entry point. Starts on the title screen; the
// program ends when the last screen is unloaded.
#include <QApplication>
#include <QDir>

#include "app/navigator.h"
#include "app/registry.h"
#include "platform/desktop_host.h"
#include "platform/fonts.h"
#include "platform/qml_movie_player.h"
#include "platform/svg_asset_store.h"

int main(int argc, char** argv) {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    nizam::platform::QmlMoviePlayer::prepareRendering();
    QApplication app(argc, argv);
    QApplication::setApplicationName("nizam");
    // No display name: the platform would append it to every window title,
    // which already begins with the program's name and the page's title.
    // Qt's own menus (the right-click menu of a text box) in Arabic, right to left.
    nizam::platform::installArabicTranslations();
    const QString folder = QCoreApplication::applicationDirPath();
    nizam::platform::registerBundledFonts(folder);

    nizam::platform::SvgAssetStore store(folder + "/assets");
    nizam::platform::DesktopHost host(store, folder, {});
    nizam::Navigator navigator(host, nizam::screenRegistry());
    host.attach(&navigator);
    navigator.start();
    if (navigator.ended()) return 0;
    return app.exec();
}
