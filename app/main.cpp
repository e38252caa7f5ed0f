// SPDX-License-Identifier: GPL-3.0-or-later
// nizam: the courseware's entry point. Starts on the title screen, or on the
// page --page names; the program ends when the last screen is unloaded.
// --worksheets writes exercise pages to a PDF file instead.
#include <QApplication>
#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/navigator.h"
#include "app/page_titles.h"
#include "app/registry.h"
#include "app/worksheets.h"
#include "platform/desktop_host.h"
#include "platform/fonts.h"
#include "platform/open_display.h"
#include "platform/page_print.h"
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
    "Usage: nizam [--fullscreen] [--page PAGE] [--keyboard on|off]\n"
    "       nizam --worksheets [PAGES] --output FILE.pdf\n"
    "Nizam, a courseware in Arabic for the technology class \"study and\n"
    "realisation of an automatic system\". It opens on its title screen.\n"
    "\n"
    "Options:\n"
    "  --fullscreen        start in full screen (interactive whiteboards, kiosks);\n"
    "                      F11 toggles full screen at any time\n"
    "  --page PAGE         open the course on that page, Form1 to Form41 or its\n"
    "                      number alone (--page Form28, --page 28), to show one\n"
    "                      page to the class; the page's buttons lead on as usual\n"
    "  --keyboard on|off   the on-screen Arabic keyboard: on, it comes up by itself\n"
    "                      when a text box is touched or clicked; off, only once\n"
    "                      its tab at the window's bottom left corner is pressed.\n"
    "                      Left out: on where the system has no Arabic keyboard\n"
    "                      layout, off where it has one\n"
    "  --worksheets [PAGES]\n"
    "                      write the exercise pages, blank, to a PDF file for\n"
    "                      printing: one A4 landscape sheet per page, its title\n"
    "                      above it. PAGES lists page numbers and ranges, e.g.\n"
    "                      5,22-24 (a range takes the exercise pages it spans);\n"
    "                      all exercise pages when left out. Needs no display.\n"
    "  --output FILE.pdf   the file the worksheets are written to\n"
    "  -h, --help          show this help and exit\n"
    "  --version           show the version and exit\n"
    "\n"
    "The print button of an exercise page prints it as the pupil filled it in,\n"
    "through the system's print dialog (which can also save a PDF file).\n"
    "\n"
    "Qt's own options are accepted too, e.g. -platform NAME or -display NAME.\n";

struct CommandLine {
    bool help = false;
    bool version = false;
    bool fullScreen = false;
    std::optional<std::string> page;  // as written after --page
    bool worksheets = false;
    std::optional<std::string> pages;
    std::optional<std::string> output;
    std::optional<bool> keyboard;  // --keyboard on|off
    std::string error;  // one of our options misused
};

// Reads our options, with their values; returns the first argument that is
// not one of them (Qt's own, before Qt has taken them), or nullptr.
const char* readOptions(int argc, char** argv, CommandLine& line) {
    const char* unknown = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            line.help = true;
        } else if (std::strcmp(arg, "--version") == 0) {
            line.version = true;
        } else if (std::strcmp(arg, "--fullscreen") == 0) {
            line.fullScreen = true;
        } else if (std::strncmp(arg, "--page=", 7) == 0) {
            line.page = std::string(arg + 7);
        } else if (std::strcmp(arg, "--page") == 0) {
            line.page = i + 1 < argc ? std::string(argv[++i]) : std::string();
        } else if (std::strcmp(arg, "--keyboard") == 0 || std::strncmp(arg, "--keyboard=", 11) == 0) {
            const char* value = arg[10] == '=' ? arg + 11 : (i + 1 < argc ? argv[++i] : "");
            if (std::strcmp(value, "on") == 0)
                line.keyboard = true;
            else if (std::strcmp(value, "off") == 0)
                line.keyboard = false;
            else if (line.error.empty())
                line.error = "--keyboard takes on or off (nizam --help)";
        } else if (std::strcmp(arg, "--worksheets") == 0) {
            line.worksheets = true;
            // The page list is optional: the next argument, unless it is an option.
            if (i + 1 < argc && argv[i + 1][0] != '-') line.pages = argv[++i];
        } else if (std::strcmp(arg, "--output") == 0) {
            if (i + 1 < argc && argv[i + 1][0] != '\0') line.output = argv[++i];
            else if (line.error.empty()) line.error = "--output needs a file name (nizam --help)";
        } else if (!unknown) {
            unknown = arg;
        }
    }
    return unknown;
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

