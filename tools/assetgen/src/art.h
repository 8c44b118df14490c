// Shared drawing helpers of the asset generator: sprite sheets written at three resolutions, colours, a fixed-seed
// random generator and a few path helpers. Every drawing function works in base-resolution units; the sheet writer
// scales the Cairo context by 1, 2 or 4, so the HD files are real vector renderings at their size.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>

namespace assetgen {

constexpr double kPi = 3.14159265358979323846;

// A deterministic generator (xorshift64*), seeded by hand: never by the clock.
class Rng {
public:
  explicit Rng(uint64_t seed) : state_(seed * 2654435761ull + 0x9E3779B97F4A7C15ull) {}
  uint64_t Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 2685821657736338717ull;
  }
  double Uniform() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
  double Signed() { return Uniform() * 2.0 - 1.0; }                               // [-1, 1)

private:
  uint64_t state_;
};

struct Rgb {
  double r, g, b;
};
inline Rgb Hex(uint32_t v) { return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0}; }
inline Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
inline Rgb Scale(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
inline void SetRgb(cairo_t* cr, Rgb c, double a = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }
inline void AddStop(cairo_pattern_t* p, double at, Rgb c, double a = 1.0) {
  cairo_pattern_add_color_stop_rgba(p, at, c.r, c.g, c.b, a);
}
Rgb Hsv(double h, double s, double v);  // h in turns [0, 1)

// Draws frame `frame` of a sheet into a context already translated to the frame's top-left corner and scaled to base
// units, clipped to the frame.
using FrameFn = std::function<void(cairo_t* cr, int frame)>;

struct SheetSpec {
  std::string stem;  // e.g. "common/icons" (relative to the data dir, without ".png")
  int frameW, frameH, frames, columns;
};

// Writes stem.png, stem-hd.png and stem-hd2.png.
void WriteSheet(const std::string& dataDir, const SheetSpec& layout, const FrameFn& draw);
// Writes one sheet at one scale to an explicit file name (used for plinth_font.png and the mock scene).
void WriteSheetAt(const std::string& path, const SheetSpec& layout, int scale, const FrameFn& draw);
// Renders one sheet at one scale into a new image surface (caller destroys it).
cairo_surface_t* RenderSheet(const SheetSpec& layout, int scale, const FrameFn& draw);

void EnsureParentDir(const std::string& path);
void WritePng(cairo_surface_t* surface, const std::string& path);

// Path helpers (base units).
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Star(cairo_t* cr, double cx, double cy, int points, double rOuter, double rInner, double rotation);
// Strokes the current path twice: a dark outline of width w + 2 * outline, then the colour at width w. Clears path.
void StrokeOutlined(cairo_t* cr, double w, double outline, Rgb color, Rgb dark, double alpha = 1.0);
// Fills the current path with `fill` and strokes it with a dark outline (path is kept for neither). Clears path.
void FillOutlined(cairo_t* cr, Rgb fill, Rgb dark, double outline, double alpha = 1.0);
// A soft radial glow.
void Glow(cairo_t* cr, double cx, double cy, double radius, Rgb color, double alpha);

// Our own vector lettering: stroke skeletons of capital letters and digits on a 4 by 6 grid (x right, y down).
// Adds the letter's skeleton to the current path with the grid mapped by (x0 + gx * ux, y0 + gy * uy), sheared by
// `slant` (x moves by -slant * gy * uy). Returns false for a letter that has no design.
bool LetterPath(cairo_t* cr, char c, double x0, double y0, double ux, double uy, double slant);
// Adds a whole word (letters advanced by 4 * ux + gap) to the path; returns the width it took.
double WordPath(cairo_t* cr, const std::string& word, double x0, double y0, double ux, double uy, double gap,
                double slant);
double WordWidth(const std::string& word, double ux, double gap);

// The individual asset writers (one file each).
void WriteDragon(const std::string& dataDir);
void DrawDragonFrame(cairo_t* cr, int frame);
void WriteGfx(const std::string& dataDir);
void DrawPlaneFrame(cairo_t* cr, int frame);
void WriteLogo(const std::string& dataDir);
void DrawLogo(cairo_t* cr);
void WriteFonts(const std::string& dataDir);
void WriteIcons(const std::string& dataDir);
void WriteButtons(const std::string& dataDir);
void DrawEmblem(cairo_t* cr);
void WriteDpad(const std::string& dataDir);
void WriteIcade(const std::string& dataDir);
void WriteStudioLogo(const std::string& dataDir);
void WriteMenu(const std::string& dataDir);
void WriteParts(const std::string& dataDir);
void WriteBadges(const std::string& dataDir);
void WriteMockScene(const std::string& path, int scale);

}  // namespace assetgen
