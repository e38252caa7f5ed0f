// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/page.h"

#include <functional>
#include <utility>

namespace nizam {

namespace {

// Each button is bound to its own hot-spot Image1(index), so the page's
// bindings name every element they serve.
void onButton(ScreenLogic& logic, int index, std::function<void(Ctx&)> act) {
    logic.onClick("Image1", Elements(index), [act = std::move(act)](Ctx& ctx, Index) { act(ctx); });
}

void attachToolbar(const Toolbar& bar, PageAction check, PageAction reset, ScreenLogic& logic) {
    if (bar.print) attachPrintButton(logic, *bar.print);
    if (bar.calculator) attachCalculatorButton(logic, *bar.calculator);
    if (bar.quit) onButton(logic, *bar.quit, [](Ctx& ctx) { ctx.app.quit(); });
    if (bar.check && check) onButton(logic, *bar.check, [check](Ctx& ctx) { check(ctx.screen); });
    if (bar.reset && reset) onButton(logic, *bar.reset, [reset](Ctx& ctx) { reset(ctx.screen); });
    for (const Toolbar::To& to : {bar.next, bar.back, bar.menu}) {
        if (!to) continue;
        onButton(logic, to.index, [target = to.target](Ctx& ctx) { ctx.app.goTo(target); });
    }
}

void attachLinks(const std::vector<Link>& links, ScreenLogic& logic) {
    for (const Link& link : links) {
        const Elements elements = link.index ? Elements(*link.index) : Elements::single();
        logic.onClick(std::string(link.control), elements, [link](Ctx& ctx, Index) {
            if (link.action == NavAction::Quit) ctx.app.quit();
            else ctx.app.goTo(link.target);
        });
    }
}

}  // namespace

void attachPage(const ScreenModule& module, ScreenLogic& logic) {
    std::vector<Animation> onOpening;
    for (const Animation& a : module.animations)
        if (a.onLoad) onOpening.push_back(a);
    if (!onOpening.empty()) {
        logic.onLoad([onOpening](Ctx& ctx) {
            for (const Animation& a : onOpening) playAnimation(ctx.screen, ctx.app, a);
        });
    }
    module.bind(logic);
    for (const CatchArea& c : module.catchAreas) logic.catchArea(std::string(c.control), c.index, c.area);
    attachToolbar(module.toolbar, module.check, module.reset, logic);
    attachLinks(module.links, logic);
}

std::vector<Link> pageEdges(const ScreenModule& module) {
    const Toolbar& bar = module.toolbar;
    std::vector<Link> edges;
    if (bar.quit) edges.push_back({"Image1", *bar.quit, NavAction::Quit});
    for (const auto& to : {bar.next, bar.back, bar.menu})
        if (to) edges.push_back({"Image1", to.index, NavAction::GoTo, to.target});
    edges.insert(edges.end(), module.links.begin(), module.links.end());
    return edges;
}

}  // namespace nizam
