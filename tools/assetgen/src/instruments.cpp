// Melodic instruments for the sequencer: steady tones that OpenAL plays looped and pitched by rate. Every file is a
// whole number of cycles of its fundamental (and of every slow modulation), built additively from harmonics, so the
// last sample runs straight into the first. Reference pitch at rate 1: lead C5, accompaniment C4, bass C2.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "art.h"
#include "audio.h"

namespace assetgen {
namespace {

constexpr double kTau = 6.283185307179586;
constexpr double kC5 = 523.2511, kC4 = 261.6256, kC2 = 65.4064;

struct Loop {
  int n;       // samples in the loop
  int cycles;  // fundamental cycles in the loop
  double freq() const { return double(cycles) * kRate / n; }
};

// The loop length within [minSec, maxSec] whose whole number of cycles (a multiple of `multiple`) comes closest to
// the wanted frequency.
Loop PickLoop(double freq, double minSec, double maxSec, int multiple = 1) {
  Loop best{0, 0};
  double bestErr = 1e9;
  for (int n = int(minSec * kRate); n <= int(maxSec * kRate); ++n) {
    int c = int(std::lround(n * freq / kRate));
    if (c <= 0 || c % multiple) continue;
    double err = std::fabs(1200.0 * std::log2(double(c) * kRate / (n * freq)));
    if (err < bestErr - 1e-9) { bestErr = err; best = {n, c}; }
  }
  return best;
}

// Magnitude of a resonant low-pass at frequency f (cutoff fc, steepness `order`, resonance bump `res` at fc).
double LowPass(double f, double fc, int order, double res) {
  double x = f / fc;
  double mag = 1.0 / std::sqrt(1.0 + std::pow(x, 2.0 * order));
  double bump = 1.0 + res * std::exp(-std::pow((x - 1.0) / 0.25, 2));
  return mag * bump;
}

// One additive oscillator: `cycles` fundamental cycles over the loop, harmonic k with amplitude amp(k) and phase
// offset phase(k), vibrato of `vibCents` with `vibCycles` whole cycles over the loop.
void AddVoice(Buffer& out, const Loop& loop, int cycles, double level, const std::function<double(int)>& amp,
              const std::function<double(int)>& phase, double vibCents = 0, int vibCycles = 0) {
  double f = double(cycles) * kRate / loop.n;
  int maxK = std::max(1, int(9000.0 / f));
  double beta = 0;
  if (vibCycles > 0) {
    double fm = double(vibCycles) * kRate / loop.n;
    beta = f * (std::pow(2.0, vibCents / 1200.0) - 1.0) / fm;
  }
  std::vector<double> a(maxK + 1), p(maxK + 1);
  for (int k = 1; k <= maxK; ++k) { a[k] = amp(k); p[k] = phase(k); }
  for (int i = 0; i < loop.n; ++i) {
    double t = double(i) / loop.n;
    double ph = kTau * cycles * t + beta * std::sin(kTau * vibCycles * t);
    double s = 0;
    for (int k = 1; k <= maxK; ++k) {
      if (a[k] != 0) s += a[k] * std::sin(k * ph + p[k]);
    }
    out[i] += level * s;
  }
}

double Zero(int) { return 0.0; }
double Saw(int k) { return 1.0 / k; }
double Square(int k) { return (k % 2) ? 1.0 / k : 0.0; }
// Fixed "random" harmonic phases make stacked saws sound less buzzy and lower the crest factor.
double Scatter(int k) { return std::fmod(k * 2.399963 + k * k * 0.7, kTau); }

void Tremolo(Buffer& b, const Loop& loop, int cycles, double depth) {
  for (int i = 0; i < loop.n; ++i) b[i] *= 1.0 - depth * 0.5 * (1.0 - std::cos(kTau * cycles * double(i) / loop.n));
}

void Save(const std::string& dir, const char* name, const Buffer& b, const Loop& loop) {
  std::string path = dir + "/inst/" + name + ".wav";
  WriteWav(path, b, -3.0);
}

}  // namespace

void WriteInstruments(const std::string& dir) {
  // ---- Leads, C5 ----
  {  // lead1: soft square with a gentle vibrato
    Loop L = PickLoop(kC5, 0.45, 0.55);
    Buffer b(L.n, 0.0);
    double f = L.freq();
    AddVoice(b, L, L.cycles, 1.0, [&](int k) { return (Square(k) + (k == 2 ? 0.06 : 0)) * LowPass(k * f, 2400, 2, 0.2); },
             Zero, 14, 3);
    Save(dir, "lead1", b, L);
  }
  {  // lead2: three slightly detuned saws through a resonant low-pass
    Loop L = PickLoop(kC5, 0.45, 0.55);
    Buffer b(L.n, 0.0);
    for (int d = -1; d <= 1; ++d) {
      double f = double(L.cycles + d) * kRate / L.n;
      AddVoice(b, L, L.cycles + d, d == 0 ? 1.0 : 0.7, [&](int k) { return Saw(k) * LowPass(k * f, 2000, 2, 1.4); },
               [&](int k) { return Scatter(k + 7 * (d + 1)); });
    }
    Save(dir, "lead2", b, L);
  }
  {  // lead3: glassy FM bell tone (carrier 1 : modulator 3) with a slowly breathing index, plus an octave sine
    Loop L = PickLoop(kC5, 0.45, 0.55);
    Buffer b(L.n, 0.0);
    for (int i = 0; i < L.n; ++i) {
      double t = double(i) / L.n;
      double ph = kTau * L.cycles * t;
      double index = 1.1 + 0.35 * std::sin(kTau * 2 * t);
      b[i] = std::sin(ph + index * std::sin(3 * ph)) + 0.25 * std::sin(2 * ph + 0.5 * std::sin(ph)) +
             0.12 * std::sin(4 * ph);
    }
    Save(dir, "lead3", b, L);
  }
  // ---- Accompaniment, C4 ----
  {  // accompany1: warm pad, five detuned saws, dark low-pass, slow vibrato
    Loop L = PickLoop(kC4, 0.9, 1.1);
    Buffer b(L.n, 0.0);
    for (int d = -2; d <= 2; ++d) {
      double f = double(L.cycles + d) * kRate / L.n;
      AddVoice(b, L, L.cycles + d, 1.0 - 0.15 * std::abs(d), [&](int k) { return Saw(k) * LowPass(k * f, 1100, 2, 0.3); },
               [&](int k) { return Scatter(k * 3 + d + 2); }, 6, 4);
    }
    Save(dir, "accompany1", b, L);
  }
  {  // accompany2: drawbar organ with a rotary-speaker wobble
    Loop L = PickLoop(kC4, 0.9, 1.1);
    Buffer b(L.n, 0.0);
    AddVoice(b, L, L.cycles, 1.0,
             [](int k) {
               switch (k) {
                 case 1: return 1.0; case 2: return 0.75; case 3: return 0.5; case 4: return 0.4;
                 case 6: return 0.22; case 8: return 0.18; case 10: return 0.06; default: return 0.0;
               }
             },
             Zero, 8, 6);
    Tremolo(b, L, 6, 0.22);
    Save(dir, "accompany2", b, L);
  }
  {  // accompany3: electric-piano-like tine: a softly FM'd sine, its octave, and a suitcase tremolo
    Loop L = PickLoop(kC4, 0.9, 1.1);
    Buffer b(L.n, 0.0);
    for (int i = 0; i < L.n; ++i) {
      double t = double(i) / L.n;
      double ph = kTau * L.cycles * t;
      b[i] = std::sin(ph + 0.9 * std::sin(ph)) * 0.8 + 0.3 * std::sin(2 * ph) + 0.05 * std::sin(7 * ph + 1.0);
    }
    Tremolo(b, L, 4, 0.3);
    Save(dir, "accompany3", b, L);
  }
  // ---- Bass, C2 ----
  {  // bass1: round sine with a sub octave and a touch of warmth
    Loop L = PickLoop(kC2, 0.9, 1.1, 2);
    Buffer b(L.n, 0.0);
    AddVoice(b, L, L.cycles, 1.0, [](int k) { return k == 1 ? 1.0 : k == 2 ? 0.18 : k == 3 ? 0.08 : 0.0; }, Zero);
    AddVoice(b, L, L.cycles / 2, 0.35, [](int k) { return k == 1 ? 1.0 : 0.0; }, Zero);
    for (double& v : b) v = std::tanh(1.3 * v);
    Save(dir, "bass1", b, L);
  }
  {  // bass2: filtered saw with a resonant bump
    Loop L = PickLoop(kC2, 0.9, 1.1);
    Buffer b(L.n, 0.0);
    double f = L.freq();
    AddVoice(b, L, L.cycles, 1.0, [&](int k) { return Saw(k) * LowPass(k * f, 520, 2, 1.2); }, Scatter);
    Save(dir, "bass2", b, L);
  }
  {  // bass3: hollow square, low-passed
    Loop L = PickLoop(kC2, 0.9, 1.1);
    Buffer b(L.n, 0.0);
    double f = L.freq();
    AddVoice(b, L, L.cycles, 1.0, [&](int k) { return Square(k) * LowPass(k * f, 900, 2, 0.3); }, Zero);
    Save(dir, "bass3", b, L);
  }
  {  // bass4: plucked-string colour held steady: strong low partials with a comb-like dip, light chorus
    Loop L = PickLoop(kC2, 0.9, 1.1);
    Buffer b(L.n, 0.0);
    double f = L.freq();
    auto amp = [&](int k) {
      double pickup = std::fabs(std::sin(kPi * k * 0.18));  // plucked 18% along the string
      return pickup / k * LowPass(k * f, 1400, 1, 0.0);
    };
    AddVoice(b, L, L.cycles, 1.0, amp, Zero);
    AddVoice(b, L, L.cycles + 1, 0.25, amp, Scatter);
    Save(dir, "bass4", b, L);
  }
}

}  // namespace assetgen
