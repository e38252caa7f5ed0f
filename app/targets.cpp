// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/targets.h"

#include <algorithm>

namespace nizam {

namespace {

// A platform that does nothing: the scratch screen is never seen.
class NullHost : public HostPlatform {
public:
    void createWindow(Screen&) override {}
    void showWindow(Screen&) override {}
    void destroyWindow(Screen&) override {}
    void controlChanged(Screen&, ControlId) override {}
    void quitQuestionChanged(Screen&) override {}
    void setPointerShape(const std::string&) override {}
    void dragStarted(Screen&, ControlId) override {}
    void dragEnded() override {}
    void startProgram(const std::string&, int) override {}
    void printPage(const Screen&) override {}
    std::unique_ptr<MoviePlayer> createPlayer(Screen&, ControlId) override { return nullptr; }
    void endApplication() override {}
    std::string applicationFolder() const override { return {}; }
};

// Records Quit and the Go to targets instead of navigating.
class RecordingActions : public AppActions {
public:
    void quit() override { record(NavAction::Quit, {}); }
    void goTo(std::string_view screen) override { record(NavAction::GoTo, std::string(screen)); }
    void record(NavAction action, std::string target) {
        for (const auto& [a, t] : taken) {
            if (a == action && t == target) return;
        }
        taken.emplace_back(action, std::move(target));
    }
    void startProgram(const std::string&) override {}
    std::string applicationFile(const std::string& fileName) const override { return fileName; }
    std::vector<std::pair<NavAction, std::string>> taken;
};

}  // namespace

std::vector<NavigationEdge> discoverEdges(const ScreenModule& module) {
    ScreenLogic logic;
    attachPage(module, logic);
    NullHost host;
    std::vector<NavigationEdge> edges;
    for (std::size_t i = 0; i < module.def.controls.size(); ++i) {
        const ControlDef& c = module.def.controls[i];
        Screen scratch(module.def, host);
        RecordingActions actions;
        Ctx ctx{scratch, actions};
        logic.raiseClick(ctx, c.name, c.index.value_or(kNoIndex));
        for (auto& [action, target] : actions.taken)
            edges.push_back({static_cast<ControlId>(i), action, std::move(target)});
    }
    return edges;
}

std::vector<std::string> discoverTargets(const ScreenModule& module) {
    std::vector<std::string> targets;
    for (auto& e : discoverEdges(module)) {
        if (e.action != NavAction::GoTo) continue;
        if (std::find(targets.begin(), targets.end(), e.target) == targets.end()) targets.push_back(e.target);
    }
    return targets;
}

}  // namespace nizam
