// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/open_display.h"

#include <QList>
#include <QString>

#include <string>
#include <unistd.h>

namespace nizam::platform {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

// The message handler is a plain function: what it needs lies here while
// the application object is being made, and nowhere else.
QList<HeldMessage>* heldMessages = nullptr;
const char* programName = "";
const char* whoStarts = "";

std::string noDisplayLine(const QList<HeldMessage>& held, const QString& fatal) {
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    for (const HeldMessage& m : held) {
        if (!m.text.contains(QLatin1String("could not connect to display"))) continue;
        if (display.isEmpty() && wayland.isEmpty())
            return std::string("no display to open the window on (DISPLAY is not set); start ") + whoStarts +
                   " from a desktop session";
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
        const std::string line = std::string(programName) + ": " + noDisplayLine(*heldMessages, text) + "\n";
        // Qt aborts after a fatal message; the process ends here instead,
        // before anything of the half-made application object runs again.
        ssize_t written = ::write(STDERR_FILENO, line.data(), line.size());
        (void)written;
        ::_exit(1);
    }
    heldMessages->append({type, QString::fromUtf8(context.category ? context.category : ""), text});
}

}  // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv, const char* program, const char* who) {
    QList<HeldMessage> held;
    heldMessages = &held;
    programName = program;
    whoStarts = who;
    const QtMessageHandler previous = qInstallMessageHandler(holdMessages);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    heldMessages = nullptr;
    for (const HeldMessage& m : held) {
        const QByteArray category = m.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.isEmpty() ? "default" : category.constData());
        qt_message_output(m.type, context, m.text);
    }
    return app;
}

}  // namespace nizam::platform
