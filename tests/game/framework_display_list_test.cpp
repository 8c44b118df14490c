// Recording into the display list (entry layout, drawing state, capacity) and the render step that fits the
// virtual screen to the window and replays the list.
#include <gtest/gtest.h>

#include <cmath>

#include "game/globals.h"
#include "game/my_app.h"
#include "tests/game/framework_test_data.h"

namespace {

const float* Entry(const MyApp& app, int index) { return app.drawList.data() + index * 15; }

TEST(DisplayListRecording, Cls2dSetsTheFillOnlyWhenRedIsGiven) {
    MyApp app;
    app.CLS2D(0, 0, 80, 1);
    EXPECT_EQ(app.clsBlue, 80);
    EXPECT_EQ(app.clsAlpha, 1);

    app.SetCol(1, 2, 3, 0.5f);
    app.SetSize(4, 5);
    app.SetRot(10);
    app.Rect(0, 0, 1, 1);
    app.CLS2D();
    EXPECT_EQ(app.clsBlue, 80) << "no colour keeps the previous fill";
    EXPECT_EQ(app.drawCount, 0);
    EXPECT_EQ(app.drawRed, 255);
    EXPECT_EQ(app.drawAlpha, 1);
    EXPECT_EQ(app.drawSizeX, 1);
    EXPECT_EQ(app.drawSizeY, 1);
    EXPECT_EQ(app.drawRotation, 0);

    // Only the first argument is tested for presence.
    app.CLS2D(10, kUnset, kUnset, kUnset);
    EXPECT_EQ(app.clsRed, 10);
    EXPECT_EQ(app.clsGreen, kUnset);
}

TEST(DisplayListRecording, OptionalArgumentsOfSetSizeAndSetCol) {
    MyApp app;
    app.ResetDraw();
    app.SetSize(2);
    EXPECT_EQ(app.drawSizeX, 2);
    EXPECT_EQ(app.drawSizeY, 2);
    app.SetSize(2, 3);
    EXPECT_EQ(app.drawSizeY, 3);

    app.Alpha(0.25f);
    app.SetCol(255, 0, 0);
    EXPECT_EQ(app.drawAlpha, 0.25f);
    app.SetCol(255, 0, 0, 0.5f);
    EXPECT_EQ(app.drawAlpha, 0.5f);
    // A value just above the marker counts as given.
    app.SetCol(255, 0, 0, -3716.5f);
    EXPECT_EQ(app.drawAlpha, -3716.5f);
}

TEST(DisplayListRecording, EntriesCaptureTheStateAtTheCall) {
    MyApp app;
    app.CLS2D();
    app.drawList[8] = 111;  // floats 8, 9, 13, 14 keep what an earlier entry left there
    app.SetCol(10, 20, 30, 0.5f);
    app.SetRot(30);
    app.SetSize(2, 3);
    app.Rect(1, 2, 3, 4);
    app.Oval(5, 6, 7, 8);
    app.DrawImg(42, 9, 10, 3);
    ASSERT_EQ(app.drawCount, 45);

    struct Case {
        int index;
        float expected[8];
    };
    for (const Case& c : {Case{0, {kUnset, 1, 2, -30, 3, 4, 0, 0.5f}}, Case{1, {-3716, 5, 6, -30, 7, 8, 0, 0.5f}},
                          Case{2, {42, 9, 10, -30, 2, 3, 3, 0.5f}}}) {
        const float* e = Entry(app, c.index);
        for (int f = 0; f < 8; ++f) EXPECT_EQ(e[f], c.expected[f]) << "entry " << c.index << " float " << f;
        EXPECT_EQ(e[10], 10);
        EXPECT_EQ(e[11], 20);
        EXPECT_EQ(e[12], 30);
    }
    EXPECT_EQ(app.drawList[8], 111);
}

TEST(DisplayListRecording, HoldsAtMost2499EntriesUntilTheNextClear) {
    MyApp app;
    app.CLS2D();
    for (int i = 0; i < 2498; ++i) app.Rect(0, 0, 1, 1);
    app.Oval(1, 2, 3, 4);
    ASSERT_EQ(app.drawCount, 2499 * 15);
    EXPECT_EQ(Entry(app, 2498)[0], -3716);

    app.Rect(7, 7, 7, 7);
    app.Oval(7, 7, 7, 7);
    app.DrawImg(1, 7, 7, 0);
    EXPECT_EQ(app.drawCount, 2499 * 15);
    EXPECT_EQ(app.drawList[2499 * 15 + 1], 0) << "the last slot of the array is never written";

    app.CLS2D();
    app.DrawImg(1, 7, 7, 0);
    EXPECT_EQ(app.drawCount, 15);
}

using DisplayListRender = FrameworkFixture;

TEST_F(DisplayListRender, FitsTheVirtualScreenToTheWindow) {
    struct Case {
        int w, h;
        float scale, virtualW, virtualH;
        int landscape;
    };
    for (const Case& c : {Case{640, 480, 1, 640, 480, 1}, Case{1280, 720, 2, 640, 360, 1},
                          Case{480, 640, 640.0f / 480.0f, 360, 480, 0}, Case{960, 720, 1.5f, 640, 480, 1}}) {
        SetWindow(c.w, c.h);
        EXPECT_FLOAT_EQ(game->scaleX, c.scale) << c.w << "x" << c.h;
        EXPECT_EQ(game->scaleY, game->scaleX);
        EXPECT_FLOAT_EQ(jscrw, c.virtualW) << c.w << "x" << c.h;
        EXPECT_FLOAT_EQ(jscrh, c.virtualH) << c.w << "x" << c.h;
        EXPECT_EQ(game->landscape, c.landscape) << c.w << "x" << c.h;
    }
    SetWindow(640, 480);
}

TEST_F(DisplayListRender, ANewWindowSizeRestartsTheLoader) {
    FinishLoading();
    ASSERT_EQ(game->loadStage, 0);
    Render();
    EXPECT_EQ(game->loadStage, 0) << "the same size does not reload";

    SetWindow(800, 600);
    EXPECT_EQ(game->loadStage, 1);
    EXPECT_EQ(game->lastDeviceWidth, 800);
    EXPECT_EQ(game->lastDeviceHeight, 600);
    UpdateOnly();
    EXPECT_EQ(game->loadStage, 2) << "the next update runs the loader's first step";
    SetWindow(640, 480);
}

TEST_F(DisplayListRender, FrameRateMeterSmoothsOverTenRenders) {
    int start = app::Millisecs();
    game->fpsLastMillis = start;
    int expectedFps[] = {6, 11, 16, 20};
    for (int i = 0; i < 4; ++i) {
        int expected = expectedFps[i];
        clock.now = (start + 16 * (i + 1) + 0.5) / 1000.0;  // half a millisecond in: no rounding at the edge
        Render();
        EXPECT_EQ(game->fpsInstant, 62);
        EXPECT_EQ(game->fps, expected);
    }
    game->fpsInstant = 50;
    Render();  // same millisecond: no division, the last measurement stays
    EXPECT_EQ(game->fpsInstant, 50);
}

TEST_F(DisplayListRender, ReplayScalesEntriesAndSkipsEmptySlots) {
    SetWindow(1280, 720);
    game->CLS2D(0, 0, 80, 1);
    game->images[7].reset();
    game->DrawImg(7, 100, 100, 0);  // empty slot: nothing drawn, the entries after it still are
    game->SetCol(255, 0, 0);
    game->Rect(10, 20, 30, 40);
    game->SetCol(0, 255, 0);
    game->Oval(200, 100, 10, 5);
    RenderNoSwap();

    EXPECT_EQ(Pixel(21, 41), 0xFF0000u) << "rectangle's top-left corner at twice its virtual position";
    EXPECT_EQ(Pixel(79, 119), 0xFF0000u);
    EXPECT_EQ(Pixel(81, 121), 0x000050u) << "screen fill just outside the rectangle";
    EXPECT_EQ(Pixel(400, 200), 0x00FF00u) << "oval centred at twice its centre";
    EXPECT_EQ(Pixel(400 + 17, 200), 0x00FF00u);
    EXPECT_EQ(Pixel(400 + 23, 200), 0x000050u) << "horizontal radius 10 scaled to 20 pixels";
    EXPECT_EQ(Pixel(200, 200), 0x000050u) << "the empty image slot drew nothing";
    Render();
    SetWindow(640, 480);
}

TEST_F(DisplayListRender, ImagesCoverTheSameAreaAtEveryResolution) {
    fwtest::WriteGameData({4});
    SetWindow(1280, 720);
    game->ChooseResolution();
    ASSERT_EQ(game->hdLevel, 4);
    game->LoadImg(97, u"common/icons", 32, 32, 16, 1);
    ASSERT_TRUE(game->images[97]);

    game->CLS2D(0, 0, 0, 1);
    game->DrawImg(97, 100, 100, 0);  // 32 virtual units square, centred: 64 window pixels
    game->loadStage = 0;
    RenderNoSwap();
    EXPECT_EQ(Pixel(200, 200), 0x0000FFu);
    EXPECT_EQ(Pixel(200 - 31, 200 - 31), 0x0000FFu);
    EXPECT_EQ(Pixel(200 + 31, 200 + 31), 0x0000FFu);
    EXPECT_EQ(Pixel(200 + 33, 200), 0x000000u) << "an -hd2 file is quartered back to its design size";
    Render();
    SetWindow(640, 480);
}

}  // namespace
