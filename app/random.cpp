#include "app/random.h"

namespace rng {
std::uint32_t Seed = 1234;

float Rnd() {
    Seed = Seed * 1664525u + 1013904223u;
    return static_cast<float>(Seed >> 8) * (1.0f / 16777216.0f);
}

float Rnd(float range) { return Rnd() * range; }

float Rnd(float low, float high) { return low + (high - low) * Rnd(); }
}  // namespace rng
