// SPDX-License-Identifier: GPL-3.0-or-later
// The settings of the whole process that the program's window relies on,
// made in one place by every program that shows it: the program itself, the
// scenario runner, the benchmark, the tools and the test programs.
#pragma once

namespace nizam::platform {

// Call once the application object exists, before any window or picture:
// - the C library gives each large block (a rendered picture) its own
//   mapping, so an evicted picture's memory goes back to the system;
// - the animations' engine writes no cache file and draws with the software
//   renderer, unless QT_QUICK_BACKEND asks for another;
// - check boxes and text boxes are drawn with Qt's Fusion style, whatever
//   the desktop or QT_STYLE_OVERRIDE asks for (with a QApplication);
// - Qt's font cache is kept from waking the program from a timer.
// Calling it again changes nothing more.
void setUpProcess();

}  // namespace nizam::platform
