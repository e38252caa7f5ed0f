// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the test programs that need Qt's GUI classes but no
// window system: GoogleTest's cases run with a QGuiApplication on Qt's
// offscreen platform.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/process.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    nizam::platform::setUpProcess();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
