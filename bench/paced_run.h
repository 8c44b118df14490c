#pragma once
// The paced game: the real main loop on the real clock. Measures start-up (process start to the first rendered
// frame and to the title menu being ready), then the title menu and a busy round for a number of seconds each,
// and then closes the window through the window seam so the loop returns.
#include "app/gxtk_app.h"
#include "app/window_state.h"
#include "bench/busy_round.h"

namespace bench {

// The real window, except that the benchmark decides when it has been closed.
class ClosingWindow final : public app::WindowState {
public:
    bool IsOpen() override { return !closed && real.IsOpen(); }
    bool Iconified() override { return real.Iconified(); }
    bool Focused() override { return real.Focused(); }
    void PollEvents() override { real.PollEvents(); }
    void WaitEvents() override { real.WaitEvents(); }
    void SwapBuffers() override { real.SwapBuffers(); }

    app::GlfwWindowState real;
    bool closed = false;
};

struct PhaseResult {
    double wall = 0, cpu = 0;
    long updates = 0, renders = 0;
};

class PacedRun final : public Script {
public:
    PacedRun(gxtkApp& loop, ClosingWindow& window, double seconds) : loop_(loop), window_(window), seconds_(seconds) {}

    void BeforeUpdate(MyApp& game, gxtkInput& input) override;
    void AfterUpdate(MyApp& game) override;
    void AfterRender(MyApp& game) override;

    // Seconds since process start (see SecondsSinceExec), -1 until seen.
    double firstFrame = -1;
    double titleReady = -1;
    PhaseResult title, round;

private:
    struct Mark {
        double wall, cpu;
        long updates, renders;
    };
    Mark Now() const;
    PhaseResult Since(const Mark& m) const;

    gxtkApp& loop_;
    ClosingWindow& window_;
    double seconds_;
    int phase_ = 0;  // 0 loading, 1 title menu, 2 round, 3 done
    Mark mark_{};
    BusyRound busy_;
};

}  // namespace bench
