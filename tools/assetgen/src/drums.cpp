// Four drum kits of eight one-shots each: 1 kick, 2 snare, 3 closed hat, 4 open hat, 5 low tom, 6 high tom,
// 7 clap, 8 crash. Kit 1 acoustic-ish, kit 2 electronic (808-like), kit 3 tight and dry, kit 4 big and roomy.
#include <algorithm>
#include <cmath>
#include <string>

#include "audio.h"

namespace assetgen {
namespace {

constexpr double kTau = 6.283185307179586;

// A pitch-swept sine drum (kicks and toms): frequency glides from f0 to f1 with time constant `sweep`, amplitude
// decays with `decay`; `click` adds a short noise transient, `drive` saturates.
Buffer SweptDrum(double len, double f0, double f1, double sweep, double decay, double click, double drive,
                 uint32_t seed, double noiseTone = 0.0) {
  Buffer b(Samples(len));
  Noise noise(seed);
  Biquad clickFilter(Biquad::kBandPass, 3000, 0.8);
  Biquad toneNoise(Biquad::kBandPass, f1 * 2.0, 1.5);
  double phase = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    double t = double(i) / kRate;
    double f = f1 + (f0 - f1) * std::exp(-t / sweep);
    phase += kTau * f / kRate;
    double env = std::exp(-t / decay);
    double s = std::sin(phase) * env;
    double n = noise.Next();
    s += click * clickFilter.Run(n) * std::exp(-t / 0.004);
    s += noiseTone * toneNoise.Run(n) * env;
    b[i] = drive > 0 ? std::tanh(s * (1 + drive)) / std::tanh(1 + drive) : s;
  }
  return b;
}

// Snare: two body partials plus band-limited noise with separate decays.
Buffer Snare(double len, double body, double bodyDecay, double noiseDecay, double noiseLow, double noiseHigh,
             double bodyLevel, uint32_t seed) {
  Buffer b(Samples(len));
  Noise noise(seed);
  Biquad hp(Biquad::kHighPass, noiseLow, 0.7), lp(Biquad::kLowPass, noiseHigh, 0.7);
  double p1 = 0, p2 = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    double t = double(i) / kRate;
    double sweep = 1.0 + 0.5 * std::exp(-t / 0.01);
    p1 += kTau * body * sweep / kRate;
    p2 += kTau * body * 1.6 * sweep / kRate;
    double tone = (std::sin(p1) + 0.5 * std::sin(p2)) * std::exp(-t / bodyDecay);
    double n = lp.Run(hp.Run(noise.Next())) * std::exp(-t / noiseDecay);
    b[i] = bodyLevel * tone + n * 1.4;
  }
  return b;
}

// Metallic noise for hats and cymbals: six detuned square waves (the classic 808 recipe) mixed with white noise,
// high-passed, with an exponential decay.
Buffer Metal(double len, double decay, double base, double noiseMix, double hpFreq, uint32_t seed, double attack = 0) {
  static const double kRatios[6] = {1.0, 1.4471, 1.6170, 1.9265, 2.5028, 2.6637};
  Buffer b(Samples(len));
  Noise noise(seed);
  Biquad hp1(Biquad::kHighPass, hpFreq, 0.8), hp2(Biquad::kHighPass, hpFreq, 0.8);
  Biquad peak(Biquad::kPeak, hpFreq * 1.6, 1.2, 6);
  double ph[6] = {0.1, 0.37, 0.61, 0.83, 0.29, 0.52};
  for (size_t i = 0; i < b.size(); ++i) {
    double t = double(i) / kRate;
    double sq = 0;
    for (int k = 0; k < 6; ++k) {
      ph[k] += base * kRatios[k] / kRate;
      ph[k] -= std::floor(ph[k]);
      sq += ph[k] < 0.5 ? 1.0 : -1.0;
    }
    double s = (1 - noiseMix) * sq / 6.0 + noiseMix * noise.Next();
    double env = std::exp(-t / decay);
    if (attack > 0) env *= 1.0 - std::exp(-t / attack);
    b[i] = peak.Run(hp2.Run(hp1.Run(s))) * env;
  }
  return b;
}

// Clap: several quick noise bursts then a tail, band-passed.
Buffer Clap(double len, double centre, double tail, int bursts, double spacing, uint32_t seed) {
  Buffer b(Samples(len));
  Noise noise(seed);
  Biquad bp(Biquad::kBandPass, centre, 1.4), bp2(Biquad::kBandPass, centre * 1.5, 1.0);
  for (size_t i = 0; i < b.size(); ++i) {
    double t = double(i) / kRate;
    double env = 0;
    for (int k = 0; k < bursts; ++k) {
      double tk = t - k * spacing;
      if (tk >= 0) env = std::max(env, std::exp(-tk / 0.006) * (k == bursts - 1 ? 1.0 : 0.8));
    }
    double last = t - (bursts - 1) * spacing;
    if (last >= 0) env = std::max(env, 0.6 * std::exp(-last / tail));
    double n = noise.Next();
    b[i] = (bp.Run(n) + 0.5 * bp2.Run(n)) * env;
  }
  return b;
}

void AddRoom(Buffer& b, double size, double damping, double wet, double tail) {
  Buffer r = Reverb(b, size, damping, tail);
  b.resize(r.size(), 0.0);
  for (size_t i = 0; i < b.size(); ++i) b[i] += wet * r[i];
}

void Save(const std::string& dir, int kit, int n, Buffer b, double peakDb = -3.0) {
  // Trim the silent tail, then fade the last few milliseconds so nothing clicks.
  double peak = 0;
  for (double v : b) peak = std::max(peak, std::fabs(v));
  size_t end = b.size();
  while (end > 1 && std::fabs(b[end - 1]) < peak * 0.0015) --end;
  b.resize(std::min(b.size(), end + Samples(0.01)));
  FadeEdges(b, 0.0, 0.012);
  WriteWav(dir + "/inst/d" + std::to_string(kit) + "-" + std::to_string(n) + ".wav", b, peakDb);
}

}  // namespace

