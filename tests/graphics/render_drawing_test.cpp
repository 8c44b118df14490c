// What the device's primitives put in the window: positions, premultiplied colours, blending, scissor, fans.
#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "tests/graphics/device_fixture.h"

namespace {
using gfxtest::DeviceTest;
using DrawingTest = DeviceTest;

TEST_F(DrawingTest, RectCoversExactlyItsPixelsWithYDown) {
    device.SetColor(255, 0, 0);
    device.DrawRect(10, 20, 30, 40);
    device.Flush();
    EXPECT_EQ(Rgb(10, 20), 0xFF0000u);
    EXPECT_EQ(Rgb(39, 59), 0xFF0000u);
    EXPECT_EQ(Rgb(40, 20), 0u);
    EXPECT_EQ(Rgb(9, 20), 0u);
    EXPECT_EQ(Rgb(10, 60), 0u);
    EXPECT_EQ(Rgb(10, 19), 0u);
}

TEST_F(DrawingTest, ColoursArePackedPremultipliedAndTruncated) {
    struct Case {
        float r, g, b, a;
        unsigned char packed[4];
        unsigned onBlack;
    };
    const Case cases[] = {
        {255, 128, 0, 0.5f, {127, 64, 0, 127}, 0x7F4000},
        {255, 255, 255, 1, {255, 255, 255, 255}, 0xFFFFFF},
        {100, 200, 50, 0.25f, {25, 50, 12, 63}, 0x19320C},
        {10, 20, 30, 0, {0, 0, 0, 0}, 0x000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a);
        device.Cls(0, 0, 0);
        device.SetAlpha(c.a);
        device.SetColor(c.r, c.g, c.b);
        unsigned char bytes[4];
        std::memcpy(bytes, &device.packedColor, 4);
        EXPECT_EQ(std::vector<int>(bytes, bytes + 4), std::vector<int>(c.packed, c.packed + 4));
        device.DrawRect(0, 0, 8, 8);
        device.Flush();
        EXPECT_EQ(Rgb(4, 4), c.onBlack);
    }
}

TEST_F(DrawingTest, PremultipliedBlendingOverAndAdditive) {
    device.Cls(0, 0, 200);
    device.SetColor(255, 0, 0);
    device.SetAlpha(0.5f);
    device.DrawRect(0, 0, 8, 8);
    device.Flush();
    EXPECT_EQ(Rgb(4, 4), 0x7F0064u);  // 127 red over half of the blue 200

    device.Cls(0, 0, 0);
    device.SetAlpha(1);
    device.SetColor(100, 0, 0);
    device.SetBlend(1);
    device.DrawRect(0, 0, 8, 8);
    device.DrawRect(0, 0, 8, 8);
    device.SetBlend(0);
    EXPECT_EQ(Rgb(4, 4), 0xC80000u);
}

TEST_F(DrawingTest, LinesAndPointsLandOnTheirPixels) {
    device.DrawLine(0, 100.5f, 640, 100.5f);
    device.DrawPoint(300.5f, 300.5f);
    device.Flush();
    EXPECT_EQ(Rgb(5, 100), 0xFFFFFFu);
    EXPECT_EQ(Rgb(5, 101), 0u);
    EXPECT_EQ(Rgb(300, 300), 0xFFFFFFu);
    EXPECT_EQ(Rgb(301, 300), 0u);
}

TEST_F(DrawingTest, MatrixIsAppliedOnTheCpu) {
    device.SetMatrix(2, 0, 0, 3, 100, 50);
    device.DrawRect(0, 0, 10, 10);
    device.Flush();
    EXPECT_EQ(Rgb(100, 50), 0xFFFFFFu);
    EXPECT_EQ(Rgb(119, 79), 0xFFFFFFu);
    EXPECT_EQ(Rgb(120, 79), 0u);
    EXPECT_EQ(Rgb(119, 80), 0u);
    EXPECT_TRUE(device.isTransformed);
    device.SetMatrix(1, 0, 0, 1, 0, 0);
    EXPECT_FALSE(device.isTransformed);
}

TEST_F(DrawingTest, ScissorBoxIsMeasuredFromTheTopAndOffAtFullWindow) {
    device.SetScissor(10, 20, 30, 40);
    EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
    GLint box[4];
    glGetIntegerv(GL_SCISSOR_BOX, box);
    EXPECT_EQ(std::vector<int>(box, box + 4), (std::vector<int>{10, 480 - 20 - 40, 30, 40}));

    device.Cls(0, 255, 0);  // the box limits the clear too
    device.DrawRect(0, 0, 640, 480);
    device.Flush();
    EXPECT_EQ(Rgb(10, 20), 0xFFFFFFu);
    EXPECT_EQ(Rgb(39, 59), 0xFFFFFFu);
    EXPECT_EQ(Rgb(9, 20), 0u);
    EXPECT_EQ(Rgb(10, 60), 0u);

    device.SetScissor(0, 0, 640, 480);
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
}

TEST_F(DrawingTest, ReadPixelsStoresTopRowFirstAtOffsetAndPitch) {
    const unsigned colours[2][3] = {{0xFF0000, 0x00FF00, 0x0000FF}, {0xFFFF00, 0x00FFFF, 0xFF00FF}};
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            unsigned rgb = colours[r][c];
            device.SetColor(rgb >> 16, (rgb >> 8) & 255, rgb & 255);
            device.DrawRect(50 + c, 70 + r, 1, 1);
        }
    }
    const int sentinel = 0x12345678;
    std::vector<int> pixels(3 + 2 * 5, sentinel);
    device.ReadPixels(pixels.data(), 50, 70, 3, 2, 3, 5);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(pixels[i], sentinel);
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) EXPECT_EQ(static_cast<unsigned>(pixels[3 + r * 5 + c]), 0xFF000000 | colours[r][c]);
        EXPECT_EQ(pixels[3 + r * 5 + 3], sentinel);
        EXPECT_EQ(pixels[3 + r * 5 + 4], sentinel);
    }
}

