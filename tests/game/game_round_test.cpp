// The round driven through real updates with fed input: easing, held fire, steering, the dragon's volleys, the
// crash, the score display, and a whole round from the play button back to the menu.
#include "tests/game/game_round_fixture.h"

namespace {
using namespace gametest;
using Round = RoundFixture;

TEST_F(Round, PlaneEntersFromTheRightAndSettles) {
    StartRound();
    EXPECT_EQ(game->planeX, 800);
    EXPECT_EQ(game->planeY, 100);
    Step();
    EXPECT_EQ(game->planeX, 762.5f);
    EXPECT_EQ(game->targetY, jscrh * 0.5f - 112);
    ASSERT_TRUE(RunUntil([&] { return game->planeX == 500; }, 100));
    EXPECT_EQ(game->planeY, 128);
}

TEST_F(Round, HeldFireSlowsDownAndAReleaseRestoresTheFastestRate) {
    StartRound();
    // Shots launched while the plane is still beyond the right edge leave the screen at once.
    ASSERT_TRUE(RunUntil([&] { return game->planeX == 500; }, 100));
    MoveMouse(560, 300);
    std::vector<int> firedOn;
    Press(kLeftMouse);
    for (int update = 1; update <= 12; ++update) {
        int before = InFlight(kFirstShot, kLastShot);
        Step();
        if (InFlight(kFirstShot, kLastShot) > before) firedOn.push_back(update);
    }
    EXPECT_EQ(firedOn, (std::vector<int>{1, 2, 4, 7, 11}));

    Release(kLeftMouse);
    Step(10);
    firedOn.clear();
    Press(kLeftMouse);
    for (int update = 1; update <= 5; ++update) {
        int before = InFlight(kFirstShot, kLastShot);
        Step();
        if (InFlight(kFirstShot, kLastShot) > before) firedOn.push_back(update);
        // One update off after the first shot: the next press fires at once, and again one update later.
        if (update == 1) {
            Release(kLeftMouse);
            Step();
            Press(kLeftMouse);
        }
    }
    EXPECT_EQ(firedOn, (std::vector<int>{1, 2, 3, 5}));
}

TEST_F(Round, PointerOnTheLeftHalfSteersOnlyTheHeight) {
    StartRound();
    MoveMouse(560, 300);
    Press(kLeftMouse);
    Step();
    EXPECT_EQ(game->targetX, 560);
    MoveMouse(200, 350);
    Step(3);
    EXPECT_EQ(game->targetX, 560);
    EXPECT_EQ(game->targetY, 350);
    MoveMouse(321, 50);
    Step();
    EXPECT_EQ(game->targetX, 321);
    EXPECT_EQ(game->targetY, 50);
}

TEST_F(Round, VolleysComeEveryFortyEightUpdatesAndGrowEveryNinth) {
    StartRound();
    // Low on the screen and near the dragon the fire's spread cannot reach the plane.
    MoveMouse(330, 470);
    Press(kLeftMouse);
    std::vector<int> sizes;
    int lastVolley = -1, update = 0;
    while (sizes.size() < 70 && update < 4000) {
        int clockBefore = game->roundClock;
        UpdateOnly();
        ++update;
        int fresh = FreshFire();
        if (fresh == 0) continue;
        EXPECT_EQ(game->cycle48, 16);
        if (lastVolley < 0) {
            EXPECT_GT(clockBefore, 170);
            EXPECT_LE(clockBefore, 170 + 48);
        } else {
            EXPECT_EQ(update - lastVolley, 48);
        }
        lastVolley = update;
        sizes.push_back(fresh);
    }
    ASSERT_EQ(game->planeHit, 0);
    ASSERT_EQ(sizes.size(), 70u);
    for (int v = 1; v <= 70; ++v) EXPECT_EQ(sizes[v - 1], std::min(8, 1 + (v - 1) / 9)) << "volley " << v;
}

TEST_F(Round, ScoreDisplayEasesDownAndSnapsWithinFive) {
    StartRound();
    game->shownScore = 100;
    game->score = 0;
    std::vector<int> shown;
    for (int i = 0; i < 30 && (shown.empty() || shown.back() != 0); ++i) {
        Step();
        shown.push_back(game->shownScore);
    }
    // A sixth of the gap per update, truncated, until the next value is within 5 of the score.
    EXPECT_EQ(shown, (std::vector<int>{84, 70, 59, 50, 42, 35, 30, 25, 21, 18, 15, 13, 11, 10, 9, 8, 7, 6, 0}));
}

TEST_F(Round, HitPlaneSinksSlidesOffAndEndsTheRound) {
    StartRound();
    ASSERT_TRUE(RunUntil([&] { return game->planeX == 500; }, 100));
    game->planeHit = 1;
    // The hit sets the targets after this update's easing, so the plane starts sinking on the next one.
    Step();
    const float x0 = game->planeX, y0 = game->planeY;
    Step();
    EXPECT_EQ(game->planeY, y0 + 4);
    EXPECT_EQ(game->planeX, x0 - 1);

    // Nothing fires once hit, even with the pointer held.
    MoveMouse(560, 300);
    Press(kLeftMouse);
    int shots = InFlight(kFirstShot, kLastShot);
    ASSERT_TRUE(RunUntil([&] { return game->planeY + 32 > jscrh * 0.5f + 128; }, 200));
    UpdateOnly(2);
    float x = game->planeX;
    UpdateOnly();
    EXPECT_EQ(game->planeX, x - 6) << "sliding along the ground";
    EXPECT_EQ(game->targetY, jscrh * 0.5f + 128);

    ASSERT_TRUE(RunUntil([&] { return game->roundOver == 1; }, 300));
    EXPECT_LT(game->planeX - 48, -26) << "over once the slide target is past the left edge";
    EXPECT_LE(InFlight(kFirstShot, kLastShot), shots);
    EXPECT_EQ(game->gameOverClock, 1) << "the overlay runs in the update that ends the round";
    UpdateOnly(2);
    EXPECT_EQ(game->gameOverClock, 3);
}

TEST_F(Round, FromThePlayButtonToGameOverAndBackWithTheScoreListed) {
    FinishLoading();
    Step(40);
    ASSERT_EQ(game->menuSlide, 0);
    MoveMouse(0.7f * 640, 0.3f * 480);
    Press(kLeftMouse);
    Step();
    ASSERT_EQ(game->mode, 11);
    EXPECT_EQ(game->clickLatch, 1);
    Step(5);
    EXPECT_EQ(game->mode, 10);
    EXPECT_EQ(InFlight(kFirstShot, kLastShot), 0) << "the press that started the round neither fires nor steers";
    EXPECT_EQ(game->targetX, 500);

    Release(kLeftMouse);
    Step();
    // Level with the eye, on the right half: the shots score, and sooner or later the dragon's fire finds the plane.
    MoveMouse(400, jscrh * 0.5f - 106);
    Press(kLeftMouse);
    ASSERT_TRUE(RunUntil([&] { return game->planeHit == 1; }, 6000));
    EXPECT_GT(game->score, 0);
    ASSERT_TRUE(RunUntil([&] { return game->roundOver == 1; }, 600));
    const int score = game->score;
    Release(kLeftMouse);

    ASSERT_TRUE(RunUntil([&] { return game->mode != 10; }, 200));
    // The update that reaches 90 enters mode 2 and already fades the overlay once; the next one records the score.
    EXPECT_EQ(game->mode, 2);
    EXPECT_EQ(game->gameOverClock, 73);
    EXPECT_EQ(game->scoreTables[10], 0);
    Step();
    EXPECT_EQ(game->mode, 1);
    EXPECT_EQ(game->gameOverClock, 71);
    EXPECT_EQ(game->scoreTables[10], score);
    EXPECT_EQ(game->scoreTables[40], score);
    ASSERT_TRUE(RunUntil([&] { return game->gameOverClock == 0; }, 100));
}
}  // namespace
