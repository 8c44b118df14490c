// The loading picture: two rings of dots turning 16 degrees per update around the logo.
#include "tests/game/game_test_helpers.h"

namespace {
using LoadingPicture = gametest::BareGame;

TEST_F(LoadingPicture, RingsTurnAroundTheCentreAndFadeInTowardTheirLeadingEnd) {
    game->spinnerAngle = -16;
    game->WaitStart(1);
    EXPECT_EQ(game->spinnerAngle, 0);
    EXPECT_EQ(game->clsBlue, 80);

    auto ovals = gametest::EntriesOfKind(*game, gametest::kOvalKind);
    ASSERT_EQ(ovals.size(), 23u);
    // Radius a quarter of the smaller visible side: 120 at 640 by 480; the back ring starts half a turn round.
    EXPECT_NEAR(ovals[0].x, 320, 1e-3);
    EXPECT_NEAR(ovals[0].y, 240 + 120, 1e-3);
    EXPECT_EQ(ovals[0].alpha, 0);
    EXPECT_NEAR(ovals[10].alpha, 1, 1e-6);
    EXPECT_EQ(ovals[11].w, 0.3f * 480) << "the sun behind the logo";
    EXPECT_NEAR(ovals[12].x, 320, 1e-3);
    EXPECT_NEAR(ovals[12].y, 240 - 120, 1e-3);
    EXPECT_EQ(ovals[12].red, 50);
    const float a = 16 * 3 * 0.0174532924f;
    EXPECT_NEAR(ovals[15].x, 320 + std::sin(a) * 120, 1e-3);
    EXPECT_NEAR(ovals[15].y, 240 - std::cos(a) * 120, 1e-3);

    game->WaitStart(1);
    EXPECT_EQ(game->spinnerAngle, 16);
    game->WaitStart(0);
    EXPECT_EQ(gametest::EntriesOfKind(*game, gametest::kOvalKind).size(), 1u) << "no rings with n 0";
    EXPECT_EQ(gametest::EntriesOfKind(*game, 93).size(), 1u);
}
}  // namespace
