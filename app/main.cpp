// SPDX-License-Identifier: GPL-3.0-or-later
// nizam: the courseware's entry point. Starts on the title screen, or on the
// page --page names; the program ends when the last screen is unloaded.
#include <QApplication>
#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
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
    "Usage: nizam [--fullscreen] [--page PAGE]\n"
    "Nizam, a courseware in Arabic for the technology class \"study and\n"
    "realisation of an automatic system\". It opens on its title screen.\n"
    "\n"
    "Options:\n"
    "  --fullscreen  start in full screen (interactive whiteboards, kiosks);\n"
    "                F11 toggles full screen at any time\n"
    "  --page PAGE   open the course on that page, Form1 to Form41 or its\n"
    "                number alone (--page Form28, --page 28), to show one\n"
    "                page to the class; the page's buttons lead on as usual\n"
    "  -h, --help    show this help and exit\n"
    "  --version     show the version and exit\n"
    "\n"
    "Qt's own options are accepted too, e.g. -platform NAME or -display NAME.\n";

struct CommandLine {
    bool help = false;
    bool version = false;
    bool fullScreen = false;
    std::optional<std::string> page;  // as written after --page
    std::string unknown;              // the first argument that is not ours
};

// Reads our options; Qt's, read first or later, are left for Qt. With
// `strict`, any other argument is the unknown one.
CommandLine readLine(int argc, char** argv, bool strict) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0)
            line.help = true;
        else if (std::strcmp(arg, "--version") == 0)
            line.version = true;
        else if (std::strcmp(arg, "--fullscreen") == 0)
            line.fullScreen = true;
        else if (std::strncmp(arg, "--page=", 7) == 0)
            line.page = std::string(arg + 7);
        else if (std::strcmp(arg, "--page") == 0)
            line.page = i + 1 < argc ? std::optional<std::string>(argv[++i]) : std::optional<std::string>("");
        else if (strict && line.unknown.empty())
            line.unknown = arg;
    }
    return line;
}

// The screen a --page value names: "Form28", "form28" or "28"; none for
// anything else.
std::optional<std::string> pageNamed(const std::string& text) {
    std::string digits = text;
    if (digits.size() > 4 && (digits.compare(0, 4, "Form") == 0 || digits.compare(0, 4, "form") == 0))
        digits = digits.substr(4);
    if (digits.empty() || digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos ||
        digits[0] == '0')
        return std::nullopt;
    const std::string name = "Form" + digits;
    for (const auto& e : nizam::screenRegistry())
        if (e.name == name) return name;
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line = readLine(argc, argv, false);
    // Answered on the terminal, with no display needed.
    if (line.help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (line.version) {
        std::printf("nizam %s\n", NIZAM_VERSION);
        return 0;
    }
    std::optional<std::string> firstPage;
    if (line.page) {
        firstPage = pageNamed(*line.page);
        if (!firstPage) {
            nizam::diagnostics::tell(line.page->empty() ? std::string("--page needs a page: Form1 to Form41, or 1 to 41")
                                                        : "unknown page '" + *line.page +
                                                              "' for --page (Form1 to Form41, or 1 to 41)");
            return 2;
        }
    }

    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    const auto app = nizam::platform::openDisplay(argc, argv, "nizam", "Nizam");

    nizam::platform::setUpProcess();

    // Qt has taken its own options out of the arguments; what is left must be ours.
    if (const CommandLine left = readLine(argc, argv, true); !left.unknown.empty()) {
        nizam::diagnostics::tell("unknown option '" + left.unknown + "' (nizam --help lists the options)");
        return 2;
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
    // The page asked for is reached as a button reaches it: its Load runs.
    if (firstPage)
        navigator.open(*firstPage);
    else
        navigator.start();
    if (navigator.ended()) return 0;
    // Full screen from the start, as F11 makes it: F11 then gives the window
    // its fitted size.
    if (line.fullScreen) host.toggleFullScreen();
    return app->exec();
}
