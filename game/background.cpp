// The parallax skyline: 100 blocks kept in depth order by one bubble step per place and update, over a striped
// ground. Deeper blocks are nearer: lower, faster and lighter.
#include <algorithm>

#include "game/globals.h"
#include "game/my_app.h"

namespace {
constexpr int kBlockFloats = 10;
constexpr int kFirstBlock = 1, kLastBlock = 100;
// Float offsets inside a block; 5 and 6 are unused but travel with the block when it swaps places.
enum BlockField { kOn, kLeft, kHeight, kDepth, kWidth, kRed = 7, kGreen, kBlue };

constexpr float kRespawnX = 700;
constexpr float kGoneBeyondLeft = -16;
// Each depth step lowers the block's base line by this much.
constexpr float kDepthDrop = 12;

float* Block(std::array<float, 2048>& skyline, int k) { return &skyline[k * kBlockFloats]; }

// Height, depth, width, then red, green and blue from the depth's range: the order of the draws matters.
void NewBlock(MyApp& game, float* b) {
    b[kHeight] = 16 * game.Rand(6, 16);
    int depth = game.Rand(2, 8);
    b[kDepth] = depth;
    b[kWidth] = 16 * game.Rand(4, 8);
    b[kRed] = 10 * game.Rand(depth - 2, depth + 4);
    b[kGreen] = 10 * game.Rand(depth - 2, depth + 4);
    b[kBlue] = 10 * game.Rand(depth - 2, depth + 4);
}
}  // namespace

int MyApp::ResetBG() {
    for (int k = kFirstBlock; k <= kLastBlock; ++k) {
        float* b = Block(skyline, k);
        b[kOn] = 1;
        b[kLeft] = Rand(-100, 700);
        NewBlock(*this, b);
    }
    return 0;
}

int MyApp::DoBG() {
    const float baseLine = jscrh * 0.5f + 16;
    for (int k = kFirstBlock; k <= kLastBlock; ++k) {
        float* b = Block(skyline, k);
        if (b[kOn] == 0) {
            b[kOn] = 1;
            b[kLeft] = kRespawnX;
            NewBlock(*this, b);
        }
        if (k < kLastBlock) {
            float* next = Block(skyline, k + 1);
            if (b[kDepth] > next[kDepth]) std::swap_ranges(b, b + kBlockFloats, next);
        }
        if (b[kOn] > 0) {
            b[kLeft] -= b[kDepth] * 0.25f;
            SetCol(b[kRed], b[kGreen], b[kBlue], 1);
            Rect(b[kLeft], baseLine - b[kHeight] + kDepthDrop * b[kDepth], b[kWidth], b[kHeight]);
            if (b[kLeft] + b[kWidth] < kGoneBeyondLeft) b[kOn] = 0;
        }
    }

    const float half = jscrh * 0.5f;
    SetCol(120, 120, 120);
    Rect(-2, half + 112, jscrw + 4, 64);
    SetCol(80, 80, 80);
    Rect(-2, half + 176, jscrw + 4, 8);
    SetCol(0, 0, 0);
    Rect(-2, half + 185, jscrw + 4, half - 185);

    ResetDraw();
    DoFire();
    ResetDraw();
    return 0;
}
