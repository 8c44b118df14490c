#pragma once
// The graphics module over a real render device that also notes which device calls the module made.
#include <gtest/gtest.h>

#include "graphics/graphics.h"

namespace gfxtest {

class SpyDevice : public gxtkGraphics {
public:
    int SetMatrix(float ix_, float iy_, float jx_, float jy_, float tx_, float ty_) override {
        ++matrixCalls;
        return gxtkGraphics::SetMatrix(ix_, iy_, jx_, jy_, tx_, ty_);
    }
    int DrawSurface(gxtkSurface* surface, float x, float y) override {
        ++wholeSurfaceDraws;
        return gxtkGraphics::DrawSurface(surface, x, y);
    }
    int DrawSurface2(gxtkSurface* surface, float x, float y, int srcX, int srcY, int srcW, int srcH) override {
        ++partDraws;
        lastSource[0] = srcX, lastSource[1] = srcY, lastSource[2] = srcW, lastSource[3] = srcH;
        return gxtkGraphics::DrawSurface2(surface, x, y, srcX, srcY, srcW, srcH);
    }

    int matrixCalls = 0;
    int wholeSurfaceDraws = 0;
    int partDraws = 0;
    int lastSource[4] = {};
};

// A frame begun through the module (graphics::BeginRender) on the 640x480 test window, cleared black.
class ModuleTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The window pixel's colour as 0xRRGGBB, after drawing what is pending.
    unsigned Rgb(int x, int y);

    SpyDevice spy;
    GraphicsContext ctx;
};

}  // namespace gfxtest
