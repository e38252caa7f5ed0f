// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "runtime/diagnostics.h"

#include "runtime/picture.h"
#include "runtime/screen.h"
#include "tests/unit/test_screens.h"

namespace nizam {
namespace {

TEST(ControlName, ParsesNamesAndIndices) {
    struct Case {
        const char* text;
        bool ok;
        const char* name;
        std::optional<int> index;
    };
    const Case cases[] = {
        {"Image1(4)", true, "Image1", 4}, {"Check1", true, "Check1", std::nullopt},
        {"Image2(0)", true, "Image2", 0}, {"flash1", true, "flash1", std::nullopt},
        {"Image1(", false, "", {}},       {"Image1()", false, "", {}},
        {"Image1(x)", false, "", {}},     {"(3)", false, "", {}},
        {"Image1(-1)", false, "", {}},    {"Image1(2)x", false, "", {}},
        {"", false, "", {}},              {"Image 1", false, "", {}},
    };
    for (const Case& c : cases) {
        auto parsed = parseControlName(c.text);
        ASSERT_EQ(parsed.has_value(), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(parsed->name, c.name) << c.text;
        EXPECT_EQ(parsed->index, c.index) << c.text;
    }
}

TEST(AssetKey, FollowsScreenControlIndexProperty) {
    ScreenDef s;
    s.name = "Form3";
    EXPECT_EQ(assetKey(s, image("Image7", 0, 0, 0, 1, 1), "Picture"), "Form3_Image7_0_Picture");
    EXPECT_EQ(assetKey(s, image("Imagefixe", 0, 0, 1, 1), "Picture"), "Form3_Imagefixe_Picture");
    EXPECT_EQ(assetKey(s, image("Image3", 0, 0, 1, 1), "MouseIcon"), "Form3_Image3_MouseIcon");
    EXPECT_EQ(s.iconKey(), "Form3_Icon");
}

TEST(PictureRef, EqualityIsIdentityNeverContent) {
    PictureRef a = PictureRef::load("Same_Key", {10, 10});
    PictureRef b = PictureRef::load("Same_Key", {10, 10});
    PictureRef copy = a;
    EXPECT_NE(a, b) << "two loads of identical artwork are different pictures";
    EXPECT_EQ(a, copy);
    EXPECT_EQ(PictureRef(), PictureRef());
    EXPECT_NE(a, PictureRef());
}

class ScreenModel : public ::testing::Test {
protected:
    test::Lab lab;
    Screen& s = lab.screen();
    ControlId id(std::string_view n, std::optional<int> i = {}) { return s.findQuiet(n, i).value(); }
};

TEST_F(ScreenModel, EachControlGetsItsOwnPictureObject) {
    EXPECT_NE(s.picture("Image2", 1), s.picture("Image2", 2));
    EXPECT_EQ(s.picture("Image2", 1)->key, "Lab_Image2_1_Picture");
    EXPECT_EQ(s.picture("Image4", 0), s.picture("Image4", 1)) << "two empty targets are equal";
}

TEST_F(ScreenModel, AssigningAPictureResizesAnUnstretchedImage) {
    const PictureRef label = s.picture("Image3", 1);  // 120 x 30 pixels
    s.setPicture(id("Image4", 0), label);
    EXPECT_EQ(s.picture("Image4", 0), label);
    EXPECT_EQ(s.rect(id("Image4", 0)), (Rect{6000, 6000, 1800, 450})) << "same top-left corner, label's size";

    s.setPicture(id("Image4", 0), s.picture("Image9"));
    EXPECT_TRUE(s.picture("Image4", 0).empty());
    EXPECT_EQ(s.rect(id("Image4", 0)), (Rect{6000, 6000, 1800, 450})) << "the empty picture keeps the size";

    s.setPicture(id("Image8"), label);
    EXPECT_EQ(s.rect(id("Image8")), (Rect{9000, 6000, 600, 600})) << "a stretched image keeps its rectangle";
}

TEST_F(ScreenModel, UnknownControlsAreIgnoredNotTrusted) {
    diagnostics::Capture told;
    s.hide("NoSuchControl", 3);
    s.show("Image2", 99);
    s.hide("NoSuchControl", 3);  // told once however often it is used
    EXPECT_FALSE(s.visible("NoSuchControl"));
    EXPECT_EQ(s.text("Nope"), "");
    EXPECT_FALSE(s.visible("Image2", 99));
    EXPECT_EQ(told.lines(), (std::vector<std::string>{"Lab has no control NoSuchControl(3)", "Lab has no control Image2(99)",
                                                       "Lab has no control NoSuchControl", "Lab has no control Nope"}));
}

TEST_F(ScreenModel, TabOrderFollowsTabIndexAndWraps) {
    EXPECT_EQ(s.focus(), id("Check2")) << "the lowest TabIndex has the focus when the screen appears";
    s.focusNext();
    EXPECT_EQ(s.focus(), id("Check1"));
    s.focusNext();
    EXPECT_EQ(s.focus(), id("Text1"));
    s.focusNext();
    EXPECT_EQ(s.focus(), id("Check2"));
    s.setVisible(id("Check1"), false);
    s.focusNext();
    EXPECT_EQ(s.focus(), id("Text1")) << "a hidden box is skipped";
}

}  // namespace
}  // namespace nizam