int tellUsage(const std::string& line) {
    nizam::diagnostics::tell(line);
    return 2;
}

// Writes the worksheets: each page loaded as the pupil first sees it, drawn
// under its title. Returns the exit status.
int writeWorksheets(const std::vector<std::string>& pages, const std::string& file) {
    const QString folder = QCoreApplication::applicationDirPath();
    nizam::platform::registerBundledFonts(folder);
    nizam::platform::SvgAssetStore store(folder + "/assets");
    nizam::platform::StillHost host;
    nizam::Navigator navigator(host, nizam::screenRegistry());
    nizam::platform::WorksheetWriter writer(QString::fromStdString(file), store);
    for (const std::string& page : pages) {
        navigator.open(page);
        const nizam::Screen* screen = navigator.current();
        if (!screen) {
            nizam::diagnostics::tell("cannot load " + page);
            return 1;
        }
        if (!writer.add(*screen, QString::fromUtf8(nizam::pageTitle(page).data(),
                                                   static_cast<qsizetype>(nizam::pageTitle(page).size()))))
            return tellUsage("cannot write " + file + ": " + writer.error().toStdString());
    }
    if (!writer.finish()) return tellUsage("cannot write " + file + ": " + writer.error().toStdString());
    std::printf("%zu worksheet%s written to %s\n", pages.size(), pages.size() == 1 ? "" : "s", file.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CommandLine line;
    readOptions(argc, argv, line);
    // Answered on the terminal, with no display needed.
    if (line.help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (line.version) {
        std::printf("nizam %s\n", NIZAM_VERSION);
        return 0;
    }
    if (!line.error.empty()) return tellUsage(line.error);
    if (line.output && !line.worksheets) return tellUsage("--output goes with --worksheets (nizam --help)");
    std::optional<std::string> firstPage;
    if (line.page) {
        if (line.worksheets) return tellUsage("--page goes without --worksheets (nizam --help)");
        firstPage = pageNamed(*line.page);
        if (!firstPage)
            return tellUsage(line.page->empty() ? std::string("--page needs a page: Form1 to Form41, or 1 to 41")
                                                : "unknown page '" + *line.page +
                                                      "' for --page (Form1 to Form41, or 1 to 41)");
    }
    std::vector<std::string> sheets;
    if (line.worksheets) {
        if (!line.output) return tellUsage("--worksheets needs --output FILE.pdf (nizam --help)");
        const auto registry = nizam::screenRegistry();
        if (line.pages) {
            const nizam::PageList list = nizam::parsePageList(*line.pages, registry);
            if (!list.ok()) return tellUsage(list.error);
            sheets = list.pages;
        } else {
            sheets = nizam::exercisePages(registry);
        }
        // Nothing is shown: the sheets are drawn the same with or without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    const auto app = nizam::platform::openDisplay(argc, argv, "nizam", "Nizam");

    nizam::platform::setUpProcess();

    // Qt has taken its own options out of the arguments; what is left must be ours.
    {
        CommandLine again;
        if (const char* unknown = readOptions(argc, argv, again))
            return tellUsage("unknown option '" + std::string(unknown) + "' (nizam --help lists the options)");
    }

    QApplication::setApplicationName("nizam");
    QApplication::setApplicationVersion(QStringLiteral(NIZAM_VERSION));
    if (line.worksheets) return writeWorksheets(sheets, *line.output);
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
    options.keyboard = line.keyboard;
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