void WriteDrums(const std::string& dir) {
  // Kit 1: acoustic-ish, natural decays and a small room.
  {
    int k = 1;
    Buffer kick = SweptDrum(0.5, 150, 52, 0.03, 0.16, 0.5, 0.6, 101, 0.05);
    Buffer snare = Snare(0.4, 190, 0.06, 0.13, 900, 9000, 0.7, 102);
    Buffer ch = Metal(0.12, 0.025, 330, 0.6, 7000, 103);
    Buffer oh = Metal(0.6, 0.22, 330, 0.6, 6500, 104);
    Buffer lt = SweptDrum(0.7, 140, 95, 0.06, 0.25, 0.3, 0.2, 105, 0.08);
    Buffer ht = SweptDrum(0.6, 230, 165, 0.05, 0.2, 0.3, 0.2, 106, 0.08);
    Buffer cl = Clap(0.4, 1200, 0.09, 4, 0.011, 107);
    Buffer cr = Metal(2.2, 0.8, 290, 0.75, 4500, 108, 0.002);
    for (Buffer* b : {&kick, &snare, &ch, &oh, &lt, &ht, &cl, &cr}) AddRoom(*b, 0.3, 0.5, 0.12, 0.3);
    Save(dir, k, 1, kick); Save(dir, k, 2, snare); Save(dir, k, 3, ch, -5); Save(dir, k, 4, oh, -5);
    Save(dir, k, 5, lt); Save(dir, k, 6, ht); Save(dir, k, 7, cl); Save(dir, k, 8, cr, -4);
  }
  // Kit 2: electronic, 808-like: long boomy kick, pure-ish toms, square-cluster hats.
  {
    int k = 2;
    Save(dir, k, 1, SweptDrum(1.0, 110, 48, 0.05, 0.4, 0.15, 0.3, 201));
    Save(dir, k, 2, Snare(0.35, 240, 0.05, 0.09, 1800, 12000, 0.9, 202));
    Save(dir, k, 3, Metal(0.1, 0.018, 540, 0.15, 8000, 203), -5);
    Save(dir, k, 4, Metal(0.5, 0.16, 540, 0.15, 8000, 204), -5);
    Save(dir, k, 5, SweptDrum(0.8, 120, 82, 0.08, 0.3, 0.0, 0.0, 205));
    Save(dir, k, 6, SweptDrum(0.6, 200, 140, 0.08, 0.22, 0.0, 0.0, 206));
    Buffer cl = Clap(0.5, 1100, 0.14, 4, 0.009, 207);
    AddRoom(cl, 0.4, 0.6, 0.25, 0.3);
    Save(dir, k, 7, cl);
    Save(dir, k, 8, Metal(2.0, 0.7, 560, 0.25, 5000, 208, 0.001), -4);
  }
  // Kit 3: tight and dry: short, punchy, no room.
  {
    int k = 3;
    Save(dir, k, 1, SweptDrum(0.25, 200, 60, 0.015, 0.07, 0.9, 1.5, 301));
    Save(dir, k, 2, Snare(0.2, 220, 0.03, 0.05, 1500, 10000, 0.6, 302));
    Save(dir, k, 3, Metal(0.06, 0.012, 420, 0.5, 9000, 303), -5);
    Save(dir, k, 4, Metal(0.3, 0.08, 420, 0.5, 8500, 304), -5);
    Save(dir, k, 5, SweptDrum(0.35, 170, 110, 0.03, 0.11, 0.6, 0.8, 305, 0.1));
    Save(dir, k, 6, SweptDrum(0.3, 280, 190, 0.03, 0.09, 0.6, 0.8, 306, 0.1));
    Save(dir, k, 7, Clap(0.25, 1500, 0.045, 3, 0.008, 307));
    Save(dir, k, 8, Metal(1.0, 0.3, 380, 0.8, 6000, 308, 0.001), -4);
  }
  // Kit 4: big and roomy: deep drums in a large hall.
  {
    int k = 4;
    Buffer kick = SweptDrum(0.7, 120, 44, 0.04, 0.22, 0.4, 0.9, 401, 0.05);
    Buffer snare = Snare(0.5, 170, 0.09, 0.18, 700, 7000, 0.9, 402);
    Buffer ch = Metal(0.15, 0.03, 300, 0.7, 6000, 403);
    Buffer oh = Metal(0.8, 0.3, 300, 0.7, 5500, 404);
    Buffer lt = SweptDrum(0.9, 110, 70, 0.08, 0.35, 0.3, 0.4, 405, 0.1);
    Buffer ht = SweptDrum(0.8, 180, 120, 0.07, 0.28, 0.3, 0.4, 406, 0.1);
    Buffer cl = Clap(0.5, 1000, 0.12, 4, 0.013, 407);
    Buffer cr = Metal(2.8, 1.1, 260, 0.8, 4000, 408, 0.003);
    for (Buffer* b : {&kick, &snare, &ch, &oh, &lt, &ht, &cl, &cr}) AddRoom(*b, 0.9, 0.35, 0.45, 1.2);
    Save(dir, k, 1, kick); Save(dir, k, 2, snare); Save(dir, k, 3, ch, -5); Save(dir, k, 4, oh, -5);
    Save(dir, k, 5, lt); Save(dir, k, 6, ht); Save(dir, k, 7, cl); Save(dir, k, 8, cr, -4);
  }
}

}  // namespace assetgen
