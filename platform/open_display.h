// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the window system for a program (Nizam and its calculator).
#pragma once

#include <QApplication>

#include <memory>

namespace nizam::platform {

// Makes the application object while Qt's messages are held back. When no
// display can be opened, Qt would end the process with several lines and an
// abort; instead one line "<program>: <reason>" says why, naming `who` in
// the advice to start it from a desktop session, and the process ends with
// status 1. Once the window system is open, the held messages go on to the
// usual handler.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv, const char* program, const char* who);

}  // namespace nizam::platform
