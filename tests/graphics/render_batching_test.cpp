// Batching: which submissions share a draw call, and when the pending batch is drawn or dropped.
#include <functional>

#include "tests/graphics/device_fixture.h"

namespace {
using gfxtest::DeviceTest;

class BatchingTest : public DeviceTest {
protected:
    void SetUp() override {
        DeviceTest::SetUp();
        if (IsSkipped()) return;
        surfaceA = device.CreateSurface(4, 4);
        surfaceB = device.CreateSurface(4, 4);
        ASSERT_TRUE(surfaceA && surfaceB);
    }
    // Draw calls made by `draw` plus the final flush.
    long CallsFor(const std::function<void()>& draw) {
        long before = device.drawCalls;
        draw();
        device.Flush();
        return device.drawCalls - before;
    }
    SurfacePtr surfaceA, surfaceB;
};

TEST_F(BatchingTest, EachKindFillsOneCallUpToItsCapacity) {
    struct Case {
        const char* kind;
        int capacity;
        std::function<void(gxtkGraphics&, int)> submit;
    };
    gxtkSurface* a = surfaceA.get();
    const Case cases[] = {
        {"points", 1024, [](gxtkGraphics& d, int i) { d.DrawPoint(i % 600 + 0.5f, 10.5f); }},
        {"lines", 512, [](gxtkGraphics& d, int i) { d.DrawLine(0, i % 400, 50, i % 400); }},
        {"rects", 256, [](gxtkGraphics& d, int i) { d.DrawRect(i, 0, 2, 2); }},
        {"surface quads", 256, [a](gxtkGraphics& d, int i) { d.DrawSurface(a, i, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(CallsFor([&] { for (int i = 0; i < c.capacity; ++i) c.submit(device, i); }), 1);
        EXPECT_EQ(device.primCount, 0);
        EXPECT_EQ(CallsFor([&] { for (int i = 0; i <= c.capacity; ++i) c.submit(device, i); }), 2);
    }
}

TEST_F(BatchingTest, TheQuadAfterAFullBatchStartsTheNextOne) {
    for (int i = 0; i < 256; ++i) device.DrawRect(i, 0, 1, 1);
    EXPECT_EQ(device.drawCalls, 0);
    EXPECT_EQ(device.primCount, 256);
    device.DrawRect(0, 10, 1, 1);
    EXPECT_EQ(device.drawCalls, 1);
    EXPECT_EQ(device.primCount, 1);
}

TEST_F(BatchingTest, ColourAndMatrixChangesStayInOneBatch) {
    EXPECT_EQ(CallsFor([&] {
                  for (int i = 0; i < 100; ++i) {
                      device.SetColor(i, 255 - i, 0);
                      device.SetAlpha(i / 100.0f);
                      device.SetMatrix(1, 0, 0, 1, i, 0);
                      device.DrawRect(0, 0, 1, 1);
                  }
              }),
              1);
}

TEST_F(BatchingTest, AChangeOfKindOrTextureSplits) {
    gxtkSurface* a = surfaceA.get();
    gxtkSurface* b = surfaceB.get();
    EXPECT_EQ(CallsFor([&] {
                  device.DrawRect(0, 0, 1, 1);
                  device.DrawLine(0, 0, 1, 1);
                  device.DrawRect(0, 0, 1, 1);
              }),
              3);
    EXPECT_EQ(CallsFor([&] {
                  for (int i = 0; i < 8; ++i) device.DrawSurface(i % 2 ? b : a, 0, 0);
              }),
              8);
    EXPECT_EQ(CallsFor([&] {
                  device.DrawSurface(a, 0, 0);
                  device.DrawRect(0, 0, 1, 1);
                  device.DrawSurface2(a, 0, 0, 0, 0, 2, 2);
              }),
              3);
}

TEST_F(BatchingTest, StateChangesThatTouchGlDrawWhatIsPending) {
    const std::function<void()> changes[] = {
        [&] { device.SetBlend(0); },
        [&] { device.SetScissor(1, 1, 5, 5); },
        [&] {
            int p;
            device.ReadPixels(&p, 0, 0, 1, 1, 0, 1);
        },
        [&] {
            const int p = 0;
            device.WritePixels2(surfaceA.get(), &p, 0, 0, 1, 1, 0, 1);
        },
    };
    for (const auto& change : changes) {
        device.DrawRect(0, 0, 1, 1);
        long before = device.drawCalls;
        change();
        EXPECT_EQ(device.drawCalls, before + 1);
        EXPECT_EQ(device.primCount, 0);
    }
}

TEST_F(BatchingTest, ClsDropsWhatIsPending) {
    device.SetColor(255, 0, 0);
    for (int i = 0; i < 10; ++i) device.DrawRect(0, 0, 50, 50);
    device.Cls(0, 0, 255);
    device.Flush();
    EXPECT_EQ(device.drawCalls, 0);
    EXPECT_EQ(Rgb(10, 10), 0x0000FFu);
}

TEST_F(BatchingTest, QuadCornersRunClockwiseFromTopLeftWithMatchingTexels) {
    device.SetMatrix(1, 0, 0, 1, 100, 200);
    device.DrawSurface2(surfaceA.get(), 10, 20, 1, 2, 3, 2);
    const float u = 0.25f, v = 0.25f;  // 1 / texture size of a 4x4 surface
    struct Corner {
        float x, y, u, v;
    };
    const Corner expected[] = {
        {110, 220, 1 * u, 2 * v},
        {113, 220, 4 * u, 2 * v},
        {113, 222, 4 * u, 4 * v},
        {110, 222, 1 * u, 4 * v},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(device.vertices[i].x, expected[i].x);
        EXPECT_FLOAT_EQ(device.vertices[i].y, expected[i].y);
        EXPECT_FLOAT_EQ(device.vertices[i].u, expected[i].u);
        EXPECT_FLOAT_EQ(device.vertices[i].v, expected[i].v);
        EXPECT_EQ(device.vertices[i].color, device.packedColor);
    }
    device.Flush();
}

}  // namespace
