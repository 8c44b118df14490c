// The device's cheaper paths must give the very pixels of the straightforward one: each case is drawn over the same
// busy background with `optimise` off and on, and the whole window is compared.
#include <functional>
#include <vector>

#include "tests/graphics/device_fixture.h"

namespace {
using gfxtest::DeviceTest;

class OptimiseTest : public DeviceTest {
protected:
    // A background with every kind of pixel under the case: translucent and opaque colours, a texture.
    void Background() {
        device.SetBlend(0);
        device.SetScissor(0, 0, 640, 480);
        device.SetMatrix(1, 0, 0, 1, 0, 0);
        device.Cls(10, 20, 30);
        for (int i = 0; i < 12; ++i) {
            device.SetColor(20 * i, 255 - 20 * i, 90);
            device.SetAlpha(i % 3 == 0 ? 1.0f : 0.3f + 0.05f * i);
            device.DrawRect(50.0f * i - 7.3f, 13.0f * i, 71.6f, 300.5f);
        }
        device.SetAlpha(0.6f);
        device.DrawSurface(surface.get(), 300.5f, 200.25f);
    }

    std::vector<int> Draw(bool optimise, const std::function<void(gxtkGraphics&)>& draw) {
        device.optimise = optimise;
        Background();
        draw(device);
        std::vector<int> pixels(640 * 480);
        device.ReadPixels(pixels.data(), 0, 0, 640, 480, 0, 640);
        device.SetScissor(0, 0, 640, 480);
        device.SetBlend(0);
        device.SetMatrix(1, 0, 0, 1, 0, 0);
        return pixels;
    }

