#pragma once
// The one generator of the whole program (a linear congruential generator on 32 bits).
#include <cstdint>

namespace rng {
extern std::uint32_t Seed;

// Advances Seed and returns its top 24 bits / 2^24, in [0, 1).
float Rnd();
float Rnd(float range);
float Rnd(float low, float high);
}  // namespace rng

namespace math {
inline int Abs(int x) { return x < 0 ? -x : x; }
inline float Abs(float x) { return x < 0 ? -x : x; }
}  // namespace math
