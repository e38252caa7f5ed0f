// SPDX-License-Identifier: GPL-3.0-or-later
// nizam: the courseware's entry point. Starts on the title screen; the
// program ends when the last screen is unloaded.
#include <QApplication>
#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/navigator.h"
#include "app/registry.h"
#include "platform/desktop_host.h"
#include "platform/fonts.h"
#include "platform/open_display.h"
#include "platform/process.h"
#include "platform/svg_asset_store.h"
#include "runtime/diagnostics.h"

#ifndef NIZAM_VERSION
#define NIZAM_VERSION "unknown"
#endif
#ifndef NIZAM_APP_ID
#define NIZAM_APP_ID "nizam"
#endif

namespace {

constexpr const char* kHelp =
    "Usage: nizam [--fullscreen]\n"
    "Nizam, a courseware in Arabic for the technology class \"study and\n"
    "realisation of an automatic system\". It opens on its title screen.\n"
    "\n"
    "Options:\n"
    "  --fullscreen  start in full screen (interactive whiteboards, kiosks);\n"
    "                F11 toggles full screen at any time\n"
    "  -h, --help    show this help and exit\n"
    "  --version     show the version and exit\n"
    "\n"
    "Qt's own options are accepted too, e.g. -platform NAME or -display NAME.\n";

struct CommandLine {
    bool help = false;
    bool version = false;
    bool fullScreen = false;
};

bool isOurs(const char* arg, CommandLine& line) {
    if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) return line.help = true;
    if (std::strcmp(arg, "--version") == 0) return line.version = true;
    if (std::strcmp(arg, "--fullscreen") == 0) return line.fullScreen = true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) isOurs(argv[i], line);
    // Answered on the terminal, with no display needed.
    if (line.help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (line.version) {
        std::printf("nizam %s\n", NIZAM_VERSION);
        return 0;
    }

    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    const auto app = nizam::platform::openDisplay(argc, argv, "nizam", "Nizam");

    nizam::platform::setUpProcess();

    // Qt has taken its own options out of the arguments; what is left must be ours.
    for (int i = 1; i < argc; ++i) {
        CommandLine ignored;
        if (!isOurs(argv[i], ignored)) {
            nizam::diagnostics::tell("unknown option '" + std::string(argv[i]) + "' (nizam --help lists the options)");
            return 2;
        }
    }

    QApplication::setApplicationName("nizam");
    QApplication::setApplicationVersion(QStringLiteral(NIZAM_VERSION));
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(NIZAM_APP_ID));
    // No display name: the platform would append it to every window title,
    // which already begins with the program's name and the page's title.
    // Qt's own menus (the right-click menu of a text box) in Arabic, right to left.
    nizam::platform::installArabicTranslations();
    const QString folder = QCoreApplication::applicationDirPath();
    nizam::platform::SvgAssetStore store(folder + "/assets");
    // The title page is drawn from the pictures the build drew for it, so the
    // fonts are registered just after its first frame.
    nizam::platform::DesktopHost::Options options;
    options.afterFirstFrame = [folder] { nizam::platform::registerBundledFonts(folder); };
    nizam::platform::DesktopHost host(store, folder, options);
    nizam::Navigator navigator(host, nizam::screenRegistry());
    host.attach(&navigator);
    navigator.start();
    if (navigator.ended()) return 0;
    // Full screen from the start, as F11 makes it: F11 then gives the window
    // its fitted size.
    if (line.fullScreen) host.toggleFullScreen();
    return app->exec();
}
