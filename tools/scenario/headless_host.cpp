#include "tools/scenario/headless_host.h"

#include <algorithm>

namespace nizam {

namespace {
class RecordingPlayer : public MoviePlayer {
public:
    RecordingPlayer(HeadlessHost& host, std::string screen, std::string player)
        : host_(host), screen_(std::move(screen)), player_(std::move(player)) {}
    void setVisible(bool visible) override { record(visible ? "visible 1" : "visible 0"); }
    void setMovie(const std::string& path) override { record("movie " + path); }
    void rewind() override { record("rewind"); }
    void play() override { record("play"); }

private:
    void record(std::string call) { host_.playerCalls.push_back({screen_, player_, std::move(call)}); }
    HeadlessHost& host_;
    std::string screen_;
    std::string player_;
};
}  // namespace

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
