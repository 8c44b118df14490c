#pragma once
// A real program with its assets loaded, started into a round, for the tests of the round and its pause panel.
#include "tests/game/app_fixture.h"
#include "tests/game/game_test_helpers.h"

namespace gametest {
constexpr int kLeftMouse = 1;
constexpr int kFirstShot = 141, kLastShot = 200, kLastFire = 140;

class RoundFixture : public AppFixture {
protected:
    // Exactly one update, then a render, per step. Long runs use UpdateOnly, which moves the clock on without the
    // loop; the loop's own Update() would then catch that time up with extra updates.
    void Step(int n = 1) {
        for (int i = 0; i < n; ++i) {
            UpdateOnly();
            Render();
        }
    }

    // Loads the assets, lets the menu slide in, and starts a round without touching the play button.
    void StartRound() {
        FinishLoading();
        ASSERT_EQ(game->loadStage, 0);
        Step(40);
        game->mode = 11;
        Step();
        ASSERT_EQ(game->mode, 10);
    }

    int InFlight(int first, int last) {
        int n = 0;
        for (int k = first; k <= last; ++k) n += game->shots[k * 10] == 1;
        return n;
    }

    // Fire particles launched in the last update: they have not moved yet.
    int FreshFire() {
        int n = 0;
        for (int k = 0; k <= kLastFire; ++k) {
            const float* r = &game->shots[k * 10];
            n += r[0] == 1 && r[1] == 198 && r[2] == jscrh * 0.5f - 52;
        }
        return n;
    }

    // Updates (without renders) until the condition holds; false when it never does within the limit.
    template <typename Condition>
    bool RunUntil(Condition done, int limit) {
        for (int i = 0; i < limit; ++i) {
            if (done()) return true;
            UpdateOnly();
        }
        return done();
    }
};

}  // namespace gametest
