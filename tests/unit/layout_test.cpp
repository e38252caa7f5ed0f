// SPDX-License-Identifier: GPL-3.0-or-later
// The content band a page shows and the scale it is shown at.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/registry.h"
#include "runtime/layout.h"
#include "tests/unit/test_screens.h"

namespace nizam {
namespace {

const ScreenDef& page(std::string_view name) {
    static const auto registry = screenRegistry();
    for (const auto& e : registry)
        if (e.name == name) return e.module->def;
    throw std::invalid_argument("no page " + std::string(name));
}

// A rectangle in design pixels, as the page art gives it.
Rect px(int l, int t, int w, int h) { return Rect{l * 15, t * 15, w * 15, h * 15}; }

bool covers(const Rect& outer, const Rect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

constexpr int m = kBandMargin;

TEST(ContentBand, EachPageShowsItsPictureWithTheMarginAndWhatItNeedsBeyond) {
    struct Case {
        const char* page;
        Rect band;
        const char* why;
    };
    const Rect exercise = px(144 - m, 109 - m, 736 + 2 * m, 550 + 2 * m);
    const Case cases[] = {
        {"Form6", exercise, "a plain exercise page: its picture and the margin"},
        {"Form1", exercise, "the menu lies on the exercise pages' picture"},
        {"Form2", Rect{3908 - m * 15, 2385 - m * 15, 7545 + 2 * m * 15, 6750 + 2 * m * 15},
         "the title page: its own art and the margin"},
        {"Form25", exercise, "ticks beside the picture lie in the margin and leave the band as it is"},
        {"Form28", exercise, "a hidden reminder and hot-spots on the picture change nothing"},
        {"Form3", px(144 - m, 100 - m, 736 + 2 * m, 550 + 2 * m), "a page placed higher on a shorter client area"},
        // The player stands above and right of the picture: the band reaches
        // its edges, and the picture keeps its margin on the other sides.
        {"Form32", px(144 - m, 88, 937 - 128, 659 + m - 88), "a player outside the picture"},
        // The player's frame stands left of the picture.
        {"Form33", px(72, 109 - m, 880 + m - 72, 550 + 2 * m), "a player and its frame left of the picture"},
    };
    for (const Case& c : cases) {
        const Rect b = contentBand(page(c.page));
        EXPECT_EQ(b, c.band) << c.page << ", " << c.why << ": band " << b.left / 15 << "," << b.top / 15 << " "
                             << b.width / 15 << "x" << b.height / 15;
    }
}

TEST(ContentBand, EveryControlAPupilCanSeeLiesInItsPagesBand) {
    // Hidden ones too: a figure shown later must not fall outside the window.
    for (const auto& e : screenRegistry()) {
        const ScreenDef& d = e.module->def;
        const Rect band = contentBand(d);
        for (const ControlDef& c : d.controls) {
            const Shown s = shownRect(c);
            if (!s.any) continue;
            const Rect r = s.rect;
            const Rect client{0, 0, d.clientWidth, d.clientHeight};
            const bool offPage = r.left >= d.clientWidth || r.top >= d.clientHeight || r.left + r.width <= 0 ||
                                 r.top + r.height <= 0;
            if (offPage) continue;
            // The part on the client area; a control partly off the page shows that part.
            const int l = std::max(r.left, 0), t = std::max(r.top, 0);
            const Rect on{l, t, std::min(r.left + r.width, client.width) - l, std::min(r.top + r.height, client.height) - t};
            EXPECT_TRUE(covers(band, on)) << e.name << " " << c.displayName();
        }
    }
}

TEST(PageScale, ThePagesOfOneLayoutShareOneScaleSoNothingJumps) {
    // At 1024 x 768, the window of a 1366 x 768 screen without a window
    // manager: the exercise pages and the menu share one scale; the title
    // page and the two pages whose player stands beside the picture have
    // their own.
    std::map<double, std::set<std::string>> pagesAt;
    for (const auto& e : screenRegistry()) pagesAt[pageScale(e.module->def, 1024, 768)].insert(e.name);
    const double exercise = pageScale(page("Form6"), 1024, 768);
    ASSERT_EQ(pagesAt[exercise].size(), 38u);
    EXPECT_EQ(pagesAt.size(), 4u);
    for (const char* own : {"Form2", "Form32", "Form33"}) {
        const double s = pageScale(page(own), 1024, 768);
        EXPECT_NE(s, exercise) << own;
        EXPECT_EQ(pagesAt[s], std::set<std::string>{own});
    }
}

TEST(PageScale, TheBandFillsTheWindowOnOneSideAndFitsOnTheOther) {
    struct Case {
        double width, height;
    };
    const Case windows[] = {{1024, 768}, {990, 743}, {800, 600}, {1366, 768}, {3840, 2160}, {320, 240}};
    for (const char* name : {"Form1", "Form2", "Form6", "Form32", "Form33"}) {
        const ScreenDef& d = page(name);
        const Rect band = contentBand(d);
        for (const Case& w : windows) {
            const double s = pageScale(d, w.width, w.height);
            const double bw = band.width / 15.0 * s, bh = band.height / 15.0 * s;
            EXPECT_LE(bw, w.width + 1e-9) << name << " at " << w.width << "x" << w.height;
            EXPECT_LE(bh, w.height + 1e-9) << name << " at " << w.width << "x" << w.height;
            EXPECT_TRUE(std::abs(bw - w.width) < 1e-9 || std::abs(bh - w.height) < 1e-9)
                << name << " at " << w.width << "x" << w.height << ": the band fills neither side";
        }
    }
    // The exercise picture on a 1366 x 768 screen, whose window is 1024 x 768
    // without a window manager and about 990 x 743 with one: a quarter larger
    // than its design size at least.
    EXPECT_GE(736 * pageScale(page("Form6"), 1024, 768), 1.25 * 736);
    EXPECT_GE(736 * pageScale(page("Form6"), 990, 743), 1.25 * 736);
    // The title page's art, which used to fill a quarter of such a screen.
    EXPECT_GE(503 * pageScale(page("Form2"), 1024, 768), 1.5 * 503);
}

TEST(ContentBand, BuiltFromWhatAPageShows) {
    // Small pages built for the case: each shows what its controls show,
    // never a hot-spot, a picture-less image or what is parked off the page.
    struct Case {
        const char* why;
        std::vector<ControlDef> controls;
        Rect band;
    };
    const Rect whole{0, 0, 15360, 11520};
    const std::vector<Case> cases = {
        {"nothing to show: the whole client area", {timer("Timer1")}, whole},
        {"a picture with its margin",
         {image("Imagefixe", 3000, 3000, 1500, 1500).pic(100, 100)},
         Rect{3000 - m * 15, 3000 - m * 15, 1500 + 2 * m * 15, 1500 + 2 * m * 15}},
        {"an unstretched picture at its picture's size, not its rectangle",
         {image("Imagefixe", 3000, 3000, 150, 150).pic(100, 100)},
         Rect{3000 - m * 15, 3000 - m * 15, 1500 + 2 * m * 15, 1500 + 2 * m * 15}},
        {"hot-spots, picture-less targets and pictures parked off-page leave it as it is",
         {image("Image1", 1, 0, 0, 600, 600).pointerIcon(), image("Image4", 0, 14000, 10000, 900, 400),
          image("Image2", 0, 20000, 3000, 690, 825).pic(46, 55), image("Imagefixe", 3000, 3000, 1500, 1500).pic(100, 100)},
         Rect{3000 - m * 15, 3000 - m * 15, 1500 + 2 * m * 15, 1500 + 2 * m * 15}},
        {"a hidden player beyond the picture counts",
         {player("flash1", 9000, 1000, 3000, 2000).hidden(), image("Imagefixe", 3000, 3000, 1500, 1500).pic(100, 100)},
         Rect{3000 - m * 15, 1000, 12000 - (3000 - m * 15), 4500 + m * 15 - 1000}},
        {"a label, a shape and a line with no picture: all of them with the margin",
         {label("Label1", 2000, 2000, 1000, 300), shape("Shape1", 4000, 2500, 500, 500), line("Line1", 6000, 4000, 3000, 4000)},
         Rect{2000 - m * 15, 2000 - m * 15, 6001 - 2000 + 2 * m * 15, 4001 - 2000 + 2 * m * 15}},
        {"the margin stops at the client area's edge, and so does a picture past it",
         {image("Imagefixe", -3000, 100, 15360, 1500).pic(1024, 100)},
         Rect{0, 0, 15360 - 3000 + m * 15, 1600 + m * 15}},
    };
    for (const Case& c : cases) {
        ScreenDef d;
        d.name = "Case";
        d.controls = c.controls;
        const Rect b = contentBand(d);
        EXPECT_EQ(b, c.band) << c.why << ": got " << b.left << "," << b.top << " " << b.width << "x" << b.height;
    }
}

TEST(ContentBand, Form28sMarginTakesTheMoveThatHidesTheReminder) {
    // The ranking page's reminder hides when the pointer reaches the form
    // outside the page picture: the band keeps a strip of the form all round
    // the picture, and a move anywhere along it hides the reminder.
    HeadlessHost host;
    Navigator nav(host, screenRegistry());
    nav.open("Form28");
    Screen& s = *nav.current();
    const Rect band = contentBand(s.def());
    const ControlDef& picture = s.control(*s.def().find("Imagefixe", std::nullopt));
    const Rect pic = picture.rect;
    const Twips half = (pic.left - band.left) / 2;  // the middle of the strip left of the picture
    // Wide enough for a child's hand on the pointer, in an 800 x 600 window
    // as in a 1024 x 768 one: at least 12 window pixels on every side.
    const Twips sides[] = {pic.left - band.left, pic.top - band.top, band.left + band.width - (pic.left + pic.width),
                           band.top + band.height - (pic.top + pic.height)};
    for (Twips side : sides) {
        EXPECT_GE(side / 15.0 * pageScale(s.def(), 800, 600), 12.0);
        EXPECT_GE(side / 15.0 * pageScale(s.def(), 1024, 768), 12.0);
    }
    const std::pair<Twips, Twips> strip[] = {
        {band.left + half, pic.top + pic.height / 2},                       // left
        {pic.left + pic.width + half, pic.top + pic.height / 2},            // right
        {pic.left + pic.width / 3, band.top + half},                        // top
        {pic.left + pic.width / 3, pic.top + pic.height + half},            // bottom
        {band.left + half, band.top + half},                                // a corner
    };
    for (const auto& [x, y] : strip) {
        auto [bx, by] = test::centre(s, "Image1", 7);
        nav.pointerMove(bx, by);
        nav.pointerPress(bx, by);
        nav.pointerRelease(bx, by);
        ASSERT_TRUE(s.visible("Image15"));
        // Over the page picture the reminder stays.
        nav.pointerMove(pic.left + pic.width / 2, pic.top + pic.height / 2);
        ASSERT_TRUE(s.visible("Image15"));
        nav.pointerMove(x, y);
        EXPECT_FALSE(s.visible("Image15")) << "a move at " << x / 15 << "," << y / 15 << " px of the margin";
    }
}

}  // namespace
}  // namespace nizam
