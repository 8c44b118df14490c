#pragma once
// The program put together as process start does it (window without depth or stencil buffer, optional OpenAL,
// module defaults, the game object, its AppDevice), run from a scratch folder whose data/ is the generated data.
#include <string>

#include "app/clock.h"
#include "app/gxtk_app.h"
#include "bench/bench_game.h"

namespace bench {

struct ProgramOptions {
    int width = 640;
    int height = 480;
    bool audio = false;
};

class Program {
public:
    ~Program();
    // False (with a message on stderr) when there is no display or the window cannot open.
    bool Open(const ProgramOptions& options);

    // The manual clock instead of the real one: the loop then never sleeps for real.
    void UseManualClock() { device->clock = &manualClock; }
    // One pass of the real loop that runs exactly one update and one render (manual clock only).
    void Frame();
    // One update through the loop's own update step, without a render (cheap warm-up, e.g. under valgrind).
    void UpdateOnly();
    // Frames until the asset loader has finished; false if it never does.
    bool FinishLoading();

    BenchGame* game = nullptr;
    AppDevice* device = nullptr;
    app::ManualClock manualClock;
    std::string renderer;

private:
    std::string scratch_;
};

}  // namespace bench
