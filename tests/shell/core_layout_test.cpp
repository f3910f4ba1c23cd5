#include <gtest/gtest.h>

#include <tuple>

#include "layout.h"

namespace tavolux::shell {
namespace {

LayoutInput Screen(int width, int height, int layout, double label2Top = 0) {
    LayoutInput in;
    in.screenWidth = width;
    in.screenHeight = height;
    in.paneLayout = layout;
    in.label2Top = label2Top;
    return in;
}

TEST(ShellLayout, FirstLayoutStacksThePanesAndPlacesTheColumns) {
    LayoutResult r = ComputeLayout(Screen(19200, 14400, kFirstLayout));
    EXPECT_EQ(r.windowWidth, 17280);
    EXPECT_EQ(r.windowHeight, 12960);
    EXPECT_DOUBLE_EQ(r.basic.left, 383.8);
    EXPECT_DOUBLE_EQ(r.basic.top, 297);
    EXPECT_DOUBLE_EQ(r.basic.width, 15033.6);
    EXPECT_DOUBLE_EQ(r.basic.height, 5832);
    EXPECT_DOUBLE_EQ(r.assembly.top, 6426);
    EXPECT_TRUE(r.showBasic && r.showAsm);
    ASSERT_TRUE(r.placeColumns);
    EXPECT_DOUBLE_EQ(r.columnLeft, 15801.2);
    EXPECT_DOUBLE_EQ(r.label2Top, 297);
    EXPECT_DOUBLE_EQ(r.basTops[0], 802);
    EXPECT_DOUBLE_EQ(r.basTops[7], 802 + 7 * 505);
    EXPECT_DOUBLE_EQ(r.label1Top, 6426);
    EXPECT_DOUBLE_EQ(r.asmTops[0], 6931);
    EXPECT_DOUBLE_EQ(r.asmTops[6], 6931 + 6 * 505);
    EXPECT_EQ(r.nextLayout, kSideBySide);
}

TEST(ShellLayout, CycleThroughTheFourLayouts) {
    struct Case {
        int layout;
        bool showBasic, showAsm, moveBasic, moveAsm;
        int next;
    };
    const Case cases[] = {
        {kSideBySide, true, true, true, true, kBasicAlone},
        {kBasicAlone, true, false, true, false, kAsmAlone},
        {kAsmAlone, false, true, false, true, 4},
        {4, true, true, true, true, kSideBySide},
    };
    for (const Case& c : cases) {
        LayoutResult r = ComputeLayout(Screen(19200, 14400, c.layout, 297));
        EXPECT_EQ(r.showBasic, c.showBasic) << c.layout;
        EXPECT_EQ(r.showAsm, c.showAsm) << c.layout;
        EXPECT_EQ(r.moveBasic, c.moveBasic) << c.layout;
        EXPECT_EQ(r.moveAsm, c.moveAsm) << c.layout;
        EXPECT_EQ(r.nextLayout, c.next) << c.layout;
        EXPECT_FALSE(r.placeColumns) << c.layout;
    }
}

TEST(ShellLayout, SingleAndSideBySidePanesLineUpWithTheBasLabel) {
    LayoutResult side = ComputeLayout(Screen(19200, 14400, kSideBySide, 297));
    // G4 = (17280 - 2 * 7430.4 - 1095) / 4 = 331.05
    EXPECT_DOUBLE_EQ(side.basic.left, 331.05);
    EXPECT_DOUBLE_EQ(side.assembly.left, 2 * 331.05 + 7430.4);
    EXPECT_DOUBLE_EQ(side.basic.top, 297);
    EXPECT_DOUBLE_EQ(side.assembly.top, 297);
    EXPECT_DOUBLE_EQ(side.basic.height, 0.92 * 12960);
    LayoutResult alone = ComputeLayout(Screen(19200, 14400, kAsmAlone, 297));
    EXPECT_DOUBLE_EQ(alone.assembly.left, 383.8);
    EXPECT_DOUBLE_EQ(alone.assembly.width, 15033.6);
    EXPECT_DOUBLE_EQ(alone.assembly.top, 297);
}

TEST(ShellLayout, ScreenSizes) {
    struct Case {
        int width, height, windowWidth, windowHeight;
    };
    const Case cases[] = {
        {12000, 9000, 10800, 8100},    // 800 x 600 pixels
        {20490, 11520, 18441, 10368},  // 1366 x 768
        {15, 15, 14, 14},              // 13.5 rounds to the even neighbour
        {57600, 32400, 32767, 29160},  // 3840 x 2160: held to 32767
        {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        LayoutResult r = ComputeLayout(Screen(c.width, c.height, kFirstLayout));
        EXPECT_EQ(r.windowWidth, c.windowWidth) << c.width;
        EXPECT_EQ(r.windowHeight, c.windowHeight) << c.height;
        if (c.width < 12000) continue;
        EXPECT_LE(r.basic.left + r.basic.width, r.columnLeft);
        EXPECT_LE(r.assembly.top + r.assembly.height, r.windowHeight + 1e-9);
    }
}

TEST(ShellLayout, TwipsAndPixels) {
    EXPECT_EQ(TwipsToPixels(1440), 96);
    EXPECT_EQ(TwipsToPixels(1095), 73);
    EXPECT_EQ(TwipsToPixels(405), 27);
    EXPECT_EQ(PixelsToTwips(800), 12000);
}

// A window opens centred on the screen's free area, and wholly on it where
// it fits; one too large keeps its top-left corner on the screen.
TEST(ShellLayout, WindowsOpenOnTheScreen) {
    const QRect projector(0, 0, 1024, 768), belowAPanel(0, 32, 1024, 736);
    struct Case {
        QRect available;
        QSize frame;
        QPoint at;
    };
    const Case cases[] = {
        {projector, {956, 530}, {34, 119}},
        {projector, {1024, 768}, {0, 0}},
        {projector, {1159, 530}, {0, 119}},  // wider than the screen
        {belowAPanel, {956, 530}, {34, 135}},
        {belowAPanel, {400, 900}, {312, 32}},                   // higher than the free area
        {QRect(1024, 0, 1920, 1080), {956, 530}, {1506, 275}},  // a second screen
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceOnScreen(c.frame, c.available), c.at)
            << c.frame.width() << "x" << c.frame.height();
    }
    EXPECT_EQ(RoomOnScreen(projector, QSize(4, 4)), QSize(1020, 764));
    EXPECT_EQ(RoomOnScreen(belowAPanel, QSize(10, 38)), QSize(1014, 698));
    EXPECT_EQ(RoomOnScreen(QRect(0, 0, 2, 2), QSize(10, 38)), QSize(0, 0));

    // A window whose content scrolls: held to the room, a scroll bar (16)
    // taken from the other side where it can.
    const std::tuple<QSize, QSize, QSize> sizes[] = {
        {{1183, 432}, {1920, 1200}, {1183, 432}}, {{1183, 432}, {1020, 764}, {1020, 448}},
        {{600, 900}, {1020, 764}, {616, 764}},    {{1183, 900}, {1020, 764}, {1020, 764}},
        {{1183, 760}, {1020, 764}, {1020, 764}},
    };
    for (const auto& [whole, room, size] : sizes) {
        EXPECT_EQ(ScrollingWindowSize(whole, room, 16), size)
            << whole.width() << "x" << whole.height();
    }
}

}  // namespace
}  // namespace tavolux::shell