// DrawOval writes its fan from vertex 0 on; counting what it wrote over a marker gives the segment count.
int OvalSegments(gxtkGraphics& device, float w, float h) {
    for (auto& v : device.vertices) v.x = NAN;
    long before = device.drawCalls;
    device.DrawOval(0, 0, w, h);
    EXPECT_EQ(device.drawCalls, before + 1);
    int n = 0;
    while (n < 1024 && !std::isnan(device.vertices[n].x)) ++n;
    return n;
}

TEST_F(DrawingTest, OvalSegmentCounts) {
    struct Case {
        float w, h;
        float matrix[6];
        int segments;
    };
    const Case cases[] = {
        {10, 10, {1, 0, 0, 1, 0, 0}, 12},
        {100, 60, {1, 0, 0, 1, 0, 0}, 80},
        {3000, 3000, {1, 0, 0, 1, 0, 0}, 1024},
        {30, 0, {1, 0, 0, 1, 0, 0}, 12},    // 15 segments are below the minimum
        {26, 34, {1, 0, 0, 1, 0, 0}, 28},   // 30 rounds down to a multiple of 4
        {-100, -60, {1, 0, 0, 1, 0, 0}, 80},
        {100, 60, {2, 0, 0, 3, 0, 0}, 188},  // 100 + 90 transformed radii
        {100, 60, {0, 2, -2, 0, 0, 0}, 160}, // turned: the lengths count, not the axes
        {100, 60, {1, 0, 0, 1, 400, 0}, 80}, // a translation alone changes nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " ix " << c.matrix[0] << " tx " << c.matrix[4]);
        const float* m = c.matrix;
        device.SetMatrix(m[0], m[1], m[2], m[3], m[4], m[5]);
        EXPECT_EQ(OvalSegments(device, c.w, c.h), c.segments);
    }
}

TEST_F(DrawingTest, OvalStartsRightAndTurnsCounterClockwiseOnScreen) {
    device.DrawOval(100, 100, 200, 120);
    // 160 segments: vertex 40 is a quarter turn on.
    EXPECT_FLOAT_EQ(device.vertices[0].x, 300);
    EXPECT_FLOAT_EQ(device.vertices[0].y, 160);
    EXPECT_NEAR(device.vertices[40].x, 200, 1e-3);
    EXPECT_NEAR(device.vertices[40].y, 100, 1e-3);
    EXPECT_EQ(Rgb(200, 160), 0xFFFFFFu);
    EXPECT_EQ(Rgb(295, 160), 0xFFFFFFu);
    EXPECT_EQ(Rgb(102, 102), 0u);
    EXPECT_EQ(Rgb(200, 225), 0u);
}

TEST_F(DrawingTest, PolyNeedsThreeToAThousandAndTwentyFourPoints) {
    struct Case {
        int points;
        long calls;
    };
    for (const Case& c : {Case{2, 0}, Case{3, 1}, Case{1024, 1}, Case{1025, 0}}) {
        std::vector<float> xy;
        for (int i = 0; i < c.points; ++i) {
            float a = i * 6.2831855f / c.points;
            xy.push_back(320 + 100 * std::cos(a));
            xy.push_back(240 + 100 * std::sin(a));
        }
        device.Cls(0, 0, 0);
        long before = device.drawCalls;
        device.DrawPoly(xy.data(), static_cast<int>(xy.size()));
        EXPECT_EQ(device.drawCalls - before, c.calls) << c.points;
        EXPECT_EQ(Rgb(320, 240), c.calls ? 0xFFFFFFu : 0u) << c.points;
    }
}

TEST_F(DrawingTest, PolyWithAnOddFloatCountIgnoresTheLastOne) {
    const float xy[] = {10, 10, 50, 10, 10, 50, 999};
    device.DrawPoly(xy, 7);
    EXPECT_EQ(Rgb(15, 15), 0xFFFFFFu);
    EXPECT_EQ(Rgb(45, 45), 0u);
}

}  // namespace
