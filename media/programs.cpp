// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/programs.h"

namespace nizam {

void startCalculator(AppActions& app) { app.startProgram(std::string(kCalculatorFile)); }

void attachCalculatorButton(ScreenLogic& logic, int index) {
    logic.onClick("Image1", index, [](Ctx& ctx, Index) { startCalculator(ctx.app); });
}

void attachPrintButton(ScreenLogic& logic, int index, std::string control) {
    // The page is printed as it stands, answers and verdicts included; the
    // handler changes nothing of it, so a cancelled print leaves it as it was.
    logic.onClick(std::move(control), index, [](Ctx& ctx, Index) { ctx.screen.host().printPage(ctx.screen); });
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
