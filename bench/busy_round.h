#pragma once
// A busy round played by script: the plane held level with the dragon's eye and firing (the button let go for one
// update in nine, so the guns keep coming back to their fastest rate), volleys of eight, the plane never brought
// down, and the pause panel sliding in and out over a stretch of the run.
#include "bench/bench_game.h"

namespace bench {

class BusyRound final : public Script {
public:
    void BeforeUpdate(MyApp& game, gxtkInput& input) override;

    // Round updates so far; the panel is asked in at update pauseFrom and out again at pauseTo.
    int update = 0;
    int pauseFrom = -1;
    int pauseTo = -1;
};

}  // namespace bench
