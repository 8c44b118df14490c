// The bitmap fonts: fonts/editundo (128 glyphs of 16x16 for codes 32..159, the game's text font) and plinth_font.png
// (the graphics module's default font: 96 glyphs in one row, each frame 10x16 with a one-pixel border left and
// right). Glyphs are white with a one-pixel dark outline so they read on any background after the game tints them.
// The pixel font is scaled by whole pixels for the HD files, which keeps it crisp.
#include <cstring>

#include "art.h"

namespace assetgen {
namespace {

struct PixelGlyph {
  int code;
  const char* rows[9];
};

const PixelGlyph kFont[] = {
#include "font_glyphs.inc"
};

const PixelGlyph* Find(int code) {
  for (const PixelGlyph& g : kFont) {
    if (g.code == code) return &g;
  }
  return nullptr;
}

bool Ink(const PixelGlyph* g, int x, int y) {
  if (!g || x < 0 || x >= 5 || y < 0 || y >= 9 || !g->rows[y]) return false;
  return g->rows[y][x] == '#';
}

// Draws glyph `code` with its 5x9 body's top-left pixel at (x0, y0), in base pixels.
void DrawGlyph(cairo_t* cr, int code, int x0, int y0) {
  const PixelGlyph* g = Find(code);
  if (!g) return;
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  // Outline: every empty pixel touching ink (8-neighbourhood).
  cairo_set_source_rgba(cr, 0.06, 0.05, 0.10, 1.0);
  for (int y = -1; y <= 9; ++y) {
    for (int x = -1; x <= 5; ++x) {
      if (Ink(g, x, y)) continue;
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy)
        for (int dx = -1; dx <= 1 && !near; ++dx) near = Ink(g, x + dx, y + dy);
      if (near) cairo_rectangle(cr, x0 + x, y0 + y, 1, 1);
    }
  }
  cairo_fill(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 1);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 5; ++x)
      if (Ink(g, x, y)) cairo_rectangle(cr, x0 + x, y0 + y, 1, 1);
  cairo_fill(cr);
}

}  // namespace

void WriteFonts(const std::string& dataDir) {
  // 16x16 cells, the body centred: columns 6..10, capitals on rows 5..11, descenders on rows 12..13.
  WriteSheet(dataDir, {"fonts/editundo", 16, 16, 128, 16}, [](cairo_t* cr, int f) { DrawGlyph(cr, 32 + f, 6, 5); });
  // plinth_font.png: base resolution only, 96 frames of 10x16 in one row (border, 8 glyph pixels, border).
  WriteSheetAt(dataDir + "/plinth_font.png", {"plinth_font", 10, 16, 96, 96}, 1,
               [](cairo_t* cr, int f) { DrawGlyph(cr, 32 + f, 3, 4); });
}

}  // namespace assetgen
