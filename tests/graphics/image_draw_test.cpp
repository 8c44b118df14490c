// Loading images from files and drawing them through the module: handles, transforms, frames, the font.
#include <stb_image_write.h>
#include <unistd.h>

#include <filesystem>

#include "tests/graphics/device_fixture.h"
#include "tests/graphics/module_fixture.h"

namespace {
using gfxtest::ModuleTest;
using gfxtest::Solid;
using gfxtest::WritePng;

// w x h, left half red and right half green.
std::vector<unsigned char> Halves(int w, int h) {
    std::vector<unsigned char> pixels;
    for (int i = 0; i < w * h; ++i) {
        const bool left = i % w < w / 2;
        pixels.insert(pixels.end(), {static_cast<unsigned char>(left ? 255 : 0),
                                     static_cast<unsigned char>(left ? 0 : 255), 0, 255});
    }
    return pixels;
}

using ImageDrawTest = ModuleTest;

TEST_F(ImageDrawTest, LoadImageCutsAFileInBothForms) {
    String strip = WritePng("strip.png", 960, 16, 4, Solid(960, 16, 9, 9, 9, 255));
    ImagePtr font = graphics::LoadImage(strip, 96, Image::HorizontalPadding);
    ASSERT_TRUE(font);
    ASSERT_EQ(font->frames.size(), 96u);
    EXPECT_EQ(font->width, 8);
    EXPECT_EQ(font->height, 16);
    EXPECT_EQ(font->frames[0].x, 1);
    EXPECT_EQ(font->frames[1].x, 11);
    EXPECT_EQ(font->frames[95].x, 951);

    String sheet = WritePng("sheet.png", 128, 128, 4, Solid(128, 128, 9, 9, 9, 255));
    ImagePtr frames = graphics::LoadImage(sheet, 32, 32, 10, Image::CentreHandle);
    ASSERT_TRUE(frames);
    ASSERT_EQ(frames->frames.size(), 10u);
    EXPECT_EQ(std::make_pair(frames->frames[9].x, frames->frames[9].y), std::make_pair(32, 64));
    EXPECT_EQ(std::make_pair(frames->handleX, frames->handleY), std::make_pair(16.0f, 16.0f));
    EXPECT_EQ(frames->sourceImage->frames.size(), 1u);

    const String absent = FromAscii(gfxtest::PictureDir() + "/absent.png");
    EXPECT_FALSE(graphics::LoadImage(absent, 1, 0));
    EXPECT_FALSE(graphics::LoadImage(absent, 32, 32, 10, 0));
}

TEST_F(ImageDrawTest, HandleLandsOnThePosition) {
    ImagePtr image = graphics::LoadImage(WritePng("red32.png", 32, 32, 4, Solid(32, 32, 255, 0, 0, 255)), 1, 0);
    ASSERT_TRUE(image);
    image->SetHandle(16, 16);
    graphics::DrawRect(0, 0, 0, 0);  // hands the device the frame's identity matrix
    const int matrixCalls = spy.matrixCalls;

    graphics::DrawImage(image.get(), 100, 100, 0);
    EXPECT_EQ(spy.matrixCalls, matrixCalls);  // untransformed: the device matrix is left alone
    EXPECT_EQ(Rgb(84, 84), 0xFF0000u);
    EXPECT_EQ(Rgb(115, 115), 0xFF0000u);
    EXPECT_EQ(Rgb(83, 84), 0u);
    EXPECT_EQ(Rgb(116, 115), 0u);

    graphics::Cls(0, 0, 0);
    graphics::Translate(10, 20);
    graphics::DrawImage(image.get(), 100, 100, 0);
    EXPECT_EQ(Rgb(94, 104), 0xFF0000u);
    EXPECT_EQ(Rgb(93, 104), 0u);
    EXPECT_EQ(Rgb(125, 135), 0xFF0000u);
    EXPECT_EQ(Rgb(126, 136), 0u);
    EXPECT_EQ(ctx.stackTop, 0);
    EXPECT_FLOAT_EQ(ctx.tx, 10);
    EXPECT_FLOAT_EQ(ctx.ty, 20);
    EXPECT_TRUE(ctx.matrixDirty);
}

TEST_F(ImageDrawTest, RotationAndScaleTurnAboutTheHandle) {
    ImagePtr image = graphics::LoadImage(WritePng("red32x16.png", 32, 16, 4, Solid(32, 16, 255, 0, 0, 255)), 1, 0);
    ASSERT_TRUE(image);

    // A quarter turn counter-clockwise about the top-left corner: the image now points up from (100, 100).
    graphics::DrawImage(image.get(), 100, 100, 90, 1, 1, 0);
    EXPECT_EQ(Rgb(108, 70), 0xFF0000u);
    EXPECT_EQ(Rgb(100, 99), 0xFF0000u);
    EXPECT_EQ(Rgb(108, 101), 0u);
    EXPECT_EQ(Rgb(120, 90), 0u);
    EXPECT_EQ(Rgb(108, 66), 0u);

    graphics::Cls(0, 0, 0);
    image->SetHandle(16, 8);
    graphics::DrawImage(image.get(), 300, 300, 0, 2, 3, 0);
    EXPECT_EQ(Rgb(268, 276), 0xFF0000u);
    EXPECT_EQ(Rgb(331, 323), 0xFF0000u);
    EXPECT_EQ(Rgb(267, 276), 0u);
    EXPECT_EQ(Rgb(332, 323), 0u);
    EXPECT_EQ(Rgb(331, 324), 0u);
    EXPECT_EQ(ctx.stackTop, 0);
    EXPECT_FALSE(ctx.isTransformed);
}

TEST_F(ImageDrawTest, FramesDrawTheirPartOfTheSurface) {
    ImagePtr pair = graphics::LoadImage(WritePng("halves.png", 16, 8, 4, Halves(16, 8)), 2, 0);
    ASSERT_TRUE(pair);
    graphics::DrawImage(pair.get(), 0, 0, 1);
    graphics::DrawImage(pair.get(), 20, 0, 0);
    EXPECT_EQ(spy.partDraws, 2);
    EXPECT_EQ(spy.wholeSurfaceDraws, 0);
    EXPECT_EQ(Rgb(0, 0), 0x00FF00u);
    EXPECT_EQ(Rgb(7, 7), 0x00FF00u);
    EXPECT_EQ(Rgb(8, 0), 0u);
    EXPECT_EQ(Rgb(20, 0), 0xFF0000u);
    EXPECT_EQ(Rgb(27, 7), 0xFF0000u);
}

TEST_F(ImageDrawTest, OnlyAnUnpaddedSingleFrameDrawsTheWholeSurface) {
    String path = WritePng("halves32.png", 32, 16, 4, Halves(32, 16));
    ImagePtr whole = graphics::LoadImage(path, 1, 0);
    ImagePtr padded = graphics::LoadImage(path, 1, Image::HorizontalPadding);
    ASSERT_TRUE(whole && padded);

    graphics::DrawImage(whole.get(), 0, 0, 0);
    EXPECT_EQ(spy.wholeSurfaceDraws, 1);
    EXPECT_EQ(spy.partDraws, 0);

    graphics::DrawImage(padded.get(), 0, 20, 0);
    EXPECT_EQ(spy.wholeSurfaceDraws, 1);
    EXPECT_EQ(spy.partDraws, 1);
    EXPECT_EQ(std::vector<int>(spy.lastSource, spy.lastSource + 4), (std::vector<int>{1, 0, 30, 16}));
    EXPECT_EQ(Rgb(0, 20), 0xFF0000u);   // source column 1
    EXPECT_EQ(Rgb(29, 20), 0x00FF00u);  // source column 30
    EXPECT_EQ(Rgb(30, 20), 0u);
}

class FontTest : public ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        previous_ = std::filesystem::current_path();
        std::filesystem::path dir = gfxtest::PictureDir() + "/game";
        std::filesystem::create_directories(dir / "data");
        std::filesystem::current_path(dir);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        ModuleTest::TearDown();
    }
    std::filesystem::path previous_;
};

