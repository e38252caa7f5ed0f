// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/programs.h"

namespace nizam {

void startCalculator(AppActions& app) { app.startProgram(std::string(kCalculatorFile)); }

void attachCalculatorButton(ScreenLogic& logic, int index) {
    logic.onClick("Image1", index, [](Ctx& ctx, Index) { startCalculator(ctx.app); });
}

void attachPrintButton(ScreenLogic& logic, int index, std::string control) {
    // The toolbar of the pages shows a printer button with its hover
    // highlight like every other button, but the courseware prints nothing:
    // the pages are pictures made for the screen, and a click must leave the
    // page exactly as it was. The click is still bound, to an empty handler,
    // so that the button counts as handled among the page's bindings and the
    // intent is written down here rather than left as a forgotten button.
    logic.onClick(std::move(control), index, [](Ctx&, Index) {
        // Deliberately nothing: no state changes and nothing is sent to a printer.
    });
}

void playAnimation(Screen& screen, AppActions& app, std::string_view player, std::string_view fileName) {
    // The designs write the files as "\situa1.swf", relative to the folder:
    // a leading separator is not part of the name.
    while (!fileName.empty() && (fileName.front() == '\\' || fileName.front() == '/')) fileName.remove_prefix(1);
    screen.playMovie(player, app.applicationFile(std::string(fileName)));
}

void playAnimation(Screen& screen, AppActions& app, const Animation& animation) {
    playAnimation(screen, app, animation.player, std::string(animation.scene) + ".swf");
}

}  // namespace nizam
