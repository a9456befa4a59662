#include "formstate/core/placement.h"

#include "fakes.h"
#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

using namespace formstate;

namespace {

// Reads the placement of `form` back from an ini of these lines in section "s".
void restore(fake::Form& form, const std::string& lines, bool state = true, bool position = true) {
    const TempFolder folder;
    folder.write("p.ini", "[s]\r\n" + lines);
    IniFile ini(folder / "p.ini");
    readFormPlacement(form, &ini, "s", state, position);
}

TEST(Placement, TheKeyOfThisScreenWinsAndThePlainKeyStandsIn) {
    struct Case {
        const char* lines;
        PlacementRect expected;
    };
    const Case cases[] = {
        {"NormPos(800x600)=1,1,101,101\r\nNormPos(1024x768)=10,20,547,370\r\nNormPos=5,5,105,105\r\n",
         {10, 20, 547, 370}},
        {"NormPos(800x600)=1,1,101,101\r\nNormPos=5,5,105,105\r\n", {5, 5, 105, 105}},
        {"NormPos(1024x768)=\r\nNormPos=5,6,105,106\r\n", {5, 6, 105, 106}},
        // Missing words and words that are no 32-bit number keep the current edges (100, 100, 400, 300).
        {"NormPos=20,x\r\n", {20, 100, 400, 300}},
        {"NormPos=99999999999,30,500,99999999999\r\n", {100, 30, 500, 300}},
    };
    for (const Case& c : cases) {
        fake::Form form;
        restore(form, c.lines, false, true);
        EXPECT_EQ(form.normal, c.expected) << c.lines;
    }
}

TEST(Placement, OnlyAUsableRectangleOnAScreenIsApplied) {
    struct Case {
        const char* normPos;
        std::optional<PlacementRect> applied;
    };
    const Case cases[] = {
        {"10,10,5,5", std::nullopt},         // no positive width
        {"10,10,300,10", std::nullopt},      // no positive height
        {"-2147483648,0,2147483647,100", std::nullopt},  // wider than 32 bits hold
        {"-5000,-5000,-4000,-4000", PlacementRect{0, 0, 1000, 740}},  // moved onto the free area, cut to fit
        {"2000,100,2300,300", PlacementRect{724, 100, 1024, 300}},    // off to the right
        {"-100,700,200,900", PlacementRect{0, 540, 300, 740}},        // hanging off the left and the bottom
        {"0,0,100000,100000", PlacementRect{0, 0, 1024, 740}},        // far larger than the screen
    };
    for (const Case& c : cases) {
        fake::Form form;
        restore(form, std::string("NormPos=") + c.normPos + "\r\n", false, true);
        EXPECT_EQ(form.placementsApplied, c.applied ? 1 : 0) << c.normPos;
        if (c.applied) {
            EXPECT_EQ(form.normal, *c.applied) << c.normPos;
        }
    }
}

TEST(Placement, ARestoredWindowLiesWholeInAScreensFreeAreaFrameIncluded) {
    // A free area of 1280 × 870 on the primary screen and one of 1280 × 1024
    // to its right; a frame of a 23-pixel title bar, 5 pixels below and 1 at
    // the sides.
    const std::vector<PlacementRect> areas = {{0, 0, 1280, 870}, {1280, 0, 2560, 1024}};
    const FrameMargins frame{1, 23, 1, 5};
    struct Case {
        const char* name;
        PlacementRect rect;
        bool keepSize;
        PlacementRect expected;
    };
    const Case cases[] = {
        {"inside already", {100, 100, 740, 580}, false, {100, 100, 740, 580}},
        {"far larger than the screen", {0, 0, 100000, 100000}, false, {1, 23, 1279, 865}},
        {"title bar buttons beyond the right edge", {0, 0, 5000, 4000}, false, {1, 23, 1279, 865}},
        {"on no screen: onto the primary one", {-5000, -5000, -4000, -4000}, false, {1, 23, 1001, 865}},
        {"title bar above the top", {100, 0, 500, 300}, false, {100, 23, 500, 323}},
        {"beyond every screen to the right", {3000, 100, 3400, 400}, false, {879, 100, 1279, 400}},
        {"below the panel", {100, 700, 500, 900}, false, {100, 665, 500, 865}},
        {"on the second screen", {1500, 200, 2000, 600}, false, {1500, 200, 2000, 600}},
        {"off the second screen's right edge", {2400, 100, 2900, 400}, false, {2059, 100, 2559, 400}},
        {"starting on the first screen, mostly on the second", {1100, 100, 1600, 400}, false, {779, 100, 1279, 400}},
        {"starting on no screen, mostly on the second", {1300, -400, 1800, 100}, false, {1300, 23, 1800, 523}},
        {"a fixed size larger than the area keeps its corner in it", {-50, -50, 1950, 1450}, true, {1, 23, 2001, 1523}},
        {"a fixed size on no screen", {-5000, -5000, -4700, -4800}, true, {1, 23, 301, 223}},
    };
    for (const Case& c : cases) EXPECT_EQ(fitOnScreen(c.rect, frame, areas, c.keepSize), c.expected) << c.name;

    // Nowhere to go: the rectangle stays as it is.
    const PlacementRect rect{-5000, -5000, -4000, -4000};
    EXPECT_EQ(fitOnScreen(rect, frame, {}, false), rect) << "no screen";
    EXPECT_EQ(fitOnScreen(rect, frame, {{0, 0, 2, 28}}, false), rect) << "no room for the frame";

    // Restored from the file, with the window's own frame.
    fake::Form form;
    form.frame = frame;
    restore(form, "NormPos=0,0,5000,4000\r\n", false, true);
    EXPECT_EQ(form.normal, (PlacementRect{1, 23, 1023, 735}));
}

TEST(Placement, AnotherPixelDensityKeepsOnlyTheState) {
    fake::Form form;
    restore(form, "ShowCmd=3\r\nPixelsPerInch=120\r\nNormPos=10,20,547,370\r\n");
    EXPECT_EQ(form.placementsApplied, 0);
    EXPECT_EQ(form.state, WindowState::Maximised);
}

TEST(Placement, TheStoredStateIsNeverMinimisedAndAFrameStartsMaximised) {
    struct Case {
        const char* lines;
        bool frame;
        WindowState expected;
    };
    const Case cases[] = {
        {"", true, WindowState::Maximised},  // no ShowCmd: a main frame opens maximised
        {"", false, WindowState::Normal},
        {"ShowCmd=1\r\n", true, WindowState::Normal},
        {"ShowCmd=2\r\n", false, WindowState::Normal},
        {"ShowCmd=6\r\n", true, WindowState::Normal},
        {"ShowCmd=7\r\n", false, WindowState::Normal},
        {"ShowCmd=3\r\n", false, WindowState::Maximised},
        {"ShowCmd=42\r\n", true, WindowState::Maximised},  // unknown: the start value
        {"ShowCmd=99999999999\r\n", true, WindowState::Maximised},
    };
    for (const Case& c : cases) {
        fake::Form form;
        form.mainForm = c.frame;
        form.frameWindow = c.frame;
        form.state = WindowState::Minimised;
        restore(form, c.lines, true, false);
        EXPECT_EQ(form.state, c.expected) << c.lines << " frame " << c.frame;
        EXPECT_EQ(form.placementsApplied, 0) << "the position was not asked for";
    }
}

TEST(Placement, AFixedSizeFormKeepsItsSize) {
    fake::Form form;
    form.sizeable = false;  // 300 × 200
    restore(form, "NormPos=10,20,547,370\r\n", false, true);
    EXPECT_EQ(form.normal, (PlacementRect{10, 20, 310, 220}));
}

}  // namespace
