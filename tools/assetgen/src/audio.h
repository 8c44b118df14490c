// Sound helpers of the asset generator: a canonical 44-byte-header WAV writer (16-bit PCM mono) and the small DSP
// pieces the effects, drums and instruments are built from.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

constexpr int kRate = 44100;
using Buffer = std::vector<double>;

// Removes any DC offset (optional), scales the peak to `peakDb` dBFS and writes 16-bit PCM mono at kRate.
void WriteWav(const std::string& path, Buffer samples, double peakDb = -3.0, bool removeDc = true);
void Normalize(Buffer& b, double peakDb);
// Short linear fades at the start and end so one-shots never click.
void FadeEdges(Buffer& b, double inSeconds, double outSeconds);

// White noise from a fixed-seed generator.
class Noise {
public:
  explicit Noise(uint32_t seed) : s_(seed ? seed : 1) {}
  double Next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return (s_ * (1.0 / 4294967296.0)) * 2.0 - 1.0;
  }

private:
  uint32_t s_;
};

// RBJ biquad filter.
class Biquad {
public:
  enum Type { kLowPass, kHighPass, kBandPass, kPeak };
  Biquad(Type t, double freq, double q, double gainDb = 0) { Set(t, freq, q, gainDb); }
  void Set(Type t, double freq, double q, double gainDb = 0);
  double Run(double x) {
    double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_; x1_ = x; y2_ = y1_; y1_ = y;
    return y;
  }

private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

class OnePole {
public:
  explicit OnePole(double cutoff) { Set(cutoff); }
  void Set(double cutoff) { k_ = 1.0 - std::exp(-2.0 * 3.14159265358979 * cutoff / kRate); }
  double Low(double x) { return y_ += k_ * (x - y_); }
  double High(double x) { return x - Low(x); }

private:
  double k_ = 0, y_ = 0;
};

// A small fixed Schroeder reverb (four combs, two all-passes); returns the wet signal only, `tail` seconds longer.
Buffer Reverb(const Buffer& in, double roomSize, double damping, double tail);

inline double Seconds(const Buffer& b) { return double(b.size()) / kRate; }
inline size_t Samples(double seconds) { return size_t(seconds * kRate + 0.5); }

void WriteEffects(const std::string& dataDir);
void WriteInstruments(const std::string& dataDir);
void WriteDrums(const std::string& dataDir);

}  // namespace assetgen
