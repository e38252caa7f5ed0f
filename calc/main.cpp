// SPDX-License-Identifier: GPL-3.0-or-later
// calc: the calculator a pupil opens from a lesson page. It runs on its own,
// independently of the courseware that started it.
#include <QApplication>

#include "platform/open_display.h"
#include "window.h"

int main(int argc, char** argv) {
    // Without a display it says so in one line and ends with status 1.
    const auto app = nizam::platform::openDisplay(argc, argv, "calc", "the calculator");

    QApplication::setApplicationName(QStringLiteral("calc"));
    calc::registerBundledFonts();
    calc::CalculatorWindow window;
    window.open();
    return app->exec();
}
