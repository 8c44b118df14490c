// WAV output and the shared DSP pieces.
#include "audio.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "art.h"

namespace assetgen {

void Normalize(Buffer& b, double peakDb) {
  double peak = 0;
  for (double v : b) peak = std::max(peak, std::fabs(v));
  if (peak <= 0) return;
  double k = std::pow(10.0, peakDb / 20.0) / peak;
  for (double& v : b) v *= k;
}

void FadeEdges(Buffer& b, double inSeconds, double outSeconds) {
  size_t nIn = std::min(b.size(), Samples(inSeconds)), nOut = std::min(b.size(), Samples(outSeconds));
  for (size_t i = 0; i < nIn; ++i) b[i] *= double(i) / nIn;
  for (size_t i = 0; i < nOut; ++i) b[b.size() - 1 - i] *= double(i) / nOut;
}

static void Put16(std::FILE* f, uint16_t v) { std::fputc(v & 255, f); std::fputc(v >> 8, f); }
static void Put32(std::FILE* f, uint32_t v) { Put16(f, v & 0xFFFF); Put16(f, v >> 16); }

void WriteWav(const std::string& path, Buffer samples, double peakDb, bool removeDc) {
  if (removeDc && !samples.empty()) {
    double mean = 0;
    for (double v : samples) mean += v;
    mean /= samples.size();
    for (double& v : samples) v -= mean;
  }
  Normalize(samples, peakDb);
  EnsureParentDir(path);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    std::exit(1);
  }
  uint32_t dataBytes = uint32_t(samples.size() * 2);
  std::fwrite("RIFF", 1, 4, f);
  Put32(f, 36 + dataBytes);
  std::fwrite("WAVE", 1, 4, f);
  std::fwrite("fmt ", 1, 4, f);
  Put32(f, 16);
  Put16(f, 1);          // PCM
  Put16(f, 1);          // mono
  Put32(f, kRate);
  Put32(f, kRate * 2);  // byte rate
  Put16(f, 2);          // block align
  Put16(f, 16);         // bits per sample
  std::fwrite("data", 1, 4, f);
  Put32(f, dataBytes);
  for (double v : samples) {
    long s = std::lround(v * 32767.0);
    s = std::clamp(s, -32768L, 32767L);
    Put16(f, uint16_t(int16_t(s)));
  }
  std::fclose(f);
}

void Biquad::Set(Type t, double freq, double q, double gainDb) {
  double w = 2 * 3.14159265358979 * std::min(freq, kRate * 0.49) / kRate;
  double cw = std::cos(w), sw = std::sin(w), alpha = sw / (2 * q);
  double A = std::pow(10.0, gainDb / 40.0);
  double b0, b1, b2, a0, a1, a2;
  switch (t) {
    case kLowPass: b0 = (1 - cw) / 2; b1 = 1 - cw; b2 = b0; a0 = 1 + alpha; a1 = -2 * cw; a2 = 1 - alpha; break;
    case kHighPass: b0 = (1 + cw) / 2; b1 = -(1 + cw); b2 = b0; a0 = 1 + alpha; a1 = -2 * cw; a2 = 1 - alpha; break;
    case kBandPass: b0 = alpha; b1 = 0; b2 = -alpha; a0 = 1 + alpha; a1 = -2 * cw; a2 = 1 - alpha; break;
    default:
      b0 = 1 + alpha * A; b1 = -2 * cw; b2 = 1 - alpha * A; a0 = 1 + alpha / A; a1 = -2 * cw; a2 = 1 - alpha / A;
  }
  b0_ = b0 / a0; b1_ = b1 / a0; b2_ = b2 / a0; a1_ = a1 / a0; a2_ = a2 / a0;
}

Buffer Reverb(const Buffer& in, double roomSize, double damping, double tail) {
  static const int kComb[4] = {1557, 1617, 1491, 1422};
  static const int kAll[2] = {556, 441};
  size_t n = in.size() + Samples(tail);
  Buffer out(n, 0.0);
  for (int c = 0; c < 4; ++c) {
    int len = int(kComb[c] * (0.6 + roomSize));
    std::vector<double> line(len, 0.0);
    double store = 0;
    int pos = 0;
    for (size_t i = 0; i < n; ++i) {
      double x = i < in.size() ? in[i] : 0.0;
      double y = line[pos];
      store = y * (1 - damping) + store * damping;
      line[pos] = x + store * (0.70 + 0.28 * roomSize);
      if (++pos == len) pos = 0;
      out[i] += y * 0.25;
    }
  }
  for (int a = 0; a < 2; ++a) {
    std::vector<double> line(kAll[a], 0.0);
    int pos = 0;
    for (size_t i = 0; i < n; ++i) {
      double buf = line[pos];
      double y = -out[i] + buf;
      line[pos] = out[i] + buf * 0.5;
      if (++pos == kAll[a]) pos = 0;
      out[i] = y;
    }
  }
  return out;
}

}  // namespace assetgen
