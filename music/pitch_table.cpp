#include "music/nuv_player.h"

namespace {
// Rates of notes 1 to 32: 1 to 12 an octave below 13 to 24, 25 to 32 an octave above 13 to 20.
constexpr float kRates[32] = {0.5f,   0.5295f, 0.561f, 0.5945f, 0.63f,  0.6675f, 0.707f, 0.749f,
                              0.7935f, 0.841f,  0.891f, 0.944f,  1.0f,   1.059f,  1.122f, 1.189f,
                              1.26f,   1.335f,  1.414f, 1.498f,  1.587f, 1.682f,  1.782f, 1.888f,
                              2.0f,    2.118f,  2.244f, 2.378f,  2.52f,  2.67f,   2.828f, 2.996f};
// The same rates named by one character each (the chord letters are among them).
constexpr char16_t kLetters[33] = u"zsxdcvgbhnjmq2w3er5t6y7ui9o0p[=]";
}  // namespace

float NuvPlayer::GetPitch(int n) { return n >= 1 && n <= 32 ? kRates[n - 1] : 0.0f; }

float NuvPlayer::GetPitch_Alpha(char16_t c) {
    for (int i = 0; i < 32; ++i)
        if (kLetters[i] == c) return kRates[i];
    return 0.0f;
}
