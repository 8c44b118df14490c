// The skyline: a fresh scatter in design order, parallax movement, the one sort step per place, respawn at 700 and
// the ground strips.
#include <algorithm>

#include "tests/game/game_test_helpers.h"

namespace {
using gametest::ReferenceRandom;

enum { kOn, kLeft, kHeight, kDepth, kWidth, kSpare5, kSpare6, kRed, kGreen, kBlue };

class Skyline : public gametest::BareGame {
protected:
    float* Block(int k) { return &game->skyline[k * 10]; }

    // Blocks 1 to 100 on, far off to the right and in increasing depth, so DoBG neither swaps nor respawns them.
    void Calm() {
        for (int k = 1; k <= 100; ++k) {
            float* b = Block(k);
            std::fill(b, b + 10, 0.0f);
            b[kOn] = 1;
            b[kLeft] = 2000;
            b[kHeight] = 96;
            b[kDepth] = 2 + (k - 1) * 6 / 99;
            b[kWidth] = 64;
        }
    }

    std::vector<gametest::Entry> Rects() { return gametest::EntriesOfKind(*game, gametest::kRectKind); }

    void Step() {
        game->CLS2D();
        game->DoBG();
    }
};

TEST_F(Skyline, ResetScattersEveryBlockWithItsDrawsInDesignOrder) {
    ReferenceRandom ref{rng::Seed};
    game->ResetBG();

    for (int k = 1; k <= 100; ++k) {
        const float* b = Block(k);
        ASSERT_EQ(b[kOn], 1) << k;
        EXPECT_EQ(b[kLeft], ref.Rand(-100, 700)) << k;
        EXPECT_EQ(b[kHeight], 16 * ref.Rand(6, 16)) << k;
        int depth = ref.Rand(2, 8);
        EXPECT_EQ(b[kDepth], depth) << k;
        EXPECT_EQ(b[kWidth], 16 * ref.Rand(4, 8)) << k;
        EXPECT_EQ(b[kRed], 10 * ref.Rand(depth - 2, depth + 4)) << k;
        EXPECT_EQ(b[kGreen], 10 * ref.Rand(depth - 2, depth + 4)) << k;
        EXPECT_EQ(b[kBlue], 10 * ref.Rand(depth - 2, depth + 4)) << k;
    }
    EXPECT_EQ(rng::Seed, ref.seed);
    for (int i : {0, 9, 1010, 2047}) EXPECT_EQ(game->skyline[i], 0) << "outside blocks 1 to 100";
}

TEST_F(Skyline, BlocksMoveByAQuarterOfTheirDepthAndStandOnTheirDepthLine) {
    Calm();
    struct Case {
        int k;
        float depth, left, height, movedLeft, top;
    } cases[] = {
        {100, 8, 10.5f, 96, 8.5f, 240 + 16 - 96 + 96},
        {1, 2, 10.5f, 256, 10, 240 + 16 - 256 + 24},
        {50, 6, 300, 128, 298.5f, 240 - 40},
    };
    for (const Case& c : cases) {
        Block(c.k)[kDepth] = c.depth;
        Block(c.k)[kLeft] = c.left;
        Block(c.k)[kHeight] = c.height;
        Block(c.k)[kRed] = 7;
    }
    // Keep the depths non-decreasing around the changed places.
    Block(49)[kDepth] = 5;
    Block(51)[kDepth] = 6;

    Step();

    auto rects = Rects();
    for (const Case& c : cases) {
        EXPECT_EQ(Block(c.k)[kLeft], c.movedLeft) << c.k;
        auto it = std::find_if(rects.begin(), rects.end(), [&](const gametest::Entry& e) { return e.x == c.movedLeft; });
        ASSERT_NE(it, rects.end()) << c.k;
        EXPECT_EQ(it->y, c.top) << c.k;
        EXPECT_EQ(it->h, c.height) << c.k;
        EXPECT_EQ(it->red, 7);
        EXPECT_EQ(it->alpha, 1);
    }
}

TEST_F(Skyline, OneSortStepSwapsAllTenFloatsAndCarriesADeepBlockForward) {
    Calm();
    const float deep[10] = {1, 50, 160, 5, 96, 11, 12, 60, 70, 80};
    const float shallow[10] = {1, 80, 112, 3, 128, 21, 22, 10, 20, 30};
    std::copy(deep, deep + 10, Block(1));
    std::copy(shallow, shallow + 10, Block(2));
    for (int k = 3; k <= 100; ++k) Block(k)[kDepth] = 8;
    Block(3)[kDepth] = 4;

    Step();

    // The depth-3 block drawn first at place 1; the depth-5 one is carried past place 2 (depth 4) to place 3.
    EXPECT_EQ(Block(1)[kDepth], 3);
    EXPECT_EQ(Block(2)[kDepth], 4);
    EXPECT_EQ(Block(3)[kDepth], 5);
    for (int i : {kOn, kHeight, kWidth, kSpare5, kSpare6, kRed, kGreen, kBlue}) {
        EXPECT_EQ(Block(1)[i], shallow[i]) << i;
        EXPECT_EQ(Block(3)[i], deep[i]) << i;
    }
    EXPECT_EQ(Block(1)[kLeft], 80 - 0.75f);
    EXPECT_EQ(Block(3)[kLeft], 50 - 1.25f) << "moved once, at its new place";
    auto rects = Rects();
    ASSERT_GE(rects.size(), 3u);
    EXPECT_EQ(rects[0].x, 80 - 0.75f);
}

TEST_F(Skyline, ABlockPastTheLeftEdgeRespawnsAtSevenHundredOnTheNextUpdate) {
    Calm();
    float* b = Block(100);
    b[kDepth] = 8;
    b[kWidth] = 64;
    b[kLeft] = -80.5f + 2;  // right edge at -16.5 after this update's move
    Step();
    EXPECT_EQ(b[kOn], 0);
    EXPECT_EQ(b[kLeft], -80.5f);

    ReferenceRandom ref{rng::Seed};
    Step();
    EXPECT_EQ(b[kOn], 1);
    EXPECT_EQ(b[kHeight], 16 * ref.Rand(6, 16));
    int depth = ref.Rand(2, 8);
    EXPECT_EQ(b[kLeft], 700 - depth * 0.25f) << "respawned, then moved in the same pass";
    EXPECT_EQ(b[kWidth], 16 * ref.Rand(4, 8));
    EXPECT_EQ(b[kRed], 10 * ref.Rand(depth - 2, depth + 4));
}

TEST_F(Skyline, BlockExactlyAtSixteenBeyondTheEdgeStays) {
    Calm();
    Block(100)[kDepth] = 8;
    Block(100)[kLeft] = -80 + 2;
    Step();
    EXPECT_EQ(Block(100)[kOn], 1);
}

TEST_F(Skyline, GroundStripsFollowTheVisibleHeight) {
    struct Case {
        float height, top0, top1, top2, last;
    } cases[] = {{480, 352, 416, 425, 55}, {360, 292, 356, 365, -5}};
    for (const Case& c : cases) {
        jscrh = c.height;
        Calm();
        Step();
        auto rects = Rects();
        ASSERT_EQ(rects.size(), 103u);
        const gametest::Entry* ground = &rects[100];
        const float tops[] = {c.top0, c.top1, c.top2}, heights[] = {64, 8, c.last}, greys[] = {120, 80, 0};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(ground[i].x, -2);
            EXPECT_EQ(ground[i].w, 644);
            EXPECT_EQ(ground[i].y, tops[i]) << c.height;
            EXPECT_EQ(ground[i].h, heights[i]) << c.height;
            EXPECT_EQ(ground[i].red, greys[i]);
        }
    }
}

TEST_F(Skyline, ShotsAreMovedAfterTheGroundAndTheDrawingStateIsReset) {
    Calm();
    game->shots[0] = 1;
    game->shots[1] = 300;
    game->shots[2] = 100;
    game->shots[3] = 5;
    Step();
    auto rects = Rects();
    ASSERT_EQ(rects.size(), 104u);
    EXPECT_EQ(rects[103].x, 305 - 8);
    EXPECT_EQ(game->drawRed, 255);
}
}  // namespace
