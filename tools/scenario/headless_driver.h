// SPDX-License-Identifier: GPL-3.0-or-later
// Runs scenario steps on the core alone, with the recording host.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "tools/scenario/headless_host.h"
#include "tools/scenario/scenario.h"

namespace nizam::scenario {

// How typed text is reported by a text box (the desktop host normalises it;
// the headless host applies the same function so both report the same text).
using TextFilter = std::function<std::string(const std::string&)>;

class HeadlessDriver : public Driver {
public:
    explicit HeadlessDriver(TextFilter filter = {});
    Navigator& navigator() override { return *nav_; }
    HeadlessHost& host() { return host_; }
    void start() override { nav_->start(); }
    void open(const std::string& screen) override { nav_->open(screen); }
    void move(Twips x, Twips y) override { nav_->pointerMove(x, y); }
    void click(Twips x, Twips y) override;
    void doubleClick(Twips x, Twips y) override;
    void drag(Twips x1, Twips y1, Twips x2, Twips y2) override;
    void type(ControlId id, const std::string& text) override;
    void clear(ControlId id) override;
    void key(const std::string& name) override;
    void close() override { nav_->windowClosed(); }
    bool questionShown() override { return nav_->quitQuestion() != nullptr; }
    void wait(int ms) override { nav_->timePassed(ms); }
    std::optional<ControlId> loupeShown() override { return host_.loupe; }
    std::optional<ControlId> heldShown() override { return host_.heldOver; }
    std::string shot(const std::string&) override { return {}; }
    std::string shotWindow(const std::string&) override { return {}; }
    bool cursorIsHand() override { return !nav_->pointerShape().empty(); }
    std::optional<std::vector<std::string>> playerCalls(ControlId id) override;
    int pagesOpen() override { return static_cast<int>(host_.openWindows.size()); }
    std::vector<std::pair<std::string, int>> launches() override;
    std::vector<std::string> prints() override { return host_.prints; }

private:
    void release(Twips x, Twips y);
    HeadlessHost host_;
    std::unique_ptr<Navigator> nav_;
    TextFilter filter_;
};

}  // namespace nizam::scenario
