#pragma once
// A real render device on the test window, and small picture files for loading tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/text.h"
#include "graphics/render_device.h"

namespace gfxtest {

// Each test starts a frame on a fresh device over the 640x480 window: white, opaque, no scissor, cleared black.
class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The window pixel at (x, y), read back as alpha-red-green-blue.
    unsigned Pixel(int x, int y);
    // Colour only (alpha dropped), for comparing against 0xRRGGBB.
    unsigned Rgb(int x, int y) { return Pixel(x, y) & 0xFFFFFF; }

    gxtkGraphics device;
};

// A folder under the system's temp folder for this test program's picture files, made once.
std::string PictureDir();
// Writes a PNG with `depth` components per pixel; returns its absolute path.
String WritePng(const std::string& name, int w, int h, int depth, const std::vector<unsigned char>& pixels);
// w x h RGBA pixels of one colour.
std::vector<unsigned char> Solid(int w, int h, unsigned char r, unsigned char g, unsigned char b, unsigned char a);

}  // namespace gfxtest
