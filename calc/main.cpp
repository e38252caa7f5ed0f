// calc: the calculator a pupil opens from a lesson page. It runs on its own,
// independently of the courseware that started it.
#include <QApplication>
#include <QList>
#include <QString>

#include <string>
#include <unistd.h>

#include "window.h"

namespace {

// While the application object connects to the display, Qt's messages are
// held back: when no display can be opened Qt ends the process with several
// lines and an abort, so the reason is told in one line instead and the
// program ends with status 1. Once the window system is open, the held
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
            return "no display to open the window on (DISPLAY is not set); start the calculator from a desktop session";
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
        const std::string line = "calc: " + noDisplayLine(*heldMessages, text) + "\n";
        // Qt aborts after a fatal message; the process ends here instead,
        // before anything of the half-made application object runs again.
        ssize_t written = ::write(STDERR_FILENO, line.data(), line.size());
        (void)written;
        ::_exit(1);
    }
    heldMessages->append({type, QString::fromUtf8(context.category ? context.category : ""), text});
}

}  // namespace

int main(int argc, char** argv) {
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

    QApplication::setApplicationName(QStringLiteral("calc"));
    calc::registerBundledFonts();
    calc::CalculatorWindow window;
    window.open();
    return app.exec();
}
