// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/headless_host.h"

#include <algorithm>

namespace nizam {

RecordingPlayer::RecordingPlayer(HeadlessHost& host, std::string screen, std::string player)
    : host_(host), screen_(std::move(screen)), player_(std::move(player)) {
    ++host_.playersAlive;
}

RecordingPlayer::~RecordingPlayer() { --host_.playersAlive; }

void RecordingPlayer::record(std::string call) {
    calls_.push_back(call);
    host_.playerCalls.push_back({screen_, player_, std::move(call)});
}

void HeadlessHost::createWindow(Screen& screen) {
    windows.push_back("create " + screen.name());
    openWindows.push_back(screen.name());
}

void HeadlessHost::showWindow(Screen& screen) { windows.push_back("show " + screen.name()); }

void HeadlessHost::destroyWindow(Screen& screen) {
    windows.push_back("destroy " + screen.name());
    auto it = std::find(openWindows.begin(), openWindows.end(), screen.name());
    if (it != openWindows.end()) openWindows.erase(it);
}

std::unique_ptr<MoviePlayer> HeadlessHost::createPlayer(Screen& screen, ControlId id) {
    return std::make_unique<RecordingPlayer>(*this, screen.name(), screen.control(id).name);
}

}  // namespace nizam
