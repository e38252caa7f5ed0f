// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario runner's desktop host on Qt's offscreen platform: its shots,
// the review outlines and long typed texts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/registry.h"

#include "platform/process.h"
#include "platform/svg_asset_store.h"
#include "platform/text_filter.h"
#include "runtime/layout.h"
#include "tools/scenario/desktop_driver.h"

namespace nizam::scenario {
namespace {

platform::SvgAssetStore& store() {
    static platform::SvgAssetStore s(QStringLiteral(NIZAM_ASSETS_DIR));
    return s;
}

ControlId idOf(Navigator& nav, const char* name) { return *nav.current()->findQuiet(name, std::nullopt); }

// Pixels of the colour along the top edge of a control's rectangle.
int edgePixelsOf(const QImage& page, const Rect& r, QRgb colour) {
    int n = 0;
    const int y = r.top / kTwipsPerPixel + 1;
    for (int x = r.left / kTwipsPerPixel; x < (r.left + r.width) / kTwipsPerPixel; ++x) {
        if (page.valid(x, y) && (page.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
    }
    return n;
}

TEST(ScenarioDesktopDriver, OutlinesShowWhereTheControlsLie) {
    QTemporaryDir dir;
    const QRgb textBoxColour = qRgb(200, 0, 200);
    QImage pages[2];
    Rect text;
    QSize client;
    for (int outlined = 0; outlined < 2; ++outlined) {
        DesktopDriver d(store(), outlined == 1);
        d.open("Form3");
        text = d.navigator().current()->rect(idOf(d.navigator(), "Text1"));
        const ScreenDef& def = d.navigator().current()->def();
        client = QSize(def.clientWidth / kTwipsPerPixel, def.clientHeight / kTwipsPerPixel);
        const std::string file = dir.filePath(QString("page%1.png").arg(outlined)).toStdString();
        ASSERT_EQ(d.shot(file), "");
        ASSERT_TRUE(pages[outlined].load(QString::fromStdString(file)));
    }
    EXPECT_EQ(pages[0].size(), client);  // the client area at scale 1
    EXPECT_EQ(pages[1].size(), pages[0].size());
    // The text box is framed in its kind's colour only on the review view.
    EXPECT_EQ(edgePixelsOf(pages[0], text, textBoxColour), 0);
    EXPECT_GT(edgePixelsOf(pages[1], text, textBoxColour), text.width / kTwipsPerPixel / 2);
}

TEST(ScenarioDesktopDriver, AWindowShotShowsThePageAsTheWindowDoesAndAShotAtScaleOneLeavesItSo) {
    QTemporaryDir dir;
    const QRgb textBoxColour = qRgb(200, 0, 200);
    DesktopDriver d(store(), true);
    d.open("Form3");
    const Screen& s = *d.navigator().current();
    const Rect text = s.rect(idOf(d.navigator(), "Text1"));
    auto file = [&](const char* name) { return dir.filePath(name).toStdString(); };
    ASSERT_EQ(d.shotWindow(file("before.png")), "");
    ASSERT_EQ(d.shot(file("design.png")), "");
    ASSERT_EQ(d.shotWindow(file("after.png")), "");
    QImage before, design, after;
    ASSERT_TRUE(before.load(dir.filePath("before.png")) && design.load(dir.filePath("design.png")) &&
                after.load(dir.filePath("after.png")));
    EXPECT_EQ(before.size(), QSize(1024, 768)) << "the whole window";
    EXPECT_EQ(design.size(), QSize(s.def().clientWidth / kTwipsPerPixel, s.def().clientHeight / kTwipsPerPixel));
    EXPECT_TRUE(before == after) << "the shot at scale 1 left the window at another scale";
    // The text box's outline: at its design width on the shot at scale 1,
    // at the page's scale on the window's (a third larger in this window).
    // Its name's tag, the same size on both, covers a part of its top edge.
    const double scale = pageScale(s.def(), 1024, 768);
    ASSERT_GT(scale, 1.25);
    const int designWidth = text.width / kTwipsPerPixel;
    const int atDesign = edgePixelsOf(design, text, textBoxColour);
    EXPECT_GT(atDesign, designWidth / 2);
    int inWindow = 0;
    const QPointF corner(std::floor(1024 / 2.0 - (contentBand(s.def()).left + contentBand(s.def()).width / 2.0) * scale / 15),
                         std::floor(768 / 2.0 - (contentBand(s.def()).top + contentBand(s.def()).height / 2.0) * scale / 15));
    const int y = static_cast<int>(corner.y() + text.top / 15.0 * scale) + 1;
    for (int x = 0; x < before.width(); ++x)
        if ((before.pixel(x, y) & 0xFFFFFF) == (textBoxColour & 0xFFFFFF)) ++inWindow;
    EXPECT_NEAR(inWindow - atDesign, designWidth * (scale - 1), 4);
}

TEST(ScenarioDesktopDriver, AShotThatCannotBeWrittenSaysWhy) {
    DesktopDriver d(store());
    d.open("Form3");
    QTemporaryDir dir;
    EXPECT_NE(d.shot(dir.filePath("no-such-folder/page.png").toStdString()), "");
    EXPECT_EQ(d.shot(dir.filePath("page.png").toStdString()), "");
}

TEST(ScenarioDesktopDriver, ALongTextEndsWhole) {
    // Longer than the one-commit-per-character length, mixing letters and
    // marks that the text box normalises.
    std::string typed;
    for (int i = 0; i < 60; ++i) typed += "جهاز ا\u0654نذار ";
    DesktopDriver d(store());
    d.open("Form3");
    const ControlId id = idOf(d.navigator(), "Text1");
    d.type(id, typed);
    EXPECT_EQ(d.navigator().current()->state(id).text, platform::normalizeTyped(typed));
}


// A scenario file that the core-only build runs must not type a text that the
// program's text box would change (decomposed letters, presentation forms,
// invisible marks): that build has no text box to clean it, so such a file
// belongs in its page folder's typed/ folder. Files under bad/ and failing/
// are refused or fail on purpose and are not read here.
TEST(ScenarioFiles, TextsTypedOutsideTypedAreAsTheTextBoxKeepsThem) {
    const Vocabulary vocabulary = vocabularyOf(screenRegistry());
    int typed = 0;
    std::vector<std::filesystem::path> files;
    for (const char* root : {NIZAM_SCREENS_DIR, NIZAM_SCENARIOS_DIR}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            const std::string folder = entry.path().parent_path().filename().string();
            if (entry.path().extension() == ".scn" && folder != "typed" && folder != "bad" && folder != "failing")
                files.push_back(entry.path());
        }
    }
    for (const auto& path : files) {
        const std::filesystem::directory_entry entry(path);
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const Parsed parsed = parse(text.str(), vocabulary);
        ASSERT_FALSE(parsed.error) << entry.path();
        for (const Step& s : parsed.steps) {
            if (s.verb != "type") continue;
            ++typed;
            EXPECT_EQ(platform::normalizeTyped(s.words[0]), s.words[0])
                << entry.path().filename() << ":" << s.line << ": the text box changes this text; move the case to "
                << "its page folder's typed/ folder";
        }
    }
    EXPECT_GT(typed, 0) << "no scenario file was read from " << NIZAM_SCREENS_DIR;
}

}  // namespace
}  // namespace nizam::scenario

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    nizam::platform::setUpProcess();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
