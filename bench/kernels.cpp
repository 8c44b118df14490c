// Google Benchmark kernels of the game's own per-update code, without a window: recording the display list, laying
// out text, moving and recording everything in flight, and the saved-state string there and back. RestoreState
// prints its "... Loaded" lines: run with standard output sent away and --benchmark_out for the table.
#include <benchmark/benchmark.h>

#include "game/globals.h"
#include "game/my_app.h"

namespace {
constexpr int kFontSlot = 96;

MyApp& Game() {
    static MyApp* game = [] {
        initModules();
        auto* g = new MyApp();
        g->currentFont = kFontSlot;
        g->imageMetrics[kFontSlot * 3] = 16;
        g->imageMetrics[kFontSlot * 3 + 1] = 20;
        return g;
    }();
    return *game;
}

// A busy frame's worth of entries: 100 skyline blocks, 200 squares, 40 glyphs.
void BM_RecordDisplayList(benchmark::State& state) {
    MyApp& g = Game();
    for (auto _ : state) {
        g.CLS2D(0, 0, 80, 1);
        for (int i = 0; i < 100; ++i) {
            g.SetCol(40 + i, 50, 60);
            g.Rect(i * 7.0f, 200, 64, 180);
        }
        for (int i = 0; i < 200; ++i) {
            g.SetRot(i * 3.0f);
            g.SetCol(200, 150, 50);
            g.Rect(i * 3.0f, i * 2.0f, 16, 16);
        }
        g.ResetDraw();
        g.SetSize(2);
        for (int i = 0; i < 40; ++i) g.DrawImg(kFontSlot, i * 16.0f, 32, 16);
        benchmark::DoNotOptimize(g.drawList.data());
    }
    state.SetItemsProcessed(state.iterations() * 340);
}
BENCHMARK(BM_RecordDisplayList);

void BM_TextLayout(benchmark::State& state) {
    MyApp& g = Game();
    const String score = g.rstr(1234, 8, u"0");
    const String hint = u" <--Shoot his Eye!\\nand again";
    for (auto _ : state) {
        g.CLS2D();
        g.SetSize(2);
        g.Text(320, 32, score, 1, 1);
        g.SetRot(15);
        g.Text(200, 140, hint, 0, 1.2f);
        benchmark::DoNotOptimize(g.drawCount);
    }
}
BENCHMARK(BM_TextLayout);

// All 201 records in flight, standing still away from the eye and the plane so the work stays the same.
void BM_DoFire(benchmark::State& state) {
    MyApp& g = Game();
    g.paused = 0;
    g.roundOver = 0;
    g.planeX = g.planeY = 5000;
    for (int k = 0; k <= 200; ++k) {
        float* r = &g.shots[k * 10];
        r[0] = 1;
        r[1] = 300 + (k % 30) * 10;
        r[2] = 150 + (k / 30) * 30;
        r[3] = r[4] = 0;
        r[5] = k;
        r[6] = 3;
        r[7] = r[8] = r[9] = 200;
    }
    for (auto _ : state) {
        g.CLS2D();
        g.DoFire();
        benchmark::DoNotOptimize(g.drawCount);
    }
}
BENCHMARK(BM_DoFire);

void BM_StateStringRoundTrip(benchmark::State& state) {
    MyApp& g = Game();
    for (int i = 0; i < 150; ++i) g.scoreTables[i] = i * 37;
    for (int i = 0; i < 25; ++i) g.settings[i] = i;
    for (auto _ : state) {
        String s = g.StateString();
        g.RestoreState(s);
        benchmark::DoNotOptimize(s.data());
    }
}
BENCHMARK(BM_StateStringRoundTrip);
}  // namespace

BENCHMARK_MAIN();
