// calc: the calculator a pupil opens from a lesson page. It runs on its own,
// independently of the courseware that started it.
#include <QApplication>

#include "window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("calc"));
    calc::registerBundledFonts();
    calc::CalculatorWindow window;
    window.open();
    return app.exec();
}
