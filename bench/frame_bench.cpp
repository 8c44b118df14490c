// skarnfell_bench: what a frame of the real game costs. Two modes:
//   uncapped (default): a scripted busy round on the manual clock, never sleeping, for a fixed number of frames;
//     CPU per frame (update and render apart, the render counted for the whole process with the rasterizer's
//     threads), draw calls and display-list entries per frame, peak resident memory.
//   --straight: the same with the render device's cheaper paths turned off (the pixels are the same).
//   --paced SECONDS: the real main loop on the real clock: start-up, then the title menu and a busy round for
//     SECONDS each, reporting the process's CPU share.
// Results are one "RESULT key=value ..." line per measurement, for bench/run.sh.
#include <GL/gl.h>
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/busy_round.h"
#include "bench/measure.h"
#include "bench/paced_run.h"
#include "bench/program.h"
#include "bench/shot.h"
#include "graphics/render_device.h"

namespace {
using namespace bench;

constexpr int kSettleFrames = 10;

struct Options {
    int width = 640, height = 480;
    int frames = 600;
    int warmup = 240;
    double pacedSeconds = 0;
    const char* shot = nullptr;
    bool straight = false;
};

[[noreturn]] void Usage() {
    std::fprintf(stderr, "usage: skarnfell_bench [--size WxH] [--frames N] [--warmup N] [--paced SECONDS] [--shot FILE.ppm] [--straight]\n");
    std::exit(2);
}

Options Parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::strcmp(a, "--straight")) {
            o.straight = true;
            continue;
        }
        const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
        if (!v) Usage();
        if (!std::strcmp(a, "--size")) {
            if (std::sscanf(v, "%dx%d", &o.width, &o.height) != 2) Usage();
        } else if (!std::strcmp(a, "--frames")) {
            o.frames = std::atoi(v);
        } else if (!std::strcmp(a, "--warmup")) {
            o.warmup = std::atoi(v);
        } else if (!std::strcmp(a, "--shot")) {
            o.shot = v;
        } else if (!std::strcmp(a, "--paced")) {
            o.pacedSeconds = std::atof(v);
        } else {
            Usage();
        }
        ++i;
    }
    return o;
}

// The menu slides in, then a round starts as the play button would start it, and warms up until the dragon's
// volleys fly: updates only (renders change nothing the round depends on), then a few whole frames.
void EnterBusyRound(Program& p, BusyRound& round, const Options& o) {
    for (int i = 0; i < 40; ++i) p.Frame();
    const int measuredFrom = o.warmup + kSettleFrames;
    round.pauseFrom = measuredFrom + o.frames * 6 / 10;
    round.pauseTo = measuredFrom + o.frames * 8 / 10;
    p.game->script = &round;
    p.game->mode = 11;
    p.Frame();
    for (int i = 0; i < o.warmup; ++i) p.UpdateOnly();
    for (int i = 0; i < kSettleFrames; ++i) p.Frame();
}

// One more frame of the round, read back before the swap, as a binary PPM.
void SaveShot(Program& p, const char* path) {
    ShotAfterRender shot;
    Script* playing = p.game->script;
    shot.inner = playing;
    p.game->script = &shot;
    p.Frame();
    p.game->script = playing;
    if (!WritePpm(path, shot.pixels, shot.width, shot.height)) std::fprintf(stderr, "cannot write %s\n", path);
}

int RunUncapped(const Options& o) {
    Program p;
    if (!p.Open({o.width, o.height, false})) return 1;
    p.UseManualClock();
    p.device->graphicsDevice->optimise = !o.straight;
    p.device->InvokeOnCreate();
    if (!p.FinishLoading()) {
        std::fprintf(stderr, "skarnfell_bench: the asset loader did not finish (is data/ there?)\n");
        return 1;
    }
    BusyRound round;
    EnterBusyRound(p, round, o);

    gxtkGraphics& gfx = *p.device->graphicsDevice;
    const long draws0 = gfx.drawCalls;
    const double update0 = p.game->updateCpu;
    long entries = 0;
    CALLGRIND_START_INSTRUMENTATION;
    const double w0 = WallSeconds(), c0 = ProcessCpuSeconds();
    for (int i = 0; i < o.frames; ++i) {
        p.Frame();
        // The swap already waits for the rasterizer here; glFinish makes sure no work spills into the next frame.
        glFinish();
        entries += p.game->drawCount / 15;
    }
    const double wall = WallSeconds() - w0, cpu = ProcessCpuSeconds() - c0;
    CALLGRIND_STOP_INSTRUMENTATION;
    if (o.shot) SaveShot(p, o.shot);
    const double update = p.game->updateCpu - update0;
    const double n = o.frames;
    std::printf(
        "RESULT prog=%s scene=busy mode=uncapped size=%dx%d frames=%d wall_s=%.3f cpu_s=%.3f cpu_ms_per_frame=%.3f "
        "update_cpu_ms=%.4f render_cpu_ms=%.3f fps=%.1f wall_ms_per_frame=%.3f draws_per_frame=%.2f "
        "entries_per_frame=%.1f peak_rss_kb=%ld renderer=\"%s\"\n",
        o.straight ? "game_straight" : "game", gfx.width, gfx.height, o.frames, wall, cpu, 1000 * cpu / n, 1000 * update / n, 1000 * (cpu - update) / n,
        n / wall, 1000 * wall / n, (gfx.drawCalls - draws0) / n, entries / n, PeakRssKb(), p.renderer.c_str());
    return 0;
}

void PrintPhase(const char* scene, const PhaseResult& r, const gxtkGraphics& gfx) {
    std::printf(
        "RESULT prog=game scene=%s mode=paced size=%dx%d seconds=%.3f updates=%ld frames=%ld cpu_s=%.3f "
        "cpu_share=%.3f cpu_ms_per_frame=%.3f fps=%.1f\n",
        scene, gfx.width, gfx.height, r.wall, r.updates, r.renders, r.cpu, r.cpu / r.wall,
        r.renders ? 1000 * r.cpu / r.renders : 0.0, r.renders / r.wall);
}

int RunPaced(const Options& o) {
    Program p;
    if (!p.Open({o.width, o.height, true})) return 1;
    ClosingWindow window;
    p.device->windowState = &window;
    PacedRun run(*p.device, window, o.pacedSeconds);
    p.game->script = &run;
    p.device->Run();
    const gxtkGraphics& gfx = *p.device->graphicsDevice;
    std::printf("RESULT prog=game scene=startup mode=paced size=%dx%d first_frame_ms=%.0f title_ready_ms=%.0f\n",
                gfx.width, gfx.height, 1000 * run.firstFrame, 1000 * run.titleReady);
    PrintPhase("title", run.title, gfx);
    PrintPhase("busy", run.round, gfx);
    std::printf("RESULT prog=game scene=memory mode=paced size=%dx%d peak_rss_kb=%ld\n", gfx.width, gfx.height,
                PeakRssKb());
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    Options o = Parse(argc, argv);
    int status = o.pacedSeconds > 0 ? RunPaced(o) : RunUncapped(o);
    std::fflush(stdout);
    // The game's objects live for the whole run; leave without tearing GL and AL down under them.
    std::_Exit(status);
}
