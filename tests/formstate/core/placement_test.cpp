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
        {"-100,700,200,900", PlacementRect{-100, 700, 200, 900}},     // the top edge still lies on the screen
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