    SurfacePtr surface;
    SurfacePtr holed;
};

TEST_F(OptimiseTest, EveryCaseGivesTheStraightforwardPixels) {
    std::vector<int> texels(16 * 16);
    for (int i = 0; i < 256; ++i) texels[i] = (i % 5 ? 0xFF000000 : 0x80000000) | (i * 977 & 0xFFFFFF);
    surface = device.CreateSurface(16, 16);
    ASSERT_TRUE(surface);
    device.WritePixels2(surface.get(), texels.data(), 0, 0, 16, 16, 0, 16);
    // Holes of alpha 0 whose colour bytes are not zero (premultiplying clears them), low alphas, and opaque texels.
    const unsigned alphas[] = {0x00000000, 0x02000000, 0xFF000000};
    for (int i = 0; i < 256; ++i) texels[i] = static_cast<int>(alphas[i % 3] | (i * 7919 & 0xFFFFFF));
    holed = device.CreateSurface(16, 16);
    ASSERT_TRUE(holed);
    device.WritePixels2(holed.get(), texels.data(), 0, 0, 16, 16, 0, 16);

    auto colour = [](gxtkGraphics& d, float r, float g, float b, float a) {
        d.SetColor(r, g, b);
        d.SetAlpha(a);
    };
    struct Case {
        const char* name;
        std::function<void(gxtkGraphics&)> draw;
    };
    const Case cases[] = {
        {"opaque rectangles, one batch",
         [&](gxtkGraphics& d) {
             for (int i = 0; i < 40; ++i) {
                 colour(d, 6 * i, 100, 200 - 4 * i, 1);
                 d.DrawRect(15.5f * i, 7.25f * i, 60, 90.7f);
             }
         }},
        {"opaque and translucent rectangles mixed in one batch",
         [&](gxtkGraphics& d) {
             for (int i = 0; i < 40; ++i) {
                 colour(d, 200, 6 * i, 50, i % 4 ? 1.0f : 0.5f);
                 d.DrawRect(15.5f * i, 300 - 7.25f * i, 60, 90.7f);
             }
         }},
        {"alpha just under one",
         [&](gxtkGraphics& d) {
             colour(d, 250, 250, 10, 0.999f);
             d.DrawRect(100, 100, 300, 200);
         }},
        {"a window-filling rectangle over pending ones",
         [&](gxtkGraphics& d) {
             colour(d, 255, 0, 0, 1);
             d.DrawRect(10, 10, 50, 50);
             colour(d, 30, 60, 90, 1);
             d.DrawRect(-1, -1, 642, 482);
             colour(d, 0, 255, 0, 0.5f);
             d.DrawRect(20, 20, 50, 50);
         }},
        {"a window-filling rectangle exactly on the edges", [&](gxtkGraphics& d) {
             colour(d, 77, 88, 99, 1);
             d.DrawRect(0, 0, 640, 480);
         }},
        {"a translucent window-filling rectangle", [&](gxtkGraphics& d) {
             colour(d, 0, 0, 0, 0.4f);
             d.DrawRect(0, 0, 640, 480);
         }},
        {"a window-filling rectangle one pixel short", [&](gxtkGraphics& d) {
             colour(d, 40, 200, 40, 1);
             d.DrawRect(0, 0, 640, 479);
         }},
        {"a window-filling rectangle under the scissor", [&](gxtkGraphics& d) {
             d.SetScissor(100, 50, 200, 100);
             colour(d, 200, 40, 40, 1);
             d.DrawRect(-5, -5, 700, 500);
         }},
        {"a window-filling rectangle through a matrix", [&](gxtkGraphics& d) {
             d.SetMatrix(2, 0, 0, 2, -10, -10);
             colour(d, 10, 40, 200, 1);
             d.DrawRect(0, 0, 330, 250);
         }},
        {"additive blending keeps adding", [&](gxtkGraphics& d) {
             d.SetBlend(1);
             colour(d, 60, 60, 60, 1);
             d.DrawRect(-1, -1, 642, 482);
             d.DrawRect(100, 100, 200, 200);
         }},
        {"nothing to draw: zero alpha, and quads beyond every edge", [&](gxtkGraphics& d) {
             colour(d, 255, 255, 255, 0);
             d.DrawRect(10, 10, 300, 300);
             d.DrawSurface(surface.get(), 50, 50);
             colour(d, 255, 0, 255, 1);
             d.DrawRect(-50, 10, 50, 50);
             d.DrawRect(640, 10, 50, 50);
             d.DrawRect(10, -50, 50, 50);
             d.DrawRect(10, 480, 50, 50);
             d.DrawSurface(surface.get(), -16, -16);
         }},
        {"quads straddling the edges", [&](gxtkGraphics& d) {
             colour(d, 255, 128, 0, 1);
             d.DrawRect(-49.5f, 10, 50, 50);
             d.DrawRect(639.5f, 100, 50, 50);
             d.DrawSurface(surface.get(), 630, 470);
         }},
        {"a rotated quad whose box reaches into the window", [&](gxtkGraphics& d) {
             d.SetMatrix(0.7071f, 0.7071f, -0.7071f, 0.7071f, -5, 200);
             colour(d, 0, 200, 200, 1);
             d.DrawRect(0, 0, 40, 40);
             d.DrawSurface(surface.get(), -20, -5);
         }},
        {"opaque lines, ovals and polygons", [&](gxtkGraphics& d) {
             colour(d, 255, 255, 0, 1);
             d.DrawLine(0, 0, 640, 480);
             d.DrawOval(100, 100, 120, 80);
             const float tri[] = {300, 300, 400, 320, 350, 420};
             d.DrawPoly(tri, 6);
             d.DrawPoint(5.5f, 5.5f);
         }},
        {"textured quads in full colour stay blended", [&](gxtkGraphics& d) {
             colour(d, 255, 255, 255, 1);
             for (int i = 0; i < 20; ++i) d.DrawSurface2(surface.get(), 30.0f * i, 400, 0, 0, 16, 16);
         }},
        {"overlapping opaque blocks in depth order, like a skyline", [&](gxtkGraphics& d) {
             for (int i = 0; i < 120; ++i) {
                 colour(d, 40 + i, 90 + (i * 37) % 120, 200 - i, 1);
                 float h = 16.0f * (6 + (i * 7) % 11), w = 16.0f * (4 + (i * 5) % 5);
                 d.DrawRect(-100.0f + (i * 173) % 800 + 0.25f * (i % 4), 260 - h + 6.5f * (i % 9), w, h);
             }
         }},
        {"opaque rectangles over translucent ones: inside, each side, straddling, one short", [&](gxtkGraphics& d) {
             const float boxes[][4] = {{100, 100, 80, 60},      {90.5f, 95, 100, 80},   {300, 100, 80, 60},
                                       {340.3f, 90, 100, 80.5f}, {300, 250, 80, 60},    {250, 240, 60.7f, 80},
                                       {100, 250, 80, 60},       {90, 280, 100, 50.2f}, {500, 250, 80, 60},
                                       {490, 230, 100, 40},      {100, 380, 80, 60},    {120, 370, 30, 80},
                                       {300, 380, 80, 60},       {290, 380, 100, 59.9f}};
             for (int i = 0; i < 14; ++i) {
                 colour(d, 30 + 15 * i, 200, 255 - 15 * i, i % 2 ? 1.0f : 0.45f);
                 d.DrawRect(boxes[i][0], boxes[i][1], boxes[i][2], boxes[i][3]);
             }
         }},
        {"covering rectangles through a scaling matrix, and of negative size", [&](gxtkGraphics& d) {
             d.SetMatrix(1.5625f, 0, 0, 1.4583f, 3.3f, -1.7f);
             for (int i = 0; i < 30; ++i) {
                 colour(d, 8 * i, 250 - 8 * i, 120, i % 5 ? 1.0f : 0.6f);
                 d.DrawRect(13.0f * i - 20, 150 - 3.0f * i, 64, 96 + 2.0f * i);
             }
             d.SetMatrix(1, 0, 0, 1, 0, 0);
             colour(d, 250, 250, 250, 1);
             d.DrawRect(600, 400, -200, -50);
         }},
        {"an opaque rectangle over a rotated one", [&](gxtkGraphics& d) {
             d.SetMatrix(0.8f, 0.6f, -0.6f, 0.8f, 200, 100);
             colour(d, 200, 0, 100, 1);
             d.DrawRect(0, 0, 100, 60);
             d.SetMatrix(1, 0, 0, 1, 0, 0);
             d.DrawRect(150, 90, 120, 200);
         }},
        {"textured holes in every vertex alpha, scaled and rotated", [&](gxtkGraphics& d) {
             const float alphas[] = {1.0f, 0.7f, 0.2f, 0.004f, 0.0021f};
             for (int i = 0; i < 5; ++i) {
                 colour(d, 255, 200 - 30 * i, 255, alphas[i]);
                 d.DrawSurface(holed.get(), 40.0f * i + 0.3f, 60);
                 d.DrawSurface2(holed.get(), 40.0f * i, 120, 3, 2, 9, 11);
             }
             d.SetMatrix(3.1f, 0.9f, -0.9f, 3.1f, 320, 150);
             colour(d, 255, 255, 255, 1);
             d.DrawSurface(holed.get(), 0, 0);
             colour(d, 90, 255, 30, 0.35f);
             d.DrawSurface(holed.get(), -20, 10);
         }},
        {"textured holes under additive blending", [&](gxtkGraphics& d) {
             d.SetBlend(1);
             colour(d, 255, 255, 255, 1);
             for (int i = 0; i < 10; ++i) d.DrawSurface(holed.get(), 55.0f * i, 250.5f);
             colour(d, 255, 255, 255, 0.004f);
             d.DrawSurface(holed.get(), 100, 300);
         }},
        {"textured and untextured batches taking turns", [&](gxtkGraphics& d) {
             for (int i = 0; i < 8; ++i) {
                 colour(d, 255, 255, 255, i % 2 ? 1.0f : 0.6f);
                 d.DrawSurface(holed.get(), 70.0f * i, 330);
                 colour(d, 30 * i, 90, 160, i % 3 ? 1.0f : 0.5f);
                 d.DrawRect(70.0f * i + 8, 338, 10, 10);
             }
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> straight = Draw(false, c.draw);
        std::vector<int> optimised = Draw(true, c.draw);
        int differing = 0;
        for (size_t i = 0; i < straight.size(); ++i) differing += straight[i] != optimised[i];
        EXPECT_EQ(differing, 0);
    }
}

}  // namespace
