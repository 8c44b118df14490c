#pragma once
// A look at what the benchmark draws: the frame read back after the replay (before the swap) and saved as a PPM.
#include <vector>

#include "bench/bench_game.h"

namespace bench {

class ShotAfterRender final : public Script {
public:
    void BeforeUpdate(MyApp& game, gxtkInput& input) override {
        if (inner) inner->BeforeUpdate(game, input);
    }
    void AfterRender(MyApp& game) override;

    Script* inner = nullptr;
    std::vector<int> pixels;  // alpha-red-green-blue, top row first
    int width = 0, height = 0;
};

bool WritePpm(const char* path, const std::vector<int>& pixels, int width, int height);

}  // namespace bench
