// A HostPlatform that records what the logic asks of the platform instead of
// doing it: windows, players, program starts and the end of the application.
#pragma once

#include <string>
#include <vector>

#include "runtime/host_platform.h"
#include "runtime/screen.h"

namespace nizam {

struct ProgramStart {
    std::string path;
    int windowStyle = 0;
};

struct PlayerCall {
    std::string screen;
    std::string player;
    std::string call;  // "visible 1", "movie PATH", "rewind", "play"
};

class HeadlessHost : public HostPlatform {
public:
    void createWindow(Screen& screen) override;
    void showWindow(Screen& screen) override;
    void destroyWindow(Screen& screen) override;
    void controlChanged(Screen&, ControlId) override { ++changes; }
    void setPointerShape(const std::string& iconKey) override { pointerShape = iconKey; }
    void dragStarted(Screen&, ControlId) override { dragOutline = true; }
    void dragEnded() override { dragOutline = false; }
    void startProgram(const std::string& path, int windowStyle) override {
        programs.push_back({path, windowStyle});
    }
    std::unique_ptr<MoviePlayer> createPlayer(Screen& screen, ControlId id) override;
    void endApplication() override { endedCalls++; }
    std::string applicationFolder() const override { return folder; }

    std::string folder = "/opt/nizam";
    std::vector<std::string> windows;  // "create Form2", "show Form2", "destroy Form2"
    std::vector<std::string> openWindows;
    std::vector<ProgramStart> programs;
    std::vector<PlayerCall> playerCalls;
    std::string pointerShape;
    bool dragOutline = false;
    int endedCalls = 0;
    long changes = 0;
};

}  // namespace nizam
