// SPDX-License-Identifier: GPL-3.0-or-later
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

class HeadlessHost;

// The player the headless host gives each player control: it records every
// call it receives, in order, in its own list (the calls of this player since
// its screen was loaded) and in the host's list of every player's calls.
class RecordingPlayer : public MoviePlayer {
public:
    RecordingPlayer(HeadlessHost& host, std::string screen, std::string player);
    ~RecordingPlayer() override;
    RecordingPlayer(const RecordingPlayer&) = delete;
    RecordingPlayer& operator=(const RecordingPlayer&) = delete;
    void setVisible(bool visible) override { record(visible ? "visible 1" : "visible 0"); }
    void setMovie(const std::string& path) override { record("movie " + path); }
    void rewind() override { record("rewind"); }
    void play() override { record("play"); }
    const std::vector<std::string>& calls() const { return calls_; }

private:
    void record(std::string call);
    HeadlessHost& host_;
    std::string screen_;
    std::string player_;
    std::vector<std::string> calls_;
};

class HeadlessHost : public HostPlatform {
public:
    void createWindow(Screen& screen) override;
    void showWindow(Screen& screen) override;
    void destroyWindow(Screen& screen) override;
    void controlChanged(Screen&, ControlId) override { ++changes; }
    void setPointerShape(const std::string& iconKey) override { pointerShape = iconKey; }
    void dragStarted(Screen&, ControlId) override { dragOutline = true; }
    void dragEnded() override {
        dragOutline = false;
        heldOver.reset();
    }
    void dragHeldOver(Screen&, ControlId target) override { heldOver = target; }
    void startProgram(const std::string& path, int windowStyle) override {
        programs.push_back({path, windowStyle});
    }
    void printPage(const Screen& screen) override { prints.push_back(screen.name()); }
    std::unique_ptr<MoviePlayer> createPlayer(Screen& screen, ControlId id) override;
    void endApplication() override { endedCalls++; }
    // Records whether the quit question is on show, as a window would draw it.
    void quitQuestionChanged(Screen&) override { ++questionChanges; }
    std::string applicationFolder() const override { return folder; }
    void loupeChanged(Screen&, std::optional<ControlId> label) override { loupe = label; }
    void wakeAfter(int ms) override { wake = ms; }

    std::string folder = "/opt/nizam";
    std::vector<std::string> windows;  // "create Form2", "show Form2", "destroy Form2"
    std::vector<std::string> openWindows;
    std::vector<ProgramStart> programs;
    std::vector<std::string> prints;  // the screens whose printing was asked, in order
    std::vector<PlayerCall> playerCalls;
    std::string pointerShape;
    bool dragOutline = false;
    std::optional<ControlId> heldOver;  // where the outline of a label carried by keys stands
    std::optional<ControlId> loupe;  // the label whose loupe the host was told to show
    std::optional<int> wake;         // the last wait the course asked for, in milliseconds
    int endedCalls = 0;
    long changes = 0;
    int questionChanges = 0;
    int playersAlive = 0;  // players made and not yet destroyed
};

}  // namespace nizam
