#include "tests/graphics/device_fixture.h"

#include <GL/gl.h>
#include <stb_image_write.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/gl_window.h"

namespace gfxtest {

void DeviceTest::SetUp() {
    if (!testsupport::EnsureWindow()) GTEST_SKIP() << "no display";
    testsupport::ResizeWindow(640, 480);
    ASSERT_TRUE(device.Validate());
    ASSERT_EQ(device.Width(), 640);
    ASSERT_EQ(device.Height(), 480);
    device.BeginRender();
    device.SetColor(255, 255, 255);
    device.SetAlpha(1);
    device.SetScissor(0, 0, 640, 480);
    device.Cls(0, 0, 0);
}

void DeviceTest::TearDown() { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }

unsigned DeviceTest::Pixel(int x, int y) {
    int p = 0;
    device.ReadPixels(&p, x, y, 1, 1, 0, 1);
    return static_cast<unsigned>(p);
}

namespace {
struct ScratchFolder {
    ScratchFolder() {
        std::string pattern = "/tmp/skarnfell-graphics-XXXXXX";
        if (mkdtemp(pattern.data())) path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};
}  // namespace

std::string PictureDir() {
    static ScratchFolder folder;
    return folder.path;
}

String WritePng(const std::string& name, int w, int h, int depth, const std::vector<unsigned char>& pixels) {
    std::string path = PictureDir() + "/" + name;
    EXPECT_NE(stbi_write_png(path.c_str(), w, h, depth, pixels.data(), w * depth), 0) << path;
    return FromAscii(path);
}

std::vector<unsigned char> Solid(int w, int h, unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
    std::vector<unsigned char> pixels;
    pixels.reserve(static_cast<size_t>(w) * h * 4);
    for (int i = 0; i < w * h; ++i) pixels.insert(pixels.end(), {r, g, b, a});
    return pixels;
}

}  // namespace gfxtest
