// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/unit/test_screens.h"

#include "runtime/hover.h"

namespace nizam::test {

std::vector<std::string>& eventLog() {
    static std::vector<std::string> log;
    return log;
}

namespace {

std::string named(const Screen& s, std::string_view name, Index i) {
    std::string out(name);
    if (i != kNoIndex) out += "(" + std::to_string(i) + ")";
    (void)s;
    return out;
}

ScreenDef labDef() {
    ScreenDef d;
    d.name = "Lab";
    d.caption = "Lab";
    d.controls = {
        checkBox("Check1", 600, 600, 375, 375).back(kWhite).tab(2),
        checkBox("Check2", 600, 1200, 375, 375).back(kWhite).tab(1),
        textBox("Text1", 1200, 600, 2000, 495).tab(3),
        // Image1(1) lies in front of Image1(2) where they overlap.
        image("Image1", 1, 3000, 3000, 1500, 1500).pointerIcon(),
        image("Image1", 2, 4000, 3000, 1500, 1500).pointerIcon(),
        image("Image2", 1, 3000, 3000, 1500, 1500).pic(100, 100).pointerIcon(),
        image("Image2", 2, 4000, 3000, 1500, 1500).pic(100, 100).pointerIcon(),
        // Hidden at design time: the pointer passes through it.
        image("Image5", 6000, 3000, 1000, 1000).pic(60, 60).hidden(),
        // Entirely outside the client area.
        image("Image6", 16000, 100, 900, 900).pic(60, 60),
        // Drag labels and drop targets.
        image("Image3", 0, 1000, 6000, 1200, 450).pic(80, 30).draggable().pointer(kPointerIcon).pointerIcon(),
        image("Image3", 1, 1000, 7000, 1800, 450).pic(120, 30).draggable().pointer(kPointerIcon).pointerIcon(),
        image("Image4", 0, 6000, 6000, 1500, 600),
        image("Image4", 1, 6000, 7000, 1500, 600),
        image("Image9", 20000, 20000, 600, 600),
        // A stretched image keeps its size whatever picture it gets.
        image("Image8", 9000, 6000, 600, 600).pic(40, 40).stretched(),
        // A frame lying on the background: the pointer passes through it.
        shape("Shape1", 8000, 1000, 2000, 2000).borderW(3),
        image("Imagefixe", 500, 500, 13000, 10000).pic(866, 666),
    };
    return d;
}

const ScreenDef kLab = labDef();

void bindLab(ScreenLogic& logic) {
    logic.onLoad([](Ctx&) { eventLog().push_back("Load"); });
    HoverHighlight{1, 2}.attach(logic);
    for (const char* name : {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Imagefixe", "Check1",
                             "Text1", "Form"}) {
        std::string n = name;
        logic.onMouseMove(n, [n](Ctx& ctx, Index i) { eventLog().push_back("Move " + named(ctx.screen, n, i)); });
        logic.onClick(n, [n](Ctx& ctx, Index i) { eventLog().push_back("Click " + named(ctx.screen, n, i)); });
    }
    for (const char* name : {"Image3", "Image4"}) {
        std::string n = name;
        logic.onDragDrop(n, [n](Ctx& ctx, Index i, ControlId source) {
            eventLog().push_back("Drop " + named(ctx.screen, n, i) + " <- " + ctx.screen.control(source).displayName());
            if (n == "Image4") ctx.screen.setPicture(ctx.screen.find("Image4", i).value(), ctx.screen.state(source).picture);
        });
    }
    // Image2(2) clicked goes to the second screen, then touches its own (unloaded) screen.
    logic.onClick("Image1", [](Ctx& ctx, Index i) {
        if (i == 2) {
            ctx.app.goTo("Next");
            ctx.screen.hide("Image2", 1);  // must be harmless: the screen is kept alive until the handler ends
        }
    });
}

ScreenDef nextDef() {
    ScreenDef d;
    d.name = "Next";
    d.caption = "Next";
    d.controls = {
        image("Image1", 1, 3000, 3000, 1500, 1500).pointerIcon(),
        image("Image1", 2, 6000, 3000, 1500, 1500).pointerIcon(),
        image("Imagefixe", 500, 500, 13000, 10000).pic(866, 666),
    };
    return d;
}
const ScreenDef kNext = nextDef();

void bindNext(ScreenLogic& logic) {
    logic.onLoad([](Ctx&) { eventLog().push_back("Load Next"); });
    logic.onClick("Image1", [](Ctx& ctx, Index i) {
        if (i == 1) ctx.app.quit();
        if (i == 2) ctx.app.goTo("Nowhere");  // a name outside the registry
    });
}

const ScreenModule kLabModule{kLab, bindLab};
const ScreenModule kNextModule{kNext, bindNext};

ScreenDef leavingDef(std::string name) {
    ScreenDef d;
    d.name = name;
    d.caption = std::move(name);
    d.controls = {
        image("Image1", 1, 3000, 3000, 1500, 1500).pointerIcon(),
        image("Image1", 2, 6000, 3000, 1500, 1500).pointerIcon(),
        image("Image2", 6000, 6000, 1500, 1500).pic(100, 100),
        image("Imagefixe", 500, 500, 13000, 10000).pic(866, 666),
    };
    return d;
}

// After leaving, the handler goes on with the screen it left, as a page's
// code may: it reads its name and hides one of its controls.
void afterLeaving(Ctx& ctx) {
    ctx.screen.hide("Image2");
    eventLog().push_back("after " + ctx.screen.name());
}

void bindAway(ScreenLogic& logic) {
    logic.onLoad([](Ctx& ctx) {
        eventLog().push_back("Load " + ctx.screen.name());
        ctx.app.goTo("Next");
        afterLeaving(ctx);
    });
}

void bindLeave(ScreenLogic& logic) {
    logic.onLoad([](Ctx& ctx) {
        eventLog().push_back("Load " + ctx.screen.name());
        ctx.app.quit();
        afterLeaving(ctx);
    });
}

void bindHub(ScreenLogic& logic) {
    logic.onLoad([](Ctx& ctx) { eventLog().push_back("Load " + ctx.screen.name()); });
    logic.onClick("Image1", {1, 2}, [](Ctx& ctx, Index i) {
        ctx.app.goTo(i == 1 ? "Away" : "Leave");
        afterLeaving(ctx);
    });
}

const ScreenDef kTitle = leavingDef("Form2");
const ScreenDef kHub = leavingDef("Hub");
const ScreenDef kAway = leavingDef("Away");
const ScreenDef kLeave = leavingDef("Leave");
const ScreenModule kTitleHub{kTitle, bindHub};
const ScreenModule kTitleAway{kTitle, bindAway};
const ScreenModule kTitleLeave{kTitle, bindLeave};
const ScreenModule kHubModule{kHub, bindHub};
const ScreenModule kAwayModule{kAway, bindAway};
const ScreenModule kLeaveModule{kLeave, bindLeave};

}  // namespace

std::vector<RegistryEntry> testRegistry() {
    return {{"Lab", &kLabModule}, {"Next", &kNextModule}};
}

std::vector<RegistryEntry> leavingRegistry(Title title) {
    const ScreenModule* form2 = title == Title::Hub ? &kTitleHub : title == Title::Away ? &kTitleAway : &kTitleLeave;
    return {{"Form2", form2},
            {"Hub", &kHubModule},
            {"Away", &kAwayModule},
            {"Leave", &kLeaveModule},
            {"Next", &kNextModule}};
}

std::pair<Twips, Twips> centre(const Screen& screen, std::string_view name, std::optional<int> index) {
    Rect r = screen.rect(screen.findQuiet(name, index).value());
    return {r.left + r.width / 2, r.top + r.height / 2};
}

}  // namespace nizam::test
