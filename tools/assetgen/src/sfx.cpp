// Sound effects, slots 1-7, 95, 98, 99: 2 plane shot, 3 round start, 4 and 5 dragon fire roars, 6 crash at the end
// of a round, 7 plane hit, 98 UI click, 99 credits open/close; 1 (pickup chime) and 95 (whoosh) complete the set.
#include <algorithm>
#include <cmath>
#include <string>

#include "audio.h"

namespace assetgen {
namespace {

constexpr double kTau = 6.283185307179586;

double Env(double t, double attack, double decay) {
  double a = attack > 0 ? std::min(1.0, t / attack) : 1.0;
  return a * std::exp(-t / decay);
}

// Band-limited-ish pulse from a phase in [0, 1): a polyBLEP-corrected square of the given duty.
double PolyBlep(double t, double dt) {
  if (t < dt) { t /= dt; return t + t - t * t - 1.0; }
  if (t > 1.0 - dt) { t = (t - 1.0) / dt; return t * t + t + t + 1.0; }
  return 0.0;
}
double Pulse(double phase, double dt, double duty) {
  double v = phase < duty ? 1.0 : -1.0;
  v += PolyBlep(phase, dt);
  double p2 = phase - duty;
  if (p2 < 0) p2 += 1.0;
  v -= PolyBlep(p2, dt);
  return v;
}

void Save(const std::string& dir, int n, Buffer b, double peakDb = -3.0) {
  FadeEdges(b, 0.001, 0.01);
  char name[32];
  std::snprintf(name, sizeof name, "/sfx/%03d.wav", n);
  WriteWav(dir + name, b, peakDb);
}

Buffer Shot() {
  Buffer b(Samples(0.11));
  Noise noise(2);
  Biquad lp(Biquad::kLowPass, 5000, 0.7);
  double phase = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    double t = double(i) / kRate;
    double f = 300 + 1100 * std::exp(-t / 0.022);
    double dt = f / kRate;
    phase += dt;
    phase -= std::floor(phase);
    double s = 0.7 * Pulse(phase, dt, 0.3) * Env(t, 0.001, 0.04) + 0.5 * noise.Next() * std::exp(-t / 0.006);
    b[i] = lp.Run(s);
  }
  return b;
}

Buffer RoundStart() {
  // A bright rising fanfare: C5 E5 G5 then C6 held with vibrato, two detuned pulses per note.
  const double notes[4] = {523.25, 659.26, 783.99, 1046.5};
  const double starts[4] = {0.0, 0.09, 0.18, 0.27};
  Buffer b(Samples(0.95), 0.0);
  Biquad lp(Biquad::kLowPass, 4500, 0.7);
  for (int n = 0; n < 4; ++n) {
    double len = n == 3 ? 0.65 : 0.2, p1 = 0, p2 = 0.3;
    size_t s0 = Samples(starts[n]);
    for (size_t i = 0; i < Samples(len) && s0 + i < b.size(); ++i) {
      double t = double(i) / kRate;
      double vib = n == 3 ? 1.0 + 0.006 * std::sin(kTau * 6.0 * t) * std::min(1.0, t / 0.15) : 1.0;
      double f = notes[n] * vib, dt = f / kRate;
      p1 += dt; p1 -= std::floor(p1);
      p2 += dt * 1.004; p2 -= std::floor(p2);
      double env = Env(t, 0.004, n == 3 ? 0.3 : 0.09);
      b[s0 + i] += 0.4 * env * (Pulse(p1, dt, 0.25) + Pulse(p2, dt * 1.004, 0.5) * 0.6 + std::sin(kTau * p1) * 0.8);
    }
  }
  for (double& v : b) v = lp.Run(v);
  return b;
}

// A dragon's fiery roar: a rough, low growl (saw with jittered pitch and amplitude ripple) under a rushing
// band-passed noise whose centre sweeps up and back down.
Buffer Roar(double len, double growlFreq, double sweepLow, double sweepHigh, double crackle, uint32_t seed) {
  Buffer b(Samples(len));
  Noise noise(seed), jitter(seed + 17), crack(seed + 33);
  Biquad bp(Biquad::kBandPass, sweepLow, 0.9);
  Biquad growlLp(Biquad::kLowPass, 900, 0.9);
  OnePole jitterLp(8.0);
  double phase = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    double t = double(i) / kRate, u = t / len;
    double centre = sweepLow + (sweepHigh - sweepLow) * std::sin(3.14159 * std::pow(u, 0.7));
    if (i % 64 == 0) bp.Set(Biquad::kBandPass, centre, 0.9);
    double j = jitterLp.Low(jitter.Next()) * 6.0;
    double f = growlFreq * (1.0 + 0.25 * (1 - u) + 0.08 * j);
    phase += f / kRate;
    phase -= std::floor(phase);
    double saw = 2 * phase - 1;
    double ripple = 0.6 + 0.4 * std::sin(kTau * 27.0 * t);
    double growl = growlLp.Run(saw) * ripple;
    double rush = bp.Run(noise.Next()) * 2.2;
    double pop = 0;
    if (crackle > 0 && crack.Next() > 1.0 - crackle * 0.004) pop = crack.Next() * 0.9;
    double env = std::min(1.0, t / 0.07) * std::pow(1.0 - u, 1.3);
    b[i] = std::tanh((0.9 * growl + rush + pop) * env * 1.6);
  }
  return b;
}

