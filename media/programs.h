// SPDX-License-Identifier: GPL-3.0-or-later
// Animations and outside programs started from a page: playing an animation
// file of the application folder, starting the calculator, and printing the
// page.
#pragma once

#include <string>
#include <string_view>

#include "runtime/logic.h"

namespace nizam {

// The calculator program, looked up in the application folder.
inline constexpr std::string_view kCalculatorFile = "calc";

// Starts the calculator from the application folder, maximised and given the
// focus. The page does not wait for it and does not change; every call starts
// a further instance.
void startCalculator(AppActions& app);

// Binds the click of the hot-spot Image1(index) to startCalculator.
void attachCalculatorButton(ScreenLogic& logic, int index);

// Binds the click of the printer hot-spot `control`(index): the platform is
// asked to print the page as it is shown (HostPlatform::printPage). The page
// itself does not change, whether the pupil prints or cancels.
void attachPrintButton(ScreenLogic& logic, int index, std::string control = "Image1");

// An animation a page plays: its player control and its scene's base name
// ("situa1"). One that plays on opening starts as the page loads, before its
// own Load handlers run; the others start on a click of the page's own.
struct Animation {
    std::string_view player;
    std::string_view scene;
    bool onLoad = true;
};

// Plays a page's animation: playAnimation with the scene's ".swf" name.
void playAnimation(Screen& screen, AppActions& app, const Animation& animation);

// Plays an animation file of the application folder on a player of the
// screen: Movie set to the folder + "/" + file, then Rewind, then Play. The
// file is named by its base name with the ".swf" extension ("situa1.swf");
// the platform's player finds its own rendering of it. Playing the file again
// restarts it from its first frame. The player's visibility is not touched.
void playAnimation(Screen& screen, AppActions& app, std::string_view player, std::string_view fileName);

}  // namespace nizam
