#pragma once
// Small helpers for the game-rule tests: reading recorded display-list entries, an independent copy of the
// generator to predict random draws, and a bare game object for rules that need no window.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "app/random.h"
#include "game/globals.h"
#include "game/my_app.h"

namespace gametest {

constexpr float kRectKind = -3717.0f;
constexpr float kOvalKind = -3716.0f;

struct Entry {
    float kind, x, y, rotation, w, h, frame, alpha, red, green, blue;
};

inline std::vector<Entry> Entries(const MyApp& g) {
    std::vector<Entry> out;
    for (int i = 0; i + 15 <= g.drawCount; i += 15) {
        const float* e = &g.drawList[i];
        out.push_back({e[0], e[1], e[2], e[3], e[4], e[5], e[6], e[7], e[10], e[11], e[12]});
    }
    return out;
}

inline std::vector<Entry> EntriesOfKind(const MyApp& g, float kind) {
    std::vector<Entry> out;
    for (const Entry& e : Entries(g)) {
        if (e.kind == kind) out.push_back(e);
    }
    return out;
}

// Mirrors the design's generator and whole-number draw from a given seed, to predict what the game draws next.
struct ReferenceRandom {
    std::uint32_t seed;
    float Next() {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / 16777216.0f;
    }
    int Rand(float low, float high) { return static_cast<int>(std::floor(low + (high + 0.99f - low) * Next())); }
};

// A game object as construction leaves it (sound mode 0, so effects never reach an audio device), with the module
// globals at their defaults.
class BareGame : public ::testing::Test {
protected:
    void SetUp() override {
        initModules();
        game = std::make_unique<MyApp>();
        game->ResetDraw();
    }
    std::unique_ptr<MyApp> game;
};

}  // namespace gametest
