// logo: the title lettering "SKARNFELL" (256x128), bold letters of our own stroke design with a fiery gradient,
// a dark outline and flame tongues licking up behind them.
#include <cmath>

#include "art.h"
#include "geom.h"

namespace assetgen {
namespace {

constexpr double kUx = 4.6, kUy = 8.4, kGap = 8.0, kSlant = 0.12;
const char* const kTitle = "SKARNFELL";

void TitlePath(cairo_t* cr, double dx, double dy) {
  double w = WordWidth(kTitle, kUx, kGap);
  double x0 = (256 - w) / 2 - kSlant * 3 * kUy + dx, y0 = 64 - 3 * kUy + 4 + dy;
  WordPath(cr, kTitle, x0, y0, kUx, kUy, kGap, kSlant);
}

void Flame(cairo_t* cr, double x, double base, double h, double w, double lean) {
  P b{x, base};
  std::vector<P> pts = {b + P{-w, 0}, b + P{-w * 0.9 + lean * 0.3, -h * 0.45}, b + P{lean, -h},
                        b + P{w * 0.7 + lean * 0.4, -h * 0.5}, b + P{w, 0}};
  SmoothPath(cr, pts, true);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, base, 0, base - h);
  AddStop(p, 0, Hex(0xff3a10), 0.95);
  AddStop(p, 0.5, Hex(0xff8a1a), 0.85);
  AddStop(p, 1, Hex(0xffe060), 0.15);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

}  // namespace

void DrawLogo(cairo_t* cr) {
  // Flames behind the lettering.
  Rng rng(77);
  double w = WordWidth(kTitle, kUx, kGap);
  double x0 = (256 - w) / 2;
  double top = 64 - 3 * kUy + 4;
  Glow(cr, 128, top + 10, 120, Hex(0xff4a10), 0.25);
  for (int i = 0; i < 26; ++i) {
    double x = x0 + 4 + (w - 8) * (i + rng.Range(0.1, 0.9)) / 26;
    double h = rng.Range(26, 46) * (0.75 + 0.25 * std::sin(kPi * (x - x0) / w));
    Flame(cr, x, top + 16, h, rng.Range(5, 8), rng.Range(-7, 7));
  }
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_miter_limit(cr, 1.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  // Drop shadow.
  TitlePath(cr, 2.5, 3.5);
  cairo_set_line_width(cr, 13);
  SetRgb(cr, Hex(0x1a0200), 0.6);
  cairo_stroke(cr);
  // Dark outline.
  TitlePath(cr, 0, 0);
  cairo_set_line_width(cr, 12);
  SetRgb(cr, Hex(0x2a0500));
  cairo_stroke(cr);
  // Fiery fill: white-hot at the top to deep red at the bottom.
  TitlePath(cr, 0, 0);
  cairo_set_line_width(cr, 7.5);
  cairo_pattern_t* fire = cairo_pattern_create_linear(0, top - 4, 0, top + 6 * kUy + 4);
  AddStop(fire, 0, Hex(0xfffbd0));
  AddStop(fire, 0.25, Hex(0xffd84a));
  AddStop(fire, 0.6, Hex(0xff7a18));
  AddStop(fire, 1, Hex(0xc81e0c));
  cairo_set_source(cr, fire);
  cairo_stroke(cr);
  cairo_pattern_destroy(fire);
}

void WriteLogo(const std::string& dataDir) {
  WriteSheet(dataDir, {"logo", 256, 128, 1, 1}, [](cairo_t* cr, int) { DrawLogo(cr); });
}

}  // namespace assetgen