Buffer Crash() {
  Buffer b(Samples(1.8));
  Noise noise(6), debris(61);
  Biquad lp(Biquad::kLowPass, 3000, 0.8);
  Biquad debrisBp(Biquad::kBandPass, 2500, 2.0);
  double boomPhase = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    double t = double(i) / kRate;
    if (i % 64 == 0) lp.Set(Biquad::kLowPass, 150 + 3500 * std::exp(-t / 0.18), 0.8);
    double rumble = lp.Run(noise.Next()) * Env(t, 0.003, 0.5) * 1.6;
    boomPhase += kTau * (35 + 55 * std::exp(-t / 0.08)) / kRate;
    double boom = std::sin(boomPhase) * Env(t, 0.002, 0.35);
    double bits = 0;
    if (debris.Next() > 0.9985 - 0.002 * std::exp(-t / 0.4)) bits = debris.Next();
    double tinkle = debrisBp.Run(bits) * 2.5 * std::exp(-t / 0.6);
    b[i] = std::tanh(1.8 * (rumble + boom + tinkle));
  }
  return b;
}

Buffer PlaneHit() {
  Buffer b(Samples(0.7));
  Noise noise(7);
  Biquad bp(Biquad::kBandPass, 1800, 1.0);
  const double partials[4] = {410, 1090, 1730, 2690};
  double whinePhase = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    double t = double(i) / kRate;
    double clang = 0;
    for (int k = 0; k < 4; ++k) clang += std::sin(kTau * partials[k] * t + k) * std::exp(-t / (0.12 / (1 + 0.5 * k)));
    double burst = bp.Run(noise.Next()) * std::exp(-t / 0.05) * 2.5;
    whinePhase += (1100 * std::exp(-t / 0.25) + 140) / kRate;
    whinePhase -= std::floor(whinePhase);
    double whine = (2 * whinePhase - 1) * Env(t, 0.02, 0.25) * 0.35;
    b[i] = std::tanh(0.5 * clang + burst + whine);
  }
  return b;
}

Buffer Click() {
  Buffer b(Samples(0.03));
  Noise noise(98);
  Biquad hp(Biquad::kHighPass, 2000, 0.7);
  for (size_t i = 0; i < b.size(); ++i) {
    double t = double(i) / kRate;
    b[i] = std::sin(kTau * 1800 * t) * std::exp(-t / 0.004) + 0.4 * hp.Run(noise.Next()) * std::exp(-t / 0.0015);
  }
  return b;
}

// Two soft FM bell notes for the credits card.
Buffer Chime(double f1, double f2, double gap) {
  Buffer b(Samples(gap + 0.7), 0.0);
  for (int n = 0; n < 2; ++n) {
    double f = n ? f2 : f1;
    size_t s0 = Samples(n * gap);
    for (size_t i = 0; s0 + i < b.size(); ++i) {
      double t = double(i) / kRate;
      double idx = 2.0 * std::exp(-t / 0.15);
      b[s0 + i] += std::sin(kTau * f * t + idx * std::sin(kTau * f * 3.5 * t)) * Env(t, 0.002, 0.25) * (n ? 1.0 : 0.8);
    }
  }
  return b;
}

Buffer Whoosh() {
  Buffer b(Samples(0.6));
  Noise noise(95);
  Biquad bp(Biquad::kBandPass, 400, 1.5);
  for (size_t i = 0; i < b.size(); ++i) {
    double t = double(i) / kRate, u = t / 0.6;
    if (i % 64 == 0) bp.Set(Biquad::kBandPass, 300 + 2500 * std::sin(3.14159 * u), 1.5);
    b[i] = bp.Run(noise.Next()) * std::sin(3.14159 * u) * std::sin(3.14159 * u);
  }
  return b;
}

}  // namespace

void WriteEffects(const std::string& dir) {
  Save(dir, 1, Chime(987.77, 1318.5, 0.07), -4);          // pickup ping
  Save(dir, 2, Shot(), -4);
  Save(dir, 3, RoundStart());
  Save(dir, 4, Roar(1.1, 62, 350, 1300, 0.6, 4));
  Save(dir, 5, Roar(1.4, 48, 250, 900, 1.0, 5));
  Save(dir, 6, Crash());
  Save(dir, 7, PlaneHit());
  Save(dir, 95, Whoosh(), -5);
  Save(dir, 98, Click(), -6);
  Save(dir, 99, Chime(783.99, 1046.5, 0.11), -4);
}

}  // namespace assetgen
