// gfx: 16 frames of 64x64. Frames 0-3: the player's small propeller plane facing left, its propeller turning.
// Frames 4-7 smoke puffs (growing and fading), 8-11 sparks, 12-15 a small explosion.
#include <cmath>

#include "art.h"
#include "geom.h"

namespace assetgen {
namespace {

const Rgb kInk = Hex(0x10131c);
const Rgb kHull = Hex(0xf4f1e6);
const Rgb kHullShade = Hex(0xb9b4a6);
const Rgb kStripe = Hex(0xe8342a);
const Rgb kTrim = Hex(0x2f6fd6);

void FillGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom, double outline) {
  cairo_set_line_width(cr, outline * 2);
  SetRgb(cr, kInk);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  AddStop(p, 0, top);
  AddStop(p, 1, bottom);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Puff(cairo_t* cr, double cx, double cy, double r, double alpha, Rgb c) {
  static const double kBlobs[5][3] = {{0, 0, 1}, {-0.6, 0.2, 0.7}, {0.6, 0.25, 0.75}, {0.1, -0.5, 0.7}, {-0.3, 0.55, 0.6}};
  for (const auto& b : kBlobs) {
    double x = cx + b[0] * r, y = cy + b[1] * r, rr = b[2] * r;
    cairo_pattern_t* p = cairo_pattern_create_radial(x - rr * 0.3, y - rr * 0.3, 0, x, y, rr);
    AddStop(p, 0, Mix(c, Hex(0xffffff), 0.4), alpha);
    AddStop(p, 0.7, c, alpha * 0.8);
    AddStop(p, 1, Scale(c, 0.7), 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, rr, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
}

}  // namespace

void DrawPlaneFrame(cairo_t* cr, int frame) {
  // Far wing (seen below the fuselage, darker), tail plane, fuselage, near wing, cockpit, engine cowl, propeller.
  // Far wing tip peeks out above the fuselage.
  cairo_move_to(cr, 27, 29);
  cairo_line_to(cr, 33, 20);
  cairo_line_to(cr, 40, 20);
  cairo_line_to(cr, 41, 29);
  cairo_close_path(cr);
  FillGradient(cr, 20, 29, Hex(0x9a958a), Hex(0x6d695f), 0.8);
  // Vertical tail fin.
  cairo_move_to(cr, 48, 30);
  cairo_line_to(cr, 53, 18);
  cairo_line_to(cr, 58, 18);
  cairo_line_to(cr, 58, 31);
  cairo_close_path(cr);
  FillGradient(cr, 18, 31, kStripe, Hex(0xa81e1a), 0.8);
  // Fuselage: rounded nose on the left, tapering to the tail on the right.
  SmoothPath(cr, {{14, 32}, {17, 27}, {28, 26}, {44, 28}, {58, 29}, {60, 32}, {57, 35}, {44, 37}, {28, 39}, {17, 38}},
             true);
  FillGradient(cr, 26, 39, kHull, kHullShade, 0.9);
  // Red stripe along the fuselage.
  SmoothPath(cr, {{18, 33}, {30, 32.5}, {46, 32.5}, {59, 32}, {46, 34.5}, {30, 35}, {18, 35.5}}, true);
  SetRgb(cr, kStripe);
  cairo_fill(cr);
  // Horizontal tail plane.
  cairo_move_to(cr, 47, 33);
  cairo_line_to(cr, 60, 32);
  cairo_line_to(cr, 62, 35);
  cairo_line_to(cr, 50, 36);
  cairo_close_path(cr);
  FillGradient(cr, 32, 36, kHull, kHullShade, 0.8);
  // Cockpit canopy.
  SmoothPath(cr, {{27, 27}, {30, 22.5}, {36, 22}, {40, 27}}, false);
  cairo_close_path(cr);
  cairo_pattern_t* glass = cairo_pattern_create_linear(28, 22, 38, 28);
  AddStop(glass, 0, Hex(0xd8f4ff));
  AddStop(glass, 1, Hex(0x3d8fd0));
  cairo_set_line_width(cr, 1.6);
  SetRgb(cr, kInk);
  cairo_stroke_preserve(cr);
  cairo_set_source(cr, glass);
  cairo_fill(cr);
  cairo_pattern_destroy(glass);
  // Near wing, in front of the fuselage, slanting down toward the viewer.
  cairo_move_to(cr, 24, 34);
  cairo_line_to(cr, 41, 34);
  cairo_line_to(cr, 38, 46);
  cairo_line_to(cr, 30, 46);
  cairo_close_path(cr);
  FillGradient(cr, 34, 46, kHull, kHullShade, 0.9);
  cairo_move_to(cr, 30, 44);
  cairo_line_to(cr, 38.4, 44);
  cairo_set_line_width(cr, 2.0);
  SetRgb(cr, kTrim);
  cairo_stroke(cr);
  // Wheel strut and wheel.
  cairo_move_to(cr, 22, 37);
  cairo_line_to(cr, 21, 43);
  cairo_set_line_width(cr, 1.4);
  SetRgb(cr, kInk);
  cairo_stroke(cr);
  cairo_arc(cr, 21, 44, 2.2, 0, 2 * kPi);
  FillOutlined(cr, Hex(0x3a3a44), kInk, 0.6);
  // Engine cowl (blue) at the nose.
  SmoothPath(cr, {{12, 32}, {14, 27.5}, {20, 27}, {21, 32}, {20, 37.5}, {14, 37}}, true);
  FillGradient(cr, 27, 38, Hex(0x6aa8ff), Hex(0x1f4fa8), 0.9);
  // Spinner.
  cairo_save(cr);
  cairo_translate(cr, 11, 32);
  cairo_scale(cr, 2.2, 2.6);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  FillOutlined(cr, Hex(0xffd84a), kInk, 0.7);
  // Propeller: a faint blur disc, and the two blades at this frame's angle (seen edge-on, so their length is the
  // cosine of the angle).
  cairo_save(cr);
  cairo_translate(cr, 9.5, 32);
  cairo_scale(cr, 2.2, 13);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  SetRgb(cr, Hex(0xdfe8ff), 0.28);
  cairo_fill(cr);
  double angle = frame * kPi / 4;
  for (int blade = 0; blade < 2; ++blade) {
    double a = angle + blade * kPi;
    double len = 12 * std::cos(a), depth = 2.0 * std::sin(a);
    cairo_move_to(cr, 9.5 + depth * 0.3, 32);
    cairo_line_to(cr, 9.5 + depth, 32 - len);
    StrokeOutlined(cr, 2.2, 0.7, Hex(0xe9ecf2), kInk);
  }
  cairo_arc(cr, 9.5, 32, 1.3, 0, 2 * kPi);
  SetRgb(cr, kInk);
  cairo_fill(cr);
}

void WriteGfx(const std::string& dataDir) {
  WriteSheet(dataDir, {"gfx", 64, 64, 16, 4}, [](cairo_t* cr, int f) {
    if (f < 4) {
      DrawPlaneFrame(cr, f);
    } else if (f < 8) {  // smoke puffs
      int k = f - 4;
      Puff(cr, 32, 32, 9 + k * 5, 0.85 - k * 0.17, Mix(Hex(0x9a9aa4), Hex(0x505058), k / 3.0));
    } else if (f < 12) {  // sparks
      int k = f - 8;
      Glow(cr, 32, 32, 10 + k * 4, Hex(0xffb040), 0.8 - k * 0.12);
      Star(cr, 32, 32, 4 + k % 2 * 2, 14 + k * 3, 3, k * 0.3);
      FillOutlined(cr, Hex(0xfff4c0), Hex(0xff8a20), 0.8, 1.0 - k * 0.15);
    } else {  // explosion
      int k = f - 12;
      Glow(cr, 32, 32, 16 + k * 5, Hex(0xff5a10), 0.9 - k * 0.15);
      Star(cr, 32, 32, 9, 12 + k * 5, 7 + k * 4, k * 0.4);
      FillOutlined(cr, Mix(Hex(0xfff0a0), Hex(0xff7020), k / 3.0), Hex(0x701808), 1.0, 1.0 - k * 0.2);
      Glow(cr, 32, 32, 8 + k * 2, Hex(0xffffe0), 0.9 - k * 0.25);
    }
  });
}

}  // namespace assetgen
