// The game object's per-update sequence: clocks, the music hook's flags, suspend/resume, and Rand.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "app/random.h"
#include "game/globals.h"
#include "game/my_app.h"
#include "tests/game/app_fixture.h"

namespace {

class MusicSpy : public NuvPlayer {
public:
    int Nuv_Alive_U(int paused, int musicOn) override {
        lastPaused = paused;
        lastMusicOn = musicOn;
        ++calls;
        return 0;
    }
    int lastPaused = -1;
    int lastMusicOn = -1;
    int calls = 0;
};

using UpdateTest = AppFixture;

TEST_F(UpdateTest, OnCreateSetsTheStartingState) {
    EXPECT_EQ(game->mode, 1);
    EXPECT_EQ(device->updateHz, 60);
    EXPECT_EQ(game->scoreBoard, 2);
    EXPECT_EQ(game->menuSlide, -32);
    EXPECT_EQ(game->pauseSlide, -1);
    EXPECT_EQ(game->pauseY, -64);
    EXPECT_EQ(game->settings[5], 1);
    EXPECT_EQ(game->loadStage, 1);
    for (int i = 0; i < 33; ++i) EXPECT_EQ(game->channelMap[i], i);
    EXPECT_EQ(game->lastDeviceWidth, 640);
    EXPECT_EQ(game->lastDeviceHeight, 480);
}

TEST_F(UpdateTest, ClocksDriveTheDragonFrames) {
    game->loadStage = 0;
    for (int i = 0; i < 96; ++i) {
        Update();
        ASSERT_EQ(game->cycle48, (i + 1) % 48);
        ASSERT_EQ(game->cycle24, (i + 1) % 24);
        ASSERT_EQ(game->dragonFrame, 3 - game->cycle48 / 12);
    }
}

TEST_F(UpdateTest, MusicFlagFollowsTheSoundMode) {
    auto* spy = new MusicSpy();
    game->musicPlayer.reset(spy);
    struct Case {
        int soundMode;
        int musicOn;
    };
    for (Case c : {Case{0, 0}, Case{1, 1}, Case{2, 0}, Case{3, 1}}) {
        game->settings[5] = c.soundMode;
        Update();
        EXPECT_EQ(spy->lastMusicOn, c.musicOn) << "sound mode " << c.soundMode;
    }
    game->paused = 1;
    Update();
    EXPECT_EQ(spy->lastPaused, 1);

    HasMusic = 0;
    int calls = spy->calls;
    Update();
    EXPECT_EQ(spy->calls, calls);
}

TEST_F(UpdateTest, SuspendPausesARoundButNotTheMenu) {
    game->mode = 10;
    jscrh = 480;
    device->InvokeOnSuspend();
    EXPECT_EQ(game->paused, 1);
    EXPECT_EQ(game->pauseSlide, 1);
    EXPECT_EQ(game->pauseY, 240);
    EXPECT_EQ(device->updateHz, 5);  // the game slows itself while hidden; the shell remembers that rate
    device->InvokeOnResume();
    EXPECT_EQ(game->paused, 1);
    EXPECT_EQ(game->pauseY, 240);
    EXPECT_EQ(device->updateHz, 60);

    game->mode = 1;
    device->InvokeOnSuspend();
    EXPECT_EQ(game->paused, 0);
    EXPECT_EQ(game->pauseSlide, 0);
    EXPECT_EQ(game->pauseY, 0);
    device->InvokeOnResume();
}

TEST(Rand, WholeNumbersWithinTheBounds) {
    MyApp game;
    rng::Seed = 99;
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) {
        int v = game.Rand(0, 360);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 360);
        int w = game.Rand(-8, 8);
        ASSERT_GE(w, -8);
        ASSERT_LE(w, 8);
        seen.insert(w);
        int x = game.Rand(4, 5);
        ASSERT_TRUE(x == 4 || x == 5);
    }
    EXPECT_EQ(seen.size(), 17u);
}

TEST(Rand, LargeResultsAreWhatAFloatCanHold) {
    MyApp game;
    rng::Seed = 1234;
    for (int i = 0; i < 1000; ++i) {
        int v = game.Rand(1, 37171648);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 37171648);
        ASSERT_EQ(static_cast<int>(static_cast<float>(v)), v);
    }
    rng::Seed = 1234;
    float u = 11984094.0f / 16777216.0f;
    EXPECT_EQ(game.Rand(1, 37171648), static_cast<int>(std::floor(1.0f + (37171648.0f + 0.99f - 1.0f) * u)));
}

}  // namespace
