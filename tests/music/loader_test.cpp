// The incremental loader: its 70 steps, the instrument files, frame decoding into the note data, the console
// lines, failures, and the render hook that drives it.
#include <gtest/gtest.h>

#include <filesystem>

#include "graphics/graphics.h"
#include "tests/music/music_fixture.h"
#include "tests/support/gl_window.h"

namespace musictest {
namespace {

class LoaderTest : public MusicTest {
protected:
    // Starts a tune without loading it.
    void Start(const std::string& name, int seed = 3) {
        player.Nuv_Init(32, 4, 3, 3, 4);
        testing::internal::CaptureStdout();
        player.Nuv_StartTune(FromAscii(name), seed, 100);
        testing::internal::GetCapturedStdout();
    }
    // Runs the whole load and returns what it printed.
    std::string LoadAll() {
        testing::internal::CaptureStdout();
        while (player.loadStep > 0) player.Nuv_LoadChunk();
        return testing::internal::GetCapturedStdout();
    }
};

TEST_F(LoaderTest, StepsLoadTheInstrumentFilesIntoTheirSlots) {
    TuneImage tune;
    WriteTune("T/a", tune);
    WriteInstruments();
    Start("T/a");
    const int* c = player.instrumentChoice;
    auto name = [](const std::string& file) { return "marmo://data/inst/" + file + ".wav"; };
    for (int step = 1; step <= 70; ++step) {
        ASSERT_EQ(player.loadStep, step);
        audioSpy.loaded.clear();
        SetMillis(2000 + step * 7);
        testing::internal::CaptureStdout();
        player.Nuv_LoadChunk();
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(player.nextRowTime, 2000 + step * 7 + 100) << step;
        std::vector<std::string> expected;
        if (step >= 2 && step <= 9) expected = {name("d" + std::to_string(c[1]) + "-" + std::to_string(step - 1))};
        if (step >= 12 && step <= 19) expected = {name("d" + std::to_string(c[2]) + "-" + std::to_string(step - 11))};
        if (step == 21) expected = {name("lead" + std::to_string(c[3]))};
        if (step == 22) expected = {name("accompany" + std::to_string(c[4]))};
        if (step == 23) expected = {name("bass" + std::to_string(c[5]))};
        EXPECT_EQ(audioSpy.loaded, expected) << "step " << step;
    }
    EXPECT_EQ(player.loadStep, 0);
    for (int s = 1; s <= 8; ++s) {
        EXPECT_TRUE(player.drumKitA[s]) << s;
        EXPECT_TRUE(player.drumKitB[s]) << s;
    }
    for (int v = 2; v <= 4; ++v) EXPECT_TRUE(player.voiceInstrument[v]) << v;
    EXPECT_TRUE(player.tuneImage);
}

TEST_F(LoaderTest, AMissingInstrumentLeavesItsSlotEmpty) {
    TuneImage tune;
    WriteTune("T/a", tune);
    WriteInstruments();
    Start("T/a");
    std::filesystem::remove("data/inst/lead" + std::to_string(player.instrumentChoice[3]) + ".wav");
    std::filesystem::remove("data/inst/d" + std::to_string(player.instrumentChoice[2]) + "-3.wav");
    LoadAll();
    EXPECT_FALSE(player.voiceInstrument[2]);
    EXPECT_FALSE(player.drumKitB[3]);
    EXPECT_TRUE(player.voiceInstrument[3]);
}

TEST_F(LoaderTest, DecodesCellsWherePatternTrackRowAndColumnSay) {
    TuneImage tune;
    tune.At(0, 0, 0, 0) = 13;
    tune.At(9, 2, 17, 1) = 30;    // the second row of frames
    tune.At(62, 7, 63, 7) = 31;   // last frame read, last track, row and column
    tune.At(4, 4, 5, 3) = 1;
    tune.At(63, 3, 0, 0) = 20;    // frame 63 is never read
    WriteTune("T/a", tune);
    Start("T/a");
    std::string out = LoadAll();
    EXPECT_EQ(out, "Music File : tunes/T/a.png\n5:0:0\n9:4:5\n14:2:17\n67:7:63\n");
    const auto& d = player.noteData;
    EXPECT_EQ(d[0], 13);
    EXPECT_EQ(d[9 * 4096 + 2 * 512 + 17 * 8 + 1], 30);
    EXPECT_EQ(d[62 * 4096 + 7 * 512 + 63 * 8 + 7], 31);
    EXPECT_EQ(d[4 * 4096 + 4 * 512 + 5 * 8 + 3], 1);
    EXPECT_EQ(d[63 * 4096 + 3 * 512], 0);
    int nonZero = 0;
    for (int v : d) nonZero += v != 0;
    EXPECT_EQ(nonZero, 4);  // red and green do not reach the cells
    const int last[8] = {0, 0, 9, 0, 4, 0, 0, 62};
    for (int t = 0; t < 8; ++t) EXPECT_EQ(player.lastPattern[t], last[t]) << t;
}

// Blue values anywhere within a value's band of eight decode to that value: 7 is still 0, 8 is 1.
TEST_F(LoaderTest, BlueIsShiftedRightByThree) {
    for (int offset : {0, 7}) {
        TuneImage tune;
        tune.At(0, 1, 2, 0) = 1;
        tune.At(1, 1, 2, 0) = 31;
        WriteTune("T/o" + std::to_string(offset), tune, offset);
        Start("T/o" + std::to_string(offset));
        LoadAll();
        EXPECT_EQ(player.noteData[1 * 512 + 2 * 8], 1) << offset;
        EXPECT_EQ(player.noteData[4096 + 1 * 512 + 2 * 8], 31) << offset;
        EXPECT_EQ(player.noteData[1 * 512 + 2 * 8 + 1], 0) << offset;
        EXPECT_EQ(player.lastPattern[1], 1);
        EXPECT_EQ(player.lastPattern[0], 0);
    }
}

TEST_F(LoaderTest, AMissingTuneKeepsTheOldNotesAndPrintsOnlyItsName) {
    TuneImage tune;
    tune.Note(3, 2, 0, 13, 20);
    WriteTune("T/a", tune);
    Start("T/a");
    LoadAll();
    const std::vector<int> before = player.noteData;
    Start("T/absent");
    EXPECT_EQ(LoadAll(), "Music File : tunes/T/absent.png\n");
    EXPECT_FALSE(player.tuneImage);
    EXPECT_EQ(player.noteData, before);
    for (int t = 0; t < 8; ++t) EXPECT_EQ(player.lastPattern[t], 0);
}

TEST_F(LoaderTest, RenderHookRunsThreeStepsThenClearsToBlack) {
    TuneImage tune;
    WriteTune("T/a", tune);
    Start("T/a");
    testing::internal::CaptureStdout();
    player.Nuv_Alive_R();
    EXPECT_EQ(player.loadStep, 4);
    for (int i = 0; i < 22; ++i) player.Nuv_Alive_R();  // steps 4 to 69
    EXPECT_EQ(player.loadStep, 70);
    player.Nuv_Alive_R();  // only step 70 was left
    EXPECT_EQ(player.loadStep, 0);
    player.Nuv_Alive_R();  // idle: clears all the same
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(graphicsSpy.clears, std::vector<std::string>(25, "0,0,0"));
}

// The loader reads the decoded pixels instead of drawing each frame and reading it back; both must give the same
// cells. This draws frames the original way on the real GL device and compares.
TEST_F(LoaderTest, CellsMatchDrawingTheFrameAndReadingItBack) {
    if (!testsupport::EnsureWindow()) GTEST_SKIP() << "no display";
    testsupport::ResizeWindow(640, 480);
    gxtkGraphics gl;
    ASSERT_TRUE(gl.Validate());
    gl.BeginRender();
    graphics::SetGraphicsDevice(&gl);
    graphics::BeginRender();

    TuneImage tune;
    for (int i = 0; i < 64 * 4096; i += 37) tune.cells[i] = i / 37 % 32;
    WriteTune("T/gl", tune, 5);
    Start("T/gl");
    LoadAll();
    ASSERT_TRUE(player.tuneImage);
    for (int f : {0, 1, 8, 27, 62}) {
        graphics::Cls(1, 0, 0);
        graphics::SetAlpha(1);
        graphics::SetColor(1, 0, 0);
        graphics::DrawRect(0, 0, 64, 64);
        graphics::SetColor(255, 255, 255);
        graphics::DrawImage(player.tuneImage.get(), 32, 32, f);
        std::vector<int> pixels(4096);
        graphics::ReadPixels(pixels.data(), 0, 0, 64, 64);
        int mismatches = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                mismatches += ((pixels[y * 64 + x] & 255) >> 3) != player.noteData[f * 4096 + x / 8 * 512 + y * 8 + x % 8];
        EXPECT_EQ(mismatches, 0) << "frame " << f;
    }
    graphics::EndRender();
    graphics::SetGraphicsDevice(&graphicsSpy);
}

}  // namespace
}  // namespace musictest
