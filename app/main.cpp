// nizam: the courseware's entry point. Starts on the title screen; the
// program ends when the last screen is unloaded.
#include <QApplication>
#include <QDir>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "app/navigator.h"
#include "app/registry.h"
#include "platform/desktop_host.h"
#include "platform/fonts.h"
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

// While the application object connects to the display, Qt's messages are
// held back: when no display can be opened Qt ends the process with several
// lines and a core dump, so the one that says why is kept and told in one
// line instead, with exit status 1. When the window system opens, the held
// messages go on to the usual handler.
struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};
QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* heldMessages = nullptr;

std::string noDisplayLine(const QList<HeldMessage>& held, const QString& fatal) {
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    for (const HeldMessage& m : held) {
        if (!m.text.contains(QLatin1String("could not connect to display"))) continue;
        if (display.isEmpty() && wayland.isEmpty())
            return "no display to open the window on (DISPLAY is not set); start Nizam from a desktop session";
        if (display.isEmpty()) return "cannot open the display (DISPLAY is not set)";
        return "cannot connect to the display " + display.toStdString();
    }
    // Another reason: the first thing the platform plugin said, else Qt's own words.
    for (const HeldMessage& m : held)
        if (m.category.startsWith(QLatin1String("qt.qpa")))
            return "cannot open a window: " + m.text.simplified().toStdString();
    return "cannot open a window: " + fatal.section(QLatin1Char('\n'), 0, 0).simplified().toStdString();
}

void holdMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt aborts after a fatal message; the process ends here instead,
        // before anything of the half-made application object is run again.
        // The line is flushed before the process ends.
        nizam::diagnostics::tell(noDisplayLine(*heldMessages, text));
        ::_exit(1);
    }
    heldMessages->append({type, QString::fromUtf8(context.category ? context.category : ""), text});
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
    QList<HeldMessage> held;
    heldMessages = &held;
    previousHandler = qInstallMessageHandler(holdMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    heldMessages = nullptr;
    for (const HeldMessage& m : held) {
        const QByteArray category = m.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.isEmpty() ? "default" : category.constData());
        qt_message_output(m.type, context, m.text);
    }

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
    return app.exec();
}
