// Surfaces: decoding, premultiplied upload, texture sizes, pixel writes and release.
#include <GL/gl.h>

#include <fstream>
#include <utility>
#include <vector>

#include "graphics/texture_size.h"
#include "tests/graphics/device_fixture.h"

namespace {
using gfxtest::DeviceTest;
using gfxtest::Solid;
using gfxtest::WritePng;
using SurfaceTest = DeviceTest;

TEST_F(SurfaceTest, LoadsEachDepthAndDrawsItPremultiplied) {
    struct Case {
        int depth;
        std::vector<unsigned char> pixel;
        unsigned onBlack;
    };
    const Case cases[] = {
        {1, {77}, 0x4D4D4D},
        {2, {200, 128}, 0x646464},               // 200 * 128 / 255 = 100
        {3, {200, 100, 50}, 0xC86432},
        {4, {200, 100, 50, 128}, 0x643219},      // 100, 50, 25
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth);
        std::vector<unsigned char> pixels;
        for (int i = 0; i < 6 * 5; ++i) pixels.insert(pixels.end(), c.pixel.begin(), c.pixel.end());
        String path = WritePng("depth" + std::to_string(c.depth) + ".png", 6, 5, c.depth, pixels);

        int w = 0, h = 0, depth = 0;
        unsigned char* decoded = loadImage(path, &w, &h, &depth);
        ASSERT_NE(decoded, nullptr);
        EXPECT_EQ(std::vector<unsigned char>(decoded, decoded + pixels.size()), pixels);
        EXPECT_EQ(std::make_pair(w, h), std::make_pair(6, 5));
        EXPECT_EQ(depth, c.depth);
        free(decoded);

        SurfacePtr surface = device.LoadSurface(path);
        ASSERT_TRUE(surface);
        EXPECT_EQ(surface->Width(), 6);
        EXPECT_EQ(surface->Height(), 5);
        EXPECT_EQ(surface->pixels, nullptr);
        EXPECT_NE(surface->texture, 0u);
        EXPECT_FLOAT_EQ(surface->uScale, 1.0f / 6);
        EXPECT_FLOAT_EQ(surface->vScale, 1.0f / 5);

        device.Cls(0, 0, 0);
        device.DrawSurface(surface.get(), 100, 100);
        device.Flush();
        EXPECT_EQ(Rgb(100, 100), c.onBlack);
        EXPECT_EQ(Rgb(105, 104), c.onBlack);
        EXPECT_EQ(Rgb(106, 104), 0u);
        EXPECT_EQ(Rgb(105, 105), 0u);
    }
}

TEST_F(SurfaceTest, MissingOrUndecodableFilesGiveNull) {
    std::string garbage = gfxtest::PictureDir() + "/garbage.png";
    std::ofstream(garbage, std::ios::binary) << "\x89PNG not really";
    for (const String& path : {FromAscii(garbage), FromAscii(gfxtest::PictureDir() + "/absent.png")}) {
        int w = -1, h = -1, d = -1;
        EXPECT_EQ(loadImage(path, &w, &h, &d), nullptr);
        EXPECT_FALSE(device.LoadSurface(path));
    }
}

TEST_F(SurfaceTest, SourceRectanglesPickTheirTexels) {
    // Left half red, right half green, 4 rows.
    std::vector<unsigned char> pixels;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool left = x < 4;
            pixels.insert(pixels.end(), {static_cast<unsigned char>(left ? 255 : 0),
                                         static_cast<unsigned char>(left ? 0 : 255), 0, 255});
        }
    }
    SurfacePtr surface = device.LoadSurface(WritePng("halves.png", 8, 4, 4, pixels));
    ASSERT_TRUE(surface);
    device.DrawSurface2(surface.get(), 10, 10, 4, 0, 4, 4);
    device.DrawSurface2(surface.get(), 20, 10, 0, 0, 4, 4);
    device.Flush();
    EXPECT_EQ(Rgb(10, 10), 0x00FF00u);
    EXPECT_EQ(Rgb(13, 13), 0x00FF00u);
    EXPECT_EQ(Rgb(14, 13), 0u);
    EXPECT_EQ(Rgb(20, 10), 0xFF0000u);
    EXPECT_EQ(Rgb(23, 13), 0xFF0000u);
}

TEST(TextureSize, NextPowerOfTwo) {
    const std::pair<int, int> cases[] = {{0, 1}, {1, 1}, {2, 2}, {3, 4}, {50, 64}, {100, 128}, {1024, 1024}, {1025, 2048}};
    for (auto [n, p] : cases) EXPECT_EQ(NextPowerOfTwo(n), p) << n;
}

