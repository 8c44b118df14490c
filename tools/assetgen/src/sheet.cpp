// Sprite sheets at three resolutions, PNG output and the shared path helpers.
#include "art.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace assetgen {

Rgb Hsv(double h, double s, double v) {
  h = h - std::floor(h);
  double i = std::floor(h * 6.0), f = h * 6.0 - i;
  double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  switch (int(i) % 6) {
    case 0: return {v, t, p};
    case 1: return {q, v, p};
    case 2: return {p, v, t};
    case 3: return {p, q, v};
    case 4: return {t, p, v};
    default: return {v, p, q};
  }
}

void EnsureParentDir(const std::string& path) {
  for (size_t i = 1; i < path.size(); ++i) {
    if (path[i] == '/') mkdir(path.substr(0, i).c_str(), 0755);
  }
}

void WritePng(cairo_surface_t* surface, const std::string& path) {
  EnsureParentDir(path);
  cairo_surface_flush(surface);
  if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    std::exit(1);
  }
}

cairo_surface_t* RenderSheet(const SheetSpec& layout, int scale, const FrameFn& draw) {
  int rows = (layout.frames + layout.columns - 1) / layout.columns;
  int w = layout.frameW * layout.columns * scale, h = layout.frameH * rows * scale;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(surface);
  for (int f = 0; f < layout.frames; ++f) {
    int col = f % layout.columns, row = f / layout.columns;
    cairo_save(cr);
    cairo_translate(cr, col * layout.frameW * scale, row * layout.frameH * scale);
    cairo_scale(cr, scale, scale);
    cairo_rectangle(cr, 0, 0, layout.frameW, layout.frameH);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    draw(cr, f);
    cairo_restore(cr);
  }
  if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "assetgen: cairo error in %s: %s\n", layout.stem.c_str(),
                 cairo_status_to_string(cairo_status(cr)));
    std::exit(1);
  }
  cairo_destroy(cr);
  return surface;
}

void WriteSheetAt(const std::string& path, const SheetSpec& layout, int scale, const FrameFn& draw) {
  cairo_surface_t* s = RenderSheet(layout, scale, draw);
  WritePng(s, path);
  cairo_surface_destroy(s);
}

void WriteSheet(const std::string& dataDir, const SheetSpec& layout, const FrameFn& draw) {
  static const struct { int scale; const char* suffix; } kLevels[] = {{1, ""}, {2, "-hd"}, {4, "-hd2"}};
  for (const auto& level : kLevels) {
    WriteSheetAt(dataDir + "/" + layout.stem + level.suffix + ".png", layout, level.scale, draw);
  }
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
  cairo_close_path(cr);
}

void Star(cairo_t* cr, double cx, double cy, int points, double rOuter, double rInner, double rotation) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    double a = rotation + kPi * i / points - kPi / 2;
    double r = (i % 2) ? rInner : rOuter;
    cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
  }
  cairo_close_path(cr);
}

void StrokeOutlined(cairo_t* cr, double w, double outline, Rgb color, Rgb dark, double alpha) {
  cairo_set_line_width(cr, w + 2 * outline);
  SetRgb(cr, dark, alpha);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, w);
  SetRgb(cr, color, alpha);
  cairo_stroke(cr);
}

void FillOutlined(cairo_t* cr, Rgb fill, Rgb dark, double outline, double alpha) {
  cairo_set_line_width(cr, outline * 2);
  SetRgb(cr, dark, alpha);
  cairo_stroke_preserve(cr);
  SetRgb(cr, fill, alpha);
  cairo_fill(cr);
}

