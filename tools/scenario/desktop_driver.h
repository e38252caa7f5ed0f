// SPDX-License-Identifier: GPL-3.0-or-later
// Runs scenario steps on the real Qt window (Qt's offscreen platform), with
// every pointer and keyboard step delivered as a real Qt input event.
#pragma once

#include <QPixmap>
#include <memory>

#include "platform/desktop_host.h"
#include "platform/svg_asset_store.h"
#include "tools/scenario/scenario.h"

namespace nizam::scenario {

class DesktopDriver : public Driver {
public:
    // outlines: every shot draws each control's outline and name over the
    // page (a review view; see docs/scenarios.md).
    // keyboard: the on-screen keyboard switched on at start (the runner's
    // files switch it on with osk-toggle; off, it never comes in their way).
    explicit DesktopDriver(platform::SvgAssetStore& store, bool outlines = false, bool keyboard = false);
    ~DesktopDriver() override;
    Navigator& navigator() override { return *nav_; }
    platform::DesktopHost& host() { return *host_; }
    void start() override;
    void open(const std::string& screen) override;
    void move(Twips x, Twips y) override;
    void click(Twips x, Twips y) override;
    void doubleClick(Twips x, Twips y) override;
    void drag(Twips x1, Twips y1, Twips x2, Twips y2) override;
    void type(ControlId id, const std::string& text) override;
    void clear(ControlId id) override;
    void key(const std::string& name) override;
    void close() override;
    bool questionShown() override { return host_->quitQuestionShown(); }
    void wait(int ms) override;
    std::optional<ControlId> loupeShown() override { return host_->loupeShown(); }
    std::optional<ControlId> heldShown() override { return host_->heldOverShown(); }
    std::string shot(const std::string& file) override;
    std::string shotWindow(const std::string& file) override;
    bool cursorIsHand() override;
    std::optional<std::vector<std::string>> playerCalls(ControlId id) override;
    int pagesOpen() override { return host_->pagesOpen(); }
    std::vector<std::pair<std::string, int>> launches() override;
    std::vector<std::string> prints() override { return host_->recordedPrints(); }
    std::string oskPress(const std::string& key) override;
    std::string oskType(const std::string& text) override;
    std::string oskToggle() override;
    std::optional<Keyboard> keyboard() override;
    bool keyboardCovers(ControlId id) override;
    // The on-screen keyboard as it stands for a text box of a page in a
    // window of `window` pixels, clicked there: its panel, both layers' keys
    // and the tab, in window pixels, as JSON. "" when the page or the box is
    // unknown.
    std::string dumpKeyboard(QSize window, const std::string& screen, const std::string& box);

private:
    QPoint pixel(Twips x, Twips y) const;
    void settle();
    void activate();
    void focusNative(ControlId id);
    // A press and release of the primary button at a window pixel.
    void clickPixel(QPoint at);
    // Draws the outlines over a picture of the window whose top left corner
    // is the window pixel `corner`.
    void drawOutlines(QPixmap& page, QPoint corner);
    std::string save(QPixmap page, QPoint corner, const std::string& file);

    std::unique_ptr<platform::DesktopHost> host_;
    std::unique_ptr<Navigator> nav_;
    QPoint last_{-1, -1};
    bool outlines_ = false;
};

}  // namespace nizam::scenario