TEST(TextureSize, RetriesOnceAtPowersOfTwo) {
    struct Case {
        const char* driver;
        bool (*accepts)(int, int);
        bool allocated;
        std::vector<std::pair<int, int>> attempts;
    };
    const Case cases[] = {
        {"any size", [](int, int) { return true; }, true, {{100, 50}}},
        {"powers of two only", [](int w, int h) { return (w & (w - 1)) == 0 && (h & (h - 1)) == 0; }, true,
         {{100, 50}, {128, 64}}},
        {"nothing", [](int, int) { return false; }, false, {{100, 50}, {128, 64}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.driver);
        std::vector<std::pair<int, int>> attempts;
        int tw = 0, th = 0;
        bool ok = AllocateTexture(100, 50, &tw, &th, [&](int w, int h) {
            attempts.emplace_back(w, h);
            return c.accepts(w, h);
        });
        EXPECT_EQ(ok, c.allocated);
        EXPECT_EQ(attempts, c.attempts);
        if (ok) {
            EXPECT_EQ(std::make_pair(tw, th), attempts.back());
        }
    }
}

TEST_F(SurfaceTest, ASizeTheDriverRefusesEvenAsPowerOfTwoFails) {
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    EXPECT_FALSE(device.CreateSurface(maxSize + 1, 1));
    glGetError();  // the refusal leaves nothing pending, but be sure the fixture's check sees only later errors
    SurfacePtr surface = device.CreateSurface(maxSize, 1);
    ASSERT_TRUE(surface);
    EXPECT_FLOAT_EQ(surface->uScale, 1.0f / maxSize);
}

// What a driver without non-power-of-two textures leaves: a 100x50 image in the corner of a 128x64 texture.
TEST_F(SurfaceTest, AnImageInALargerTextureDrawsAtItsOwnSize) {
    SurfacePtr surface = device.CreateSurface(128, 64);
    ASSERT_TRUE(surface);
    std::vector<int> texels(128 * 64, static_cast<int>(0xFF00FF00));  // green outside the image
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x) texels[y * 128 + x] = static_cast<int>(0xFFFF0000);
    device.WritePixels2(surface.get(), texels.data(), 0, 0, 128, 64, 0, 128);
    surface->width = 100;
    surface->height = 50;

    device.DrawSurface(surface.get(), 0, 0);
    device.Flush();
    EXPECT_EQ(Rgb(0, 0), 0xFF0000u);
    EXPECT_EQ(Rgb(99, 49), 0xFF0000u);
    EXPECT_EQ(Rgb(100, 0), 0u);
    EXPECT_EQ(Rgb(0, 50), 0u);
}

TEST_F(SurfaceTest, WritePixelsPremultipliesIntoTheBlock) {
    SurfacePtr surface = device.CreateSurface(4, 4);
    ASSERT_TRUE(surface);
    const int opaqueBlue = static_cast<int>(0xFF0000FF);
    std::vector<int> all(16, opaqueBlue);
    device.WritePixels2(surface.get(), all.data(), 0, 0, 4, 4, 0, 4);
    // Two half-transparent texels from a larger array, at offset 2 with a pitch of 3.
    const int halfRed = static_cast<int>(0x80FF0000), halfWhite = static_cast<int>(0x80FFFFFF);
    const int block[] = {0, 0, halfRed, 0, 0, halfWhite};
    device.WritePixels2(surface.get(), block, 1, 2, 1, 2, 2, 3);

    device.DrawSurface(surface.get(), 0, 0);
    device.Flush();
    EXPECT_EQ(Rgb(0, 0), 0x0000FFu);
    EXPECT_EQ(Rgb(1, 2), 0x800000u);  // 255 * 128 / 255 over black
    EXPECT_EQ(Rgb(1, 3), 0x808080u);
    EXPECT_EQ(Rgb(2, 2), 0x0000FFu);
}

TEST_F(SurfaceTest, DiscardAndDestructionReleaseTheTexture) {
    SurfacePtr kept = device.CreateSurface(2, 2);
    SurfacePtr dropped = device.CreateSurface(2, 2);
    ASSERT_TRUE(kept && dropped);
    unsigned keptName = kept->texture, droppedName = dropped->texture;
    EXPECT_TRUE(glIsTexture(keptName));
    kept->Discard();
    EXPECT_EQ(kept->texture, 0u);
    EXPECT_FALSE(glIsTexture(keptName));
    dropped.reset();
    EXPECT_FALSE(glIsTexture(droppedName));
}

}  // namespace
