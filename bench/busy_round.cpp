#include "bench/busy_round.h"

#include "game/globals.h"
#include "game/modes.h"
#include "input/input_device.h"

namespace bench {
namespace {
constexpr int kLeftMouse = 1;
constexpr int kHoldCycle = 9;
constexpr int kLargestVolley = 8;
// Steering target in virtual units: right half, at the height of the dragon's eye.
constexpr float kAimX = 560;
constexpr float kEyeAboveCentre = 106;
}  // namespace

void BusyRound::BeforeUpdate(MyApp& game, gxtkInput& input) {
    if (game.mode != kRound) return;
    game.planeHit = 0;
    game.volleySize = kLargestVolley;
    if (update % kHoldCycle == kHoldCycle - 1) {
        input.OnKeyUp(kLeftMouse);
    } else {
        input.OnKeyDown(kLeftMouse);
    }
    // The cursor is in window pixels; the render before this update set the scale.
    input.cursorX = kAimX * game.scaleX;
    input.cursorY = (jscrh * 0.5f - kEyeAboveCentre) * game.scaleY;
    if (update == pauseFrom) {
        game.paused = 1;
        game.pauseSlide = 1;
        game.pauseFocus = 0;
    }
    if (update == pauseTo) game.pauseSlide = -1;
    ++update;
}

}  // namespace bench
