// Text layout (alignment, newline marker, glyph rules, rotation), button hit boxes and rstr.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/my_app.h"

namespace {

constexpr int kFont = 90;

struct Glyph {
    float x, y;
    int frame;
};

// A game object with the game's font metrics (advance 7, line height 10) and a fresh list.
class TextTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.imageMetrics[kFont * 3] = 7;
        app.imageMetrics[kFont * 3 + 1] = 10;
        app.currentFont = kFont;
        app.CLS2D();
    }
    std::vector<Glyph> Glyphs() const {
        std::vector<Glyph> out;
        for (int i = 0; i < app.drawCount; i += 15) {
            const float* e = app.drawList.data() + i;
            EXPECT_EQ(e[0], kFont);
            out.push_back({e[1], e[2], static_cast<int>(e[6])});
        }
        return out;
    }
    MyApp app;
};

TEST_F(TextTest, LaysGlyphsOutByAlignment) {
    struct Case {
        const char* name;
        String text;
        float x, y, alignX, alignY;
        std::vector<Glyph> expected;
    };
    const std::vector<Case> cases = {
        {"centred", u"AB", 100, 50, 1, 1, {{96.5f, 50, 33}, {103.5f, 50, 34}}},
        {"left, half a line down", u"AB", 0, 0, 0, 0, {{0, 5, 33}, {7, 5, 34}}},
        {"right, half a line up", u"AB", 0, 0, 2, 2, {{-7, -5, 33}, {0, -5, 34}}},
        {"a tenth of a line down", u"A", 0, 0, 0, 0.8f, {{0, 1, 33}}},
        {"newline marker", u"A\\nB", 0, 0, 0, 1, {{0, 0, 33}, {0, 10, 34}}},
        // Alignment counts every character of every line, markers included: W = 7 * 3.
        {"lines share one start", u"A\\nB", 21, 0, 2, 1, {{0, 0, 33}, {0, 10, 34}}},
        {"space advances", u"A B", 0, 0, 0, 1, {{0, 0, 33}, {14, 0, 34}}},
        {"line feed advances like a space", u"A\nB", 0, 0, 0, 1, {{0, 0, 33}, {14, 0, 34}}},
        {"code 0 neither draws nor advances", String(u"A") + char16_t(0) + u"B", 0, 0, 0, 1,
         {{0, 0, 33}, {7, 0, 34}}},
        {"codes above 159 advance", String(u"A") + char16_t(160) + u"B", 0, 0, 0, 1, {{0, 0, 33}, {14, 0, 34}}},
        {"code 159 is the last glyph", String(1, char16_t(159)), 0, 0, 0, 1, {{0, 0, 127}}},
        {"lone backslash is glyph 60", u"\\a", 0, 0, 0, 1, {{0, 0, 60}, {7, 0, 65}}},
        {"trailing backslash is glyph 60", u"a\\", 0, 0, 0, 1, {{0, 0, 65}, {7, 0, 60}}},
        {"backslash before a capital N", u"\\N", 0, 0, 0, 1, {{0, 0, 60}, {7, 0, 46}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.CLS2D();
        app.Text(c.x, c.y, c.text, c.alignX, c.alignY);
        std::vector<Glyph> got = Glyphs();
        ASSERT_EQ(got.size(), c.expected.size());
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_NEAR(got[i].x, c.expected[i].x, 1e-4) << "glyph " << i;
            EXPECT_NEAR(got[i].y, c.expected[i].y, 1e-4) << "glyph " << i;
            EXPECT_EQ(got[i].frame, c.expected[i].frame) << "glyph " << i;
        }
    }
}

TEST_F(TextTest, SizeScalesAdvanceAndLineHeight) {
    app.SetSize(2, 3);
    app.Text(0, 0, u"A\\nBC", 0, 1);
    std::vector<Glyph> got = Glyphs();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_FLOAT_EQ(got[1].y, 30);
    EXPECT_FLOAT_EQ(got[2].x, 14);
    EXPECT_EQ(app.drawList[4], 2) << "glyphs carry the current size";
}

TEST_F(TextTest, RotationTurnsTheTextDirection) {
    app.SetRot(90);  // stored as -90: the text runs downward, lines step to the left
    app.Text(0, 0, u"AB\\nC", 0, 1);
    std::vector<Glyph> got = Glyphs();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_NEAR(got[1].x, 0, 1e-4);
    EXPECT_NEAR(got[1].y, 7, 1e-4);
    EXPECT_NEAR(got[2].x, -10, 1e-4);
    EXPECT_NEAR(got[2].y, 0, 1e-4);
    EXPECT_EQ(app.drawList[3], -90);
}

TEST_F(TextTest, ButtonBoxIsStrictAndScaled) {
    const int slot = 95;
    app.imageMetrics[slot * 3] = 128;  // an -hd file: 128 pixels, 64 at design size
    app.imageMetrics[slot * 3 + 1] = 64;
    app.hdScale = 0.5f;
    app.SetSize(1.5f);  // box 96 by 48 around (100, 100)
    app.touchX.fill(kUnsetInt);
    app.touchY.fill(kUnsetInt);

    struct Case {
        int touch, x, y, pointerDown, hit;
    };
    for (Case c : {Case{0, 100, 100, 1, 1}, Case{0, 52, 100, 1, 0}, Case{0, 53, 100, 1, 1}, Case{0, 147, 100, 1, 1},
                   Case{0, 148, 100, 1, 0}, Case{0, 100, 76, 1, 0}, Case{0, 100, 77, 1, 1}, Case{0, 100, 124, 1, 0},
                   Case{0, 100, 100, 0, 0}, Case{7, 100, 100, 1, 1}}) {
        app.touchX[c.touch] = c.x;
        app.touchY[c.touch] = c.y;
        app.pointerDown = c.pointerDown;
        app.CLS2D();
        app.SetSize(1.5f);
        EXPECT_EQ(app.Button(slot, 100, 100, 3), c.hit) << "touch " << c.touch << " at " << c.x << "," << c.y;
        EXPECT_EQ(app.buttonHit, c.hit);
        EXPECT_EQ(app.drawCount, 15) << "the button's image is recorded either way";
        EXPECT_EQ(app.drawList[6], 3);
        app.touchX[c.touch] = app.touchY[c.touch] = kUnsetInt;
    }
}

TEST_F(TextTest, Button0ListensToTouchZeroOnly) {
    const int slot = 97;
    app.imageMetrics[slot * 3] = app.imageMetrics[slot * 3 + 1] = 32;
    app.hdScale = 1;
    app.touchX.fill(kUnsetInt);
    app.touchY.fill(kUnsetInt);
    app.pointerDown = 1;
    app.buttonHit = 5;

    app.touchX[3] = app.touchY[3] = 50;
    EXPECT_EQ(app.Button0(slot, 50, 50, 0), 0);
    app.touchX[0] = app.touchY[0] = 50;
    EXPECT_EQ(app.Button0(slot, 50, 50, 0), 1);
    EXPECT_EQ(app.buttonHit, 5) << "Button0 does not store its result";
}

TEST(Rstr, RightAlignsInAField) {
    MyApp app;
    struct Case {
        int value, width;
        String pad, expected;
    };
    for (const Case& c : {Case{42, 8, u"0", u"00000042"}, Case{123456, 4, u"0", u"3456"}, Case{7, 3, u" ", u"  7"},
                          Case{-5, 4, u" ", u"  -5"}, Case{5, 0, u"ab", u"ab5"}, Case{5, -1, u"ab", u"b5"},
                          Case{12, 5, u"xy", u"yxy12"}}) {
        EXPECT_EQ(app.rstr(c.value, c.width, c.pad), c.expected) << c.value << " width " << c.width;
    }
}

}  // namespace
