#include "bench/paced_run.h"

#include "bench/measure.h"

namespace bench {
namespace {
constexpr int kEnterRoundMode = 11;
}

PacedRun::Mark PacedRun::Now() const {
    return {WallSeconds(), ProcessCpuSeconds(), loop_.updateCount, loop_.renderCount};
}

PhaseResult PacedRun::Since(const Mark& m) const {
    Mark n = Now();
    return {n.wall - m.wall, n.cpu - m.cpu, n.updates - m.updates, n.renders - m.renders};
}

void PacedRun::BeforeUpdate(MyApp& game, gxtkInput& input) {
    if (phase_ == 2) busy_.BeforeUpdate(game, input);
}

void PacedRun::AfterUpdate(MyApp& game) {
    if (phase_ == 0 && game.loadStage == 0) {
        titleReady = SecondsSinceExec();
        phase_ = 1;
        mark_ = Now();
    } else if (phase_ == 1 && WallSeconds() - mark_.wall >= seconds_) {
        title = Since(mark_);
        phase_ = 2;
        game.mode = kEnterRoundMode;
        mark_ = Now();
    } else if (phase_ == 2 && WallSeconds() - mark_.wall >= seconds_) {
        round = Since(mark_);
        phase_ = 3;
        window_.closed = true;
    }
}

void PacedRun::AfterRender(MyApp&) {
    // The frame's list has been submitted; the loop flushes and swaps right after.
    if (firstFrame < 0) firstFrame = SecondsSinceExec();
}

}  // namespace bench
