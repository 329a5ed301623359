#include "mbutton.h"

#include <gtest/gtest.h>

namespace {

TEST(MButtonRules, RockerHalvesSplitAtHalfTheWidthRoundedDown) {
    const struct {
        int pressX;
        int width;
        bool clickLeft;
    } cases[] = {
        {24, 50, true}, {25, 50, false}, {0, 50, true}, {23, 49, true}, {24, 49, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.pressX << " of " << c.width);
        const BevelLook look =
            bevelLook({.down = true, .rockerLR = true, .pressX = c.pressX, .width = c.width});
        ASSERT_TRUE(look.clickLeft.has_value());
        EXPECT_EQ(*look.clickLeft, c.clickLeft);
    }
}

TEST(MButtonRules, ClickLeftIsDecidedOnlyForAPressedRocker) {
    EXPECT_FALSE(bevelLook({.down = false, .rockerLR = true, .pressX = 3, .width = 50}).clickLeft);
    EXPECT_FALSE(bevelLook({.down = true, .rockerLR = false, .pressX = 3, .width = 50}).clickLeft);
}

TEST(MButtonRules, BorderlessBevelShowsOnlyWhenHoveredOrDown) {
    using enum BevelTone;
    const BevelTones raised{Light, Light, Light, Light, Dark, Dark, Dark, Dark};
    const BevelTones sunken{Dark, Dark, Dark, Dark, Light, Light, Light, Light};
    const BevelTones hidden{Face, Face, Face, Face, Face, Face, Face, Face};
    const struct {
        const char* name;
        bool hoverPaint;
        bool down;
        BevelTones tones;
    } cases[] = {
        {"idle", false, false, hidden},
        {"arrival repaint", true, false, raised},
        {"down", false, true, sunken},
        {"down while hovered", true, true, sunken},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bevelLook({.down = c.down, .border = false, .hoverPaint = c.hoverPaint}).tones,
                  c.tones);
    }
}

TEST(MButtonRules, PictureIsCentredOrStretchedWithinTheBevel) {
    const struct {
        const char* name;
        QSize control;
        QSize picture;
        bool stretch;
        QRect expected;
    } cases[] = {
        {"link button", {49, 41}, {40, 32}, false, {4, 4, 40, 32}},
        {"odd margin truncated", {50, 42}, {40, 31}, false, {5, 5, 40, 31}},
        {"larger than the button", {49, 41}, {52, 44}, false, {-1, -1, 52, 44}},
        {"stretched, wider than high", {80, 40}, {10, 10}, true, {2, 2, 76, 36}},
        {"stretched, too small for a face", {3, 3}, {10, 10}, true, {2, 2, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pictureRect(c.control, c.picture, c.stretch), c.expected);
    }
}

TEST(MButtonRules, FarEdgesStillCountAsInside) {
    const QSize control(50, 41);
    EXPECT_FALSE(outsideControl({0, 0}, control));
    EXPECT_FALSE(outsideControl({50, 41}, control));
    EXPECT_TRUE(outsideControl({51, 20}, control));
    EXPECT_TRUE(outsideControl({20, 42}, control));
    EXPECT_TRUE(outsideControl({-1, 20}, control));
    EXPECT_TRUE(outsideControl({20, -1}, control));
}

} // namespace
