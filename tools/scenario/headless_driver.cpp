// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/headless_driver.h"

#include "app/registry.h"

namespace nizam::scenario {

HeadlessDriver::HeadlessDriver(TextFilter filter)
    : nav_(std::make_unique<Navigator>(host_, screenRegistry())), filter_(std::move(filter)) {}

void HeadlessDriver::release(Twips x, Twips y) {
    const Screen* s = nav_->current();
    if (s && !s->insideClient(x, y))
        nav_->pointerReleaseOutside();
    else
        nav_->pointerRelease(x, y);
}

void HeadlessDriver::click(Twips x, Twips y) {
    nav_->pointerMove(x, y);
    nav_->pointerPress(x, y);
    release(x, y);
}

void HeadlessDriver::doubleClick(Twips x, Twips y) {
    click(x, y);
    nav_->pointerDoubleClick(x, y);
    release(x, y);
}

void HeadlessDriver::drag(Twips x1, Twips y1, Twips x2, Twips y2) {
    nav_->pointerMove(x1, y1);
    nav_->pointerPress(x1, y1);
    nav_->pointerMove(x2, y2);
    release(x2, y2);
}

void HeadlessDriver::type(ControlId id, const std::string& text) {
    nav_->userSetFocus(id);
    Screen* s = nav_->current();
    if (!s) return;
    std::string typed = s->state(id).text + text;
    nav_->userSetText(id, filter_ ? filter_(typed) : typed);
}

void HeadlessDriver::clear(ControlId id) {
    nav_->userSetFocus(id);
    nav_->userSetText(id, std::string());
}

void HeadlessDriver::key(const std::string& name) {
    if (name == "Tab") nav_->keyTab();
    if (name == "Backtab") nav_->keyBacktab();
    if (name == "Space") nav_->keySpace();
    if (name == "Enter") nav_->keyEnter();
    if (name == "Escape") nav_->keyEscape();
    if (name == "Left") nav_->keyArrow(keys::Direction::Left);
    if (name == "Right") nav_->keyArrow(keys::Direction::Right);
    if (name == "Up") nav_->keyArrow(keys::Direction::Up);
    if (name == "Down") nav_->keyArrow(keys::Direction::Down);
}

std::optional<std::vector<std::string>> HeadlessDriver::playerCalls(ControlId id) {
    const Screen* s = nav_->current();
    if (!s || id < 0 || id >= s->controlCount()) return std::nullopt;
    const auto* player = dynamic_cast<const RecordingPlayer*>(s->state(id).player.get());
    if (!player) return std::nullopt;
    return player->calls();
}

std::vector<std::pair<std::string, int>> HeadlessDriver::launches() {
    std::vector<std::pair<std::string, int>> out;
    for (const auto& p : host_.programs) out.emplace_back(p.path, p.windowStyle);
    return out;
}

}  // namespace nizam::scenario