void Glow(cairo_t* cr, double cx, double cy, double radius, Rgb color, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  AddStop(p, 0, color, alpha);
  AddStop(p, 0.4, color, alpha * 0.45);
  AddStop(p, 1, color, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// ---- Lettering -------------------------------------------------------------------------------------------------
// Each letter is a list of strokes; a stroke is a list of grid points; -1 ends a stroke, -2 ends the letter.
namespace {
struct Glyph {
  char c;
  double pts[40];
};
// clang-format off
const Glyph kGlyphs[] = {
  {'A', {0,6, 0,1.2, 1.2,0, 2.8,0, 4,1.2, 4,6, -1, 0,3.4, 4,3.4, -2}},
  {'B', {0,0, 3,0, 4,1, 4,2, 3,3, 0,3, -1, 3,3, 4,4, 4,5, 3,6, 0,6, 0,0, -2}},
  {'C', {4,0, 1,0, 0,1, 0,5, 1,6, 4,6, -2}},
  {'D', {0,0, 2.8,0, 4,1.2, 4,4.8, 2.8,6, 0,6, 0,0, -2}},
  {'E', {4,0, 0,0, 0,6, 4,6, -1, 0,3, 3,3, -2}},
  {'F', {4,0, 0,0, 0,6, -1, 0,3, 3,3, -2}},
  {'G', {4,0, 1,0, 0,1, 0,5, 1,6, 4,6, 4,3.2, 2.2,3.2, -2}},
  {'H', {0,0, 0,6, -1, 4,0, 4,6, -1, 0,3, 4,3, -2}},
  {'I', {2,0, 2,6, -1, 0.8,0, 3.2,0, -1, 0.8,6, 3.2,6, -2}},
  {'K', {0,0, 0,6, -1, 4,0, 1.2,3, 0,3, -1, 1.2,3, 4,6, -2}},
  {'L', {0,0, 0,6, 4,6, -2}},
  {'M', {0,6, 0,0, 2,2.6, 4,0, 4,6, -2}},
  {'N', {0,6, 0,0, 4,6, 4,0, -2}},
  {'O', {1,0, 3,0, 4,1, 4,5, 3,6, 1,6, 0,5, 0,1, 1,0, -2}},
  {'P', {0,6, 0,0, 3,0, 4,1, 4,2, 3,3, 0,3, -2}},
  {'R', {0,6, 0,0, 3,0, 4,1, 4,2, 3,3, 0,3, -1, 2,3, 4,6, -2}},
  {'S', {4,0, 1,0, 0,1, 0,2, 1,3, 3,3, 4,4, 4,5, 3,6, 0,6, -2}},
  {'T', {0,0, 4,0, -1, 2,0, 2,6, -2}},
  {'U', {0,0, 0,5, 1,6, 3,6, 4,5, 4,0, -2}},
  {'V', {0,0, 2,6, 4,0, -2}},
  {'W', {0,0, 0.8,6, 2,3, 3.2,6, 4,0, -2}},
  {'X', {0,0, 4,6, -1, 4,0, 0,6, -2}},
  {'Y', {0,0, 2,3, 4,0, -1, 2,3, 2,6, -2}},
};
// clang-format on
}  // namespace

bool LetterPath(cairo_t* cr, char c, double x0, double y0, double ux, double uy, double slant) {
  for (const Glyph& g : kGlyphs) {
    if (g.c != c) continue;
    bool start = true;
    for (int i = 0; g.pts[i] != -2; ) {
      if (g.pts[i] == -1) { start = true; ++i; continue; }
      double gx = g.pts[i], gy = g.pts[i + 1];
      double x = x0 + gx * ux + slant * (6 - gy) * uy, y = y0 + gy * uy;
      if (start) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
      start = false;
      i += 2;
    }
    return true;
  }
  return false;
}

double WordWidth(const std::string& word, double ux, double gap) {
  return word.empty() ? 0 : word.size() * 4 * ux + (word.size() - 1) * gap;
}

double WordPath(cairo_t* cr, const std::string& word, double x0, double y0, double ux, double uy, double gap,
                double slant) {
  double x = x0;
  for (char c : word) {
    LetterPath(cr, c, x, y0, ux, uy, slant);
    x += 4 * ux + gap;
  }
  return WordWidth(word, ux, gap);
}

}  // namespace assetgen
