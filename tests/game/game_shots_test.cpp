// The shot pool: launches from the top of each range, the order of random draws, flight, rotation and the eye hit.
#include "tests/game/app_fixture.h"
#include "tests/game/game_test_helpers.h"

namespace {
using gametest::BareGame;
using gametest::ReferenceRandom;

constexpr int kFirstShot = 141, kLastShot = 200, kLastFire = 140;

float* Record(MyApp& g, int k) { return &g.shots[k * 10]; }

void Occupy(MyApp& g, int first, int last) {
    for (int k = first; k <= last; ++k) Record(g, k)[0] = 1;
}

int InFlight(MyApp& g, int first, int last) {
    int n = 0;
    for (int k = first; k <= last; ++k) n += Record(g, k)[0] == 1;
    return n;
}

// A record in flight at (x, y) with the given movement and no rotation.
void Place(MyApp& g, int k, float x, float y, float dx, float dy) {
    float* r = Record(g, k);
    r[0] = 1;
    r[1] = x;
    r[2] = y;
    r[3] = dx;
    r[4] = dy;
    r[5] = 0;
    r[6] = 0;
}

using ShotPool = BareGame;

TEST_F(ShotPool, PlaneShotTakesTheHighestFreeRecordWithDrawsInDesignOrder) {
    Occupy(*game, kFirstShot, kLastShot);
    Record(*game, 141)[0] = 0;
    Record(*game, 150)[0] = 0;
    game->planeX = 500;
    game->planeY = 128;
    ReferenceRandom ref{rng::Seed};

    game->ShootPlane();

    const float* r = Record(*game, 150);
    EXPECT_EQ(Record(*game, 141)[0], 0);
    EXPECT_EQ(r[0], 1);
    EXPECT_EQ(r[1], 500);
    EXPECT_EQ(r[2], 128);
    float u = ref.Next();
    EXPECT_EQ(r[3], -(8 + 8 * u));
    EXPECT_EQ(r[4], 0);
    EXPECT_EQ(r[5], ref.Rand(0, 360));
    EXPECT_EQ(r[6], ref.Rand(-8, 8));
    EXPECT_EQ(r[7], 50 * ref.Rand(0, 2));
    EXPECT_EQ(r[8], 50 * ref.Rand(3, 5));
    EXPECT_EQ(r[9], 50 * ref.Rand(4, 5));
    EXPECT_EQ(rng::Seed, ref.seed) << "exactly six draws per shot";
}

TEST_F(ShotPool, FullPlaneRangeLaunchesNothingAndDrawsNothing) {
    Occupy(*game, kFirstShot, kLastShot);
    std::uint32_t seed = rng::Seed;
    game->ShootPlane();
    EXPECT_EQ(rng::Seed, seed);
    EXPECT_EQ(InFlight(*game, 0, kLastFire), 0);
}

TEST_F(ShotPool, DragonVolleyLaunchesWhatFitsAndSkippedParticlesDrawNothing) {
    Occupy(*game, 0, kLastFire);
    for (int k : {3, 40, 77, 100, 140}) Record(*game, k)[0] = 0;
    ReferenceRandom ref{rng::Seed};

    game->ShootDragon(8);

    EXPECT_EQ(InFlight(*game, 0, kLastFire), kLastFire + 1);
    EXPECT_EQ(InFlight(*game, kFirstShot, kLastShot), 0);
    // Highest first: record 140 gets the first particle's draws.
    const float* r = Record(*game, 140);
    EXPECT_EQ(r[1], 198);
    EXPECT_EQ(r[2], jscrh * 0.5f - 52);
    EXPECT_EQ(r[3], 4 + 4 * ref.Next());
    EXPECT_EQ(r[4], 6 * ref.Next() - 3);
    EXPECT_EQ(r[5], ref.Rand(0, 360));
    EXPECT_EQ(r[6], ref.Rand(-8, 8));
    EXPECT_EQ(r[7], 50 * ref.Rand(4, 5));
    EXPECT_EQ(r[8], 50 * ref.Rand(3, 5));
    EXPECT_EQ(r[9], 50 * ref.Rand(0, 2));
    for (int i = 0; i < 4 * 7; ++i) ref.Next();
    EXPECT_EQ(rng::Seed, ref.seed) << "seven draws for each of the five particles, none for the three skipped";
}

TEST_F(ShotPool, LaunchedValuesStayInTheirRanges) {
    for (int i = 0; i < 60; ++i) game->ShootPlane();
    game->ShootDragon(141);
    for (int k = 0; k <= kLastShot; ++k) {
        const float* r = Record(*game, k);
        ASSERT_EQ(r[0], 1) << k;
        if (k >= kFirstShot) {
            EXPECT_GT(r[3], -16) << k;
            EXPECT_LE(r[3], -8) << k;
        } else {
            EXPECT_GE(r[3], 4) << k;
            EXPECT_LT(r[3], 8) << k;
            EXPECT_GE(r[4], -3) << k;
            EXPECT_LT(r[4], 3) << k;
        }
        EXPECT_GE(r[5], 0);
        EXPECT_LE(r[5], 360);
        EXPECT_GE(r[6], -8);
        EXPECT_LE(r[6], 8);
    }
}

using Flight = BareGame;

TEST_F(Flight, MovesTurnsLikeCFmodAndRecordsARotatedSquare) {
    struct Case {
        float angle, spin, expected;
    } cases[] = {{355, 8, 3}, {-355, -8, -3}, {10, -8, 2}, {-2, 8, 6}, {352, 8, 0}};
    for (const Case& c : cases) {
        game->shots.fill(0);
        Place(*game, 5, 300, 200, 6, -2);
        Record(*game, 5)[5] = c.angle;
        Record(*game, 5)[6] = c.spin;
        Record(*game, 5)[7] = 200;
        Record(*game, 5)[8] = 150;
        Record(*game, 5)[9] = 50;
        game->CLS2D();
        game->Alpha(0.25f);

        game->DoFire();

        EXPECT_EQ(Record(*game, 5)[5], c.expected) << c.angle << " + " << c.spin;
        auto rects = gametest::EntriesOfKind(*game, gametest::kRectKind);
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_EQ(rects[0].x, 306 - 8);
        EXPECT_EQ(rects[0].y, 198 - 8);
        EXPECT_EQ(rects[0].w, 16);
        EXPECT_EQ(rects[0].h, 16);
        EXPECT_EQ(rects[0].rotation, -c.expected);
        EXPECT_EQ(rects[0].red, 200);
        EXPECT_EQ(rects[0].blue, 50);
        EXPECT_EQ(rects[0].alpha, 0.25f) << "the colour of a shot leaves the opacity alone";
        EXPECT_EQ(game->drawRotation, 0) << "DoFire ends with a reset";
    }
}

TEST_F(Flight, RecordsLeaveStrictlyBeyondSixteenUnitsPastAnEdge) {
    struct Case {
        float x, y, dx, dy;
        bool staysInFlight;
    } cases[] = {
        {-15, 100, -1, 0, true},  {-15, 100, -1.5f, 0, false}, {655, 100, 1, 0, true},
        {655, 100, 2, 0, false},  {300, -15, 0, -1, true},     {300, -15, 0, -2, false},
        {300, 495, 0, 1, true},   {300, 495, 0, 2, false},
    };
    for (const Case& c : cases) {
        game->shots.fill(0);
        Place(*game, 30, c.x, c.y, c.dx, c.dy);
        game->DoFire();
        EXPECT_EQ(Record(*game, 30)[0] == 1, c.staysInFlight) << c.x << "," << c.y << " by " << c.dx << "," << c.dy;
    }
}

TEST_F(Flight, ShotsScoreOnlyInsideTheEyeBandAndVanish) {
    const float eyeY = jscrh * 0.5f - 106;
    struct Case {
        float x, y;
        bool hits;
    } cases[] = {{174, eyeY, true},          {174 + 31.9f, eyeY, true}, {174 + 32, eyeY, false},
                 {174 - 31.9f, eyeY, true},  {174, eyeY + 32, false},   {174, eyeY - 31.9f, true}};
    for (const Case& c : cases) {
        game->shots.fill(0);
        game->score = 3;
        Place(*game, kFirstShot + 7, c.x + 10, c.y, -10, 0);
        game->DoFire();
        EXPECT_EQ(game->score, c.hits ? 4 : 3) << c.x << "," << c.y;
        EXPECT_EQ(Record(*game, kFirstShot + 7)[0] == 0, c.hits);
    }
}

TEST_F(Flight, DragonFireNeverScoresAndNothingHitsWhilePausedOrOver) {
    const float eyeY = jscrh * 0.5f - 106;
    Place(*game, 12, 174, eyeY, 0, 0);
    game->DoFire();
    EXPECT_EQ(game->score, 0);
    EXPECT_EQ(Record(*game, 12)[0], 1);

    for (int flag = 0; flag < 2; ++flag) {
        game->paused = flag == 0;
        game->roundOver = flag == 1;
        Place(*game, kFirstShot, 180, eyeY, -1, 0);
        game->DoFire();
        EXPECT_EQ(game->score, 0);
        EXPECT_EQ(Record(*game, kFirstShot)[0], 1) << "the shot flies on";
        EXPECT_EQ(Record(*game, kFirstShot)[1], 179);
    }
}

TEST_F(Flight, PlaneShotFromFiveHundredReachesTheEyeBandAfterTwentyFiveUpdates) {
    const float eyeY = jscrh * 0.5f - 106;
    Place(*game, kLastShot, 500, eyeY + 10, -12, 0);
    Place(*game, kLastShot - 1, 500, eyeY + 40, -12, 0);
    int updates = 0;
    while (Record(*game, kLastShot)[0] == 1 && updates < 100) {
        game->DoFire();
        ++updates;
    }
    EXPECT_EQ(updates, 25);
    EXPECT_EQ(game->score, 1);
    // The one that passes above the eye flies on to the left edge.
    EXPECT_EQ(Record(*game, kLastShot - 1)[0], 1);
    while (Record(*game, kLastShot - 1)[0] == 1 && updates < 100) {
        game->DoFire();
        ++updates;
    }
    EXPECT_EQ(updates, 44) << "at exactly -16 (43 updates) it stays: the test is strict";
    EXPECT_EQ(game->score, 1);
}

// The plane hit stops the round's tune and plays a sound, so it runs on the real program.
using PlaneHit = AppFixture;

TEST_F(PlaneHit, FireHitsThePlaneStrictlyInsideTwentyFourUnits) {
    struct Case {
        float dx, dy;
        bool hits;
    } cases[] = {{-23.9f, -10, true}, {-24, -10, false}, {23.9f, 23.9f, true}, {0, 24, false}, {0, -23.9f, true}};
    for (const Case& c : cases) {
        game->shots.fill(0);
        game->planeX = 400;
        game->planeY = 200;
        game->planeHit = 0;
        game->paused = game->roundOver = 0;
        Place(*game, 9, 400 + c.dx - 5, 200 + c.dy, 5, 0);
        game->DoFire();
        EXPECT_EQ(game->planeHit, c.hits ? 1 : 0) << c.dx << "," << c.dy;
        EXPECT_EQ(Record(*game, 9)[0], 1) << "fire that hits flies on";
    }
}
}  // namespace
