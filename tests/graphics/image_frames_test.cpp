// Cutting images into frames and the flags that adjust them. No texture is needed for any of this.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "graphics/graphics.h"

namespace {
using Positions = std::vector<std::pair<int, int>>;

SurfacePtr SurfaceOf(int w, int h) {
    auto surface = std::make_shared<gxtkSurface>();
    surface->width = w;
    surface->height = h;
    surface->depth = 4;
    return surface;
}

ImagePtr Sheet(int w, int h, int frameCount = 1, int flags = 0) {
    auto image = std::make_shared<Image>();
    image->Init(SurfaceOf(w, h), frameCount, flags);
    return image;
}

Positions FramesOf(const Image& image) {
    Positions p;
    for (const Frame& f : image.frames) p.emplace_back(f.x, f.y);
    return p;
}

TEST(ImageFrames, InitPutsFramesSideBySide) {
    struct Case {
        int w, h, count, flags;
        int width, height;
        int firstX, step;
    };
    const Case cases[] = {
        {100, 20, 3, 0, 33, 20, 0, 33},   // the last column is never used
        {960, 16, 96, 2, 8, 16, 1, 10},   // a padded font strip
        {960, 16, 96, 6, 8, 14, 1, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " / " << c.count << " flags " << c.flags);
        ImagePtr image = Sheet(c.w, c.h, c.count, c.flags);
        EXPECT_EQ(image->width, c.width);
        EXPECT_EQ(image->height, c.height);
        ASSERT_EQ(image->frames.size(), static_cast<size_t>(c.count));
        for (int i = 0; i < c.count; ++i) {
            EXPECT_EQ(image->frames[i].x, c.firstX + i * c.step) << i;
            EXPECT_EQ(image->frames[i].y, (c.flags & Image::VerticalPadding) ? 1 : 0) << i;
        }
        EXPECT_EQ(image->imageFlags, c.flags);
    }
}

TEST(ImageFrames, ApplyFlagsOnAWholeSurfaceImage) {
    struct Case {
        int flags;
        int imageFlags;
        int width, height;
        std::pair<int, int> frame;
        std::pair<float, float> handle;
    };
    const Case cases[] = {
        {0, Image::WholeSurface, 32, 16, {0, 0}, {0, 0}},
        {1, Image::WholeSurface, 32, 16, {0, 0}, {16, 8}},
        {2, 2, 30, 16, {1, 0}, {0, 0}},
        {4, 4, 32, 14, {0, 1}, {0, 0}},
        {7, 6, 30, 14, {1, 1}, {15, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        ImagePtr image = Sheet(32, 16, 1, c.flags);
        EXPECT_EQ(image->imageFlags, c.imageFlags);
        EXPECT_EQ(image->width, c.width);
        EXPECT_EQ(image->height, c.height);
        EXPECT_EQ(FramesOf(*image), Positions{c.frame});
        EXPECT_EQ(std::make_pair(image->handleX, image->handleY), c.handle);
    }
}

TEST(ImageFrames, SeveralFramesNeverCoverTheWholeSurface) {
    EXPECT_FALSE(Sheet(32, 16, 2)->imageFlags & Image::WholeSurface);
    EXPECT_FALSE(Sheet(33, 16, 1)->GrabImage(0, 0, 32, 16, 1, 0)->imageFlags & Image::WholeSurface);
}

TEST(ImageFrames, SetHandleDropsCentreHandle) {
    Image image;
    image.imageFlags = Image::CentreHandle | Image::HorizontalPadding;
    image.SetHandle(3, 4);
    EXPECT_EQ(image.imageFlags, Image::HorizontalPadding);
    EXPECT_EQ(std::make_pair(image.handleX, image.handleY), std::make_pair(3.0f, 4.0f));
}

TEST(ImageFrames, GrabCutsInReadingOrder) {
    ImagePtr sheet = Sheet(128, 128);
    ImagePtr frames = sheet->GrabImage(0, 0, 32, 32, 10, 0);
    ASSERT_TRUE(frames);
    EXPECT_EQ(FramesOf(*frames), (Positions{{0, 0}, {32, 0}, {64, 0}, {96, 0}, {0, 32}, {32, 32}, {64, 32}, {96, 32},
                                            {0, 64}, {32, 64}}));
    EXPECT_EQ(frames->surface, sheet->surface);
    EXPECT_EQ(frames->sourceImage, sheet);
    EXPECT_EQ(std::make_pair(frames->width, frames->height), std::make_pair(32, 32));
    EXPECT_EQ(sheet->GrabImage(0, 0, 32, 32, 16, 0)->frames.back().y, 96);
}

TEST(ImageFrames, GrabStartsAtItsPositionAndCountsFromTheSourcesFirstFrame) {
    ImagePtr padded = Sheet(40, 22, 1, Image::VerticalPadding);  // frame 0 at (0, 1), 40 x 20
    ImagePtr frames = padded->GrabImage(24, 0, 16, 10, 3, Image::HorizontalPadding);
    EXPECT_EQ(FramesOf(*frames), (Positions{{25, 1}, {1, 11}, {17, 11}}));
    EXPECT_EQ(frames->width, 14);
}

TEST(ImageFrames, GrabImageNeedsAOneFrameSource) {
    EXPECT_EQ(Sheet(64, 32, 2)->GrabImage(0, 0, 8, 8, 1, 0), nullptr);
}

// The report goes to standard output and the process then waits for a debugger on standard input.
void GrabWithReportOnStderr(const ImagePtr& sheet, int w, int h, int count) {
    std::freopen("/dev/null", "r", stdin);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    sheet->GrabImage(0, 0, w, h, count, 0);
}

TEST(ImageFramesDeathTest, AFrameOutsideTheSurfaceIsARuntimeError) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ImagePtr sheet = Sheet(128, 128);
    EXPECT_EXIT(GrabWithReportOnStderr(sheet, 32, 32, 17), ::testing::ExitedWithCode(255),
                "Marmo Runtime Error : Image frame outside surface");
    EXPECT_EXIT(GrabWithReportOnStderr(sheet, 129, 8, 1), ::testing::ExitedWithCode(255),
                "Image frame outside surface");
    EXPECT_EXIT(GrabWithReportOnStderr(sheet, 8, 129, 1), ::testing::ExitedWithCode(255),
                "Image frame outside surface");
}

}  // namespace
