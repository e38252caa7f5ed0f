#include "screens/page.h"

namespace nizam {

namespace {

void attachToolbar(const Toolbar& bar, PageAction check, PageAction reset, ScreenLogic& logic) {
    if (bar.print) attachPrintButton(logic, *bar.print);
    if (bar.calculator) attachCalculatorButton(logic, *bar.calculator);
    const bool navigates = bar.quit || bar.next || bar.back || bar.menu;
    if (!navigates && !bar.check && !bar.reset) return;
    logic.onClick("Image1", [bar, check, reset](Ctx& ctx, Index i) {
        if (bar.quit == i) ctx.app.quit();
        else if (bar.check == i && check) check(ctx.screen);
        else if (bar.reset == i && reset) reset(ctx.screen);
        else if (bar.next && bar.next.index == i) ctx.app.goTo(bar.next.target);
        else if (bar.back && bar.back.index == i) ctx.app.goTo(bar.back.target);
        else if (bar.menu && bar.menu.index == i) ctx.app.goTo(bar.menu.target);
    });
}

void attachLinks(const std::vector<Link>& links, ScreenLogic& logic) {
    for (const Link& link : links) {
        logic.onClick(std::string(link.control), [link](Ctx& ctx, Index i) {
            if (i != link.index.value_or(kNoIndex)) return;
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