TEST_F(FontTest, DefaultFontLoadsOnceOrFailsQuietly) {
    std::filesystem::remove("data/plinth_font.png");
    testing::internal::CaptureStdout();
    graphics::SetFont(nullptr, 40);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(ctx.fontImage, nullptr);
    EXPECT_EQ(ctx.fontFirstChar, 32);

    const std::vector<unsigned char> strip = Solid(960, 16, 255, 255, 255, 255);
    ASSERT_NE(stbi_write_png("data/plinth_font.png", 960, 16, 4, strip.data(), 960 * 4), 0);
    graphics::SetFont(nullptr, 65);
    ImagePtr builtin = ctx.builtinFont;
    ASSERT_TRUE(builtin);
    EXPECT_EQ(ctx.fontImage, builtin);
    EXPECT_EQ(ctx.fontFirstChar, 32);
    EXPECT_EQ(builtin->frames.size(), 96u);
    EXPECT_EQ(builtin->width, 8);
    EXPECT_EQ(builtin->frames[2].x, 21);

    ImagePtr own = std::make_shared<Image>();
    graphics::SetFont(own, 65);
    EXPECT_EQ(ctx.fontImage, own);
    EXPECT_EQ(ctx.fontFirstChar, 65);

    std::filesystem::remove("data/plinth_font.png");
    graphics::SetFont(nullptr, 0);
    EXPECT_EQ(ctx.builtinFont, builtin);
    EXPECT_EQ(ctx.fontImage, builtin);
}

}  // namespace
