// The remaining sheets: common/PlovoLogo (our studio's mark, "Foxglow"), menu decorations, particles, the 64
// achievement badges, and the mock scene used to check how the art reads in the game's colours.
#include <cmath>

#include "art.h"
#include "geom.h"

namespace assetgen {
namespace {

const Rgb kDark = Hex(0x14141c);

void Polygon(cairo_t* cr, std::initializer_list<P> pts) {
  bool first = true;
  for (P q : pts) {
    if (first) cairo_move_to(cr, q.x, q.y); else cairo_line_to(cr, q.x, q.y);
    first = false;
  }
  cairo_close_path(cr);
}

void DrawStudioLogo(cairo_t* cr) {
  const Rgb ink = Hex(0x0e0f22), gold = Hex(0xffc24a), fox = Hex(0xff7a1e);
  // Disc with a golden rim.
  cairo_arc(cr, 128, 128, 120, 0, 2 * kPi);
  cairo_pattern_t* bg = cairo_pattern_create_radial(128, 100, 10, 128, 128, 124);
  AddStop(bg, 0, Hex(0x3a2e6a));
  AddStop(bg, 1, Hex(0x141432));
  cairo_set_source(cr, bg);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(bg);
  cairo_set_line_width(cr, 9);
  SetRgb(cr, ink);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 5);
  SetRgb(cr, gold);
  cairo_stroke(cr);
  Glow(cr, 128, 98, 80, Hex(0xffa040), 0.45);
  // The fox: a geometric head.
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Polygon(cr, {{76, 30}, {106, 62}, {150, 62}, {180, 30}, {184, 84}, {128, 146}, {72, 84}});
  cairo_pattern_t* fur = cairo_pattern_create_linear(0, 30, 0, 146);
  AddStop(fur, 0, Mix(fox, Hex(0xffd060), 0.35));
  AddStop(fur, 1, Scale(fox, 0.8));
  cairo_set_line_width(cr, 6);
  SetRgb(cr, ink);
  cairo_stroke_preserve(cr);
  cairo_set_source(cr, fur);
  cairo_fill(cr);
  cairo_pattern_destroy(fur);
  Polygon(cr, {{84, 44}, {102, 64}, {90, 72}});
  Polygon(cr, {{172, 44}, {154, 64}, {166, 72}});
  SetRgb(cr, Hex(0x5a1a10));
  cairo_fill(cr);
  Polygon(cr, {{72, 84}, {110, 104}, {128, 146}});
  Polygon(cr, {{184, 84}, {146, 104}, {128, 146}});
  SetRgb(cr, Hex(0xfff4e4));
  cairo_fill(cr);
  Polygon(cr, {{120, 134}, {136, 134}, {128, 146}});
  SetRgb(cr, ink);
  cairo_fill(cr);
  for (int side = -1; side <= 1; side += 2) {
    cairo_save(cr);
    cairo_translate(cr, 128 + side * 22, 92);
    cairo_rotate(cr, side * 0.45);
    cairo_scale(cr, 8, 3.6);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    SetRgb(cr, ink);
    cairo_fill(cr);
  }
  // Lettering: FOXGLOW, and GAMES underneath.
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_miter_limit(cr, 1.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  double w = WordWidth("FOXGLOW", 5.2, 7);
  for (int pass = 0; pass < 2; ++pass) {
    WordPath(cr, "FOXGLOW", 128 - w / 2, 162, 5.2, 6.0, 7, 0);
    cairo_set_line_width(cr, pass ? 5 : 10);
    SetRgb(cr, pass ? Hex(0xfff2dc) : ink);
    cairo_stroke(cr);
  }
  double w2 = WordWidth("GAMES", 2.6, 5);
  for (int pass = 0; pass < 2; ++pass) {
    WordPath(cr, "GAMES", 128 - w2 / 2, 206, 2.6, 2.6, 5, 0);
    cairo_set_line_width(cr, pass ? 2.4 : 5.5);
    SetRgb(cr, pass ? gold : ink);
    cairo_stroke(cr);
  }
}

// ---- Badges -----------------------------------------------------------------------------------------------------
void BadgeSymbol(cairo_t* cr, int kind, double cx, double cy, double s) {
  switch (kind) {
    case 0: Star(cr, cx, cy + s * 0.08, 5, s, s * 0.42, 0); break;
    case 1:  // flame
      SmoothPath(cr, {{cx, cy - s}, {cx + s * 0.55, cy - s * 0.1}, {cx + s * 0.6, cy + s * 0.5}, {cx, cy + s * 0.9},
                      {cx - s * 0.6, cy + s * 0.5}, {cx - s * 0.45, cy - s * 0.2}, {cx - s * 0.1, cy}},
                 true);
      break;
    case 2:  // eye
      cairo_move_to(cr, cx - s, cy);
      cairo_curve_to(cr, cx - s * 0.4, cy - s * 0.8, cx + s * 0.4, cy - s * 0.8, cx + s, cy);
      cairo_curve_to(cr, cx + s * 0.4, cy + s * 0.8, cx - s * 0.4, cy + s * 0.8, cx - s, cy);
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      cairo_arc_negative(cr, cx, cy, s * 0.32, 2 * kPi, 0);
      break;
    case 3:  // wing
      Polygon(cr, {{cx - s, cy - s * 0.6}, {cx + s, cy - s * 0.2}, {cx + s * 0.6, cy + s * 0.1},
                   {cx + s * 0.7, cy + s * 0.5}, {cx + s * 0.1, cy + s * 0.3}, {cx, cy + s * 0.8},
                   {cx - s * 0.5, cy + s * 0.3}});
      break;
    case 4:  // crown
      Polygon(cr, {{cx - s, cy + s * 0.6}, {cx - s, cy - s * 0.5}, {cx - s * 0.5, cy}, {cx, cy - s * 0.8},
                   {cx + s * 0.5, cy}, {cx + s, cy - s * 0.5}, {cx + s, cy + s * 0.6}});
      break;
    case 5:  // shield
      cairo_move_to(cr, cx - s * 0.8, cy - s * 0.8);
      cairo_line_to(cr, cx + s * 0.8, cy - s * 0.8);
      cairo_curve_to(cr, cx + s * 0.8, cy + s * 0.2, cx + s * 0.4, cy + s * 0.7, cx, cy + s);
      cairo_curve_to(cr, cx - s * 0.4, cy + s * 0.7, cx - s * 0.8, cy + s * 0.2, cx - s * 0.8, cy - s * 0.8);
      cairo_close_path(cr);
      break;
    case 6:  // bolt
      Polygon(cr, {{cx + s * 0.2, cy - s}, {cx - s * 0.6, cy + s * 0.15}, {cx - s * 0.05, cy + s * 0.15},
                   {cx - s * 0.25, cy + s}, {cx + s * 0.6, cy - s * 0.2}, {cx + s * 0.05, cy - s * 0.2}});
      break;
    default:  // plane silhouette
      Polygon(cr, {{cx - s, cy}, {cx - s * 0.6, cy - s * 0.2}, {cx + s * 0.7, cy - s * 0.15}, {cx + s * 0.9, cy - s * 0.6},
                   {cx + s, cy - s * 0.6}, {cx + s, cy + s * 0.15}, {cx + s * 0.2, cy + s * 0.2},
                   {cx - s * 0.1, cy + s * 0.75}, {cx - s * 0.35, cy + s * 0.75}, {cx - s * 0.3, cy + s * 0.2},
                   {cx - s * 0.6, cy + s * 0.2}});
      break;
  }
}

void Badge(cairo_t* cr, int f) {
  int kind = f % 8, tier = f / 8;
  Rgb metal = Hsv(0.02 + tier * 0.125, tier == 7 ? 0.05 : 0.75, 0.95);
  Rgb ribbon = Hsv(0.6 + kind * 0.11, 0.7, 0.85);
  // Ribbon tails.
  Polygon(cr, {{20, 2}, {30, 2}, {34, 28}, {24, 30}});
  Polygon(cr, {{44, 2}, {34, 2}, {30, 28}, {40, 30}});
  FillOutlined(cr, ribbon, kDark, 1.0);
  // Medal with a scalloped rim.
  Star(cr, 32, 38, 16, 24, 21.5, 0);
  cairo_pattern_t* rim = cairo_pattern_create_linear(12, 16, 52, 60);
  AddStop(rim, 0, Mix(metal, Hex(0xffffff), 0.5));
  AddStop(rim, 1, Scale(metal, 0.55));
  cairo_set_line_width(cr, 2);
  SetRgb(cr, kDark);
  cairo_stroke_preserve(cr);
  cairo_set_source(cr, rim);
  cairo_fill(cr);
  cairo_pattern_destroy(rim);
  cairo_arc(cr, 32, 38, 17, 0, 2 * kPi);
  cairo_pattern_t* face = cairo_pattern_create_radial(27, 32, 2, 32, 38, 18);
  AddStop(face, 0, Mix(metal, Hex(0xffffff), 0.3));
  AddStop(face, 1, Scale(metal, 0.7));
  cairo_set_source(cr, face);
  cairo_fill(cr);
  cairo_pattern_destroy(face);
  BadgeSymbol(cr, kind, 32, 38, 10);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  FillOutlined(cr, Hex(0xfffbf0), Scale(metal, 0.3), 1.0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  // Tier pips.
  for (int i = 0; i <= tier % 4; ++i) {
    cairo_arc(cr, 32 - (tier % 4) * 3 + i * 6, 58.5, 1.8, 0, 2 * kPi);
    FillOutlined(cr, Hex(0xffffff), kDark, 0.5);
  }
}

// ---- Menu decorations -------------------------------------------------------------------------------------------
void MenuFrame(cairo_t* cr, int f) {
  Rng rng(500 + f);
  switch (f) {
    case 0: {  // a great moon with craters
      Glow(cr, 128, 128, 126, Hex(0xb8c8ff), 0.35);
      cairo_arc(cr, 128, 128, 92, 0, 2 * kPi);
      cairo_pattern_t* p = cairo_pattern_create_radial(100, 96, 10, 128, 128, 96);
      AddStop(p, 0, Hex(0xfbf8ea));
      AddStop(p, 1, Hex(0xa8acc0));
      cairo_set_source(cr, p);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
      for (int i = 0; i < 14; ++i) {
        double a = rng.Range(0, 2 * kPi), r = std::sqrt(rng.Uniform()) * 72, cr0 = rng.Range(5, 16);
        cairo_arc(cr, 128 + std::cos(a) * r, 128 + std::sin(a) * r, cr0, 0, 2 * kPi);
        SetRgb(cr, Hex(0x8a8ea8), 0.35);
        cairo_fill(cr);
      }
      break;
    }
    case 1: {  // mountains with a castle: the fell
      Polygon(cr, {{0, 256}, {0, 170}, {40, 120}, {70, 150}, {120, 70}, {160, 130}, {200, 96}, {256, 160},
                   {256, 256}});
      cairo_pattern_t* p = cairo_pattern_create_linear(0, 70, 0, 256);
      AddStop(p, 0, Hex(0x4a4a6a));
      AddStop(p, 1, Hex(0x141428));
      cairo_set_source(cr, p);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
      Polygon(cr, {{120, 70}, {108, 88}, {118, 86}, {124, 96}, {132, 84}, {140, 92}});
      SetRgb(cr, Hex(0xe8ecf8));
      cairo_fill(cr);
      for (int i = 0; i < 3; ++i) {
        double x = 150 + i * 18, h = 40 + (i == 1) * 22;
        cairo_rectangle(cr, x, 150 - h, 14, h + 10);
        Polygon(cr, {{x - 2, 150 - h}, {x + 7, 150 - h - 14}, {x + 16, 150 - h}});
      }
      SetRgb(cr, Hex(0x1a1a2e));
      cairo_fill(cr);
      for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, 154 + i * 18, 120 - (i == 1) * 20, 5, 7);
      }
      SetRgb(cr, Hex(0xffc040));
      cairo_fill(cr);
      break;
    }
    case 2: {  // an ornamental corner of flame curls
      for (int k = 0; k < 5; ++k) {
        double s = 1.0 - k * 0.16;
        cairo_move_to(cr, 8, 248);
        cairo_curve_to(cr, 8, 120 * s + 20, 60 * s, 20 + k * 12, 248 * s, 8 + k * 10);
        StrokeOutlined(cr, 7 - k, 1.5, Mix(Hex(0xffd040), Hex(0xd02010), k / 4.0), Hex(0x2a0600));
      }
      for (int i = 0; i < 6; ++i) {
        double x = 30 + i * 36, y = 40 + 180.0 / (i + 1.5);
        Star(cr, x, y, 4, 7, 2, 0.2 * i);
        FillOutlined(cr, Hex(0xfff0b0), Hex(0x6a2000), 0.8);
      }
      break;
    }
    default: {  // a banner ribbon
      Polygon(cr, {{10, 100}, {40, 100}, {30, 120}, {40, 140}, {10, 140}});
      Polygon(cr, {{246, 100}, {216, 100}, {226, 120}, {216, 140}, {246, 140}});
      FillOutlined(cr, Hex(0x9a1a20), kDark, 1.5);
      RoundedRect(cr, 30, 92, 196, 40, 6);
      cairo_pattern_t* p = cairo_pattern_create_linear(0, 92, 0, 132);
      AddStop(p, 0, Hex(0xf04a30));
      AddStop(p, 1, Hex(0xa01a18));
      cairo_set_line_width(cr, 3);
      SetRgb(cr, kDark);
      cairo_stroke_preserve(cr);
      cairo_set_source(cr, p);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
      cairo_move_to(cr, 40, 98);
      cairo_line_to(cr, 216, 98);
      cairo_move_to(cr, 40, 126);
      cairo_line_to(cr, 216, 126);
      cairo_set_line_width(cr, 1.5);
      SetRgb(cr, Hex(0xffc24a));
      cairo_stroke(cr);
      break;
    }
  }
}

void Particle(cairo_t* cr, int f) {
  static const uint32_t kCol[4] = {0xffffff, 0xfff070, 0xff9a30, 0xff3a18};
  Rgb c = Hex(kCol[f % 4]);
  switch (f / 4) {
    case 0: Glow(cr, 4, 4, 4, c, 1.0); break;
    case 1:
      Star(cr, 4, 4, 4, 3.8, 1.0, 0.4 * f);
      SetRgb(cr, c);
      cairo_fill(cr);
      break;
    case 2:
      cairo_rectangle(cr, 2, 2, 4, 4);
      SetRgb(cr, c);
      cairo_fill(cr);
      Glow(cr, 4, 4, 4, c, 0.5);
      break;
    default: {
      Rgb g = Mix(Hex(0xd0d0d8), Hex(0x505058), (f % 4) / 3.0);
      cairo_arc(cr, 4, 4, 3.3, 0, 2 * kPi);
      SetRgb(cr, g, 0.85);
      cairo_fill(cr);
    }
  }
}

}  // namespace

void WriteStudioLogo(const std::string& dataDir) {
  WriteSheet(dataDir, {"common/PlovoLogo", 256, 256, 1, 1}, [](cairo_t* cr, int) { DrawStudioLogo(cr); });
}
void WriteMenu(const std::string& dataDir) { WriteSheet(dataDir, {"menu", 256, 256, 4, 2}, MenuFrame); }
void WriteParts(const std::string& dataDir) { WriteSheet(dataDir, {"parts", 8, 8, 16, 4}, Particle); }
void WriteBadges(const std::string& dataDir) { WriteSheet(dataDir, {"BadgesA", 64, 64, 64, 8}, Badge); }

// The game's view at 640x480 (times `scale`): sky, skyline blocks, the ground strips, the dragon centred at
// (150, 240), the plane at (500, 128), the title logo with its emblem and the play button, as the menu shows them.
void WriteMockScene(const std::string& path, int scale) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 640 * scale, 480 * scale);
  cairo_t* cr = cairo_create(s);
  cairo_scale(cr, scale, scale);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgb(cr, 0, 0, 80 / 255.0);
  cairo_paint(cr);
  Rng rng(1234);
  for (int d = 2; d <= 8; ++d) {
    for (int k = 0; k < 4; ++k) {
      double x = rng.Range(-100, 700), h = 16 * int(rng.Range(6, 17)), w = 16 * int(rng.Range(4, 9));
      auto ch = [&]() { return 10 * int(rng.Range(d - 2, d + 4.99)) / 255.0; };
      double r = ch(), g = ch(), b = ch();
      cairo_set_source_rgb(cr, r, g, b);
      cairo_rectangle(cr, x, 240 + 16 - h + 12 * d, w, h);
      cairo_fill(cr);
    }
  }
  cairo_set_source_rgb(cr, 120 / 255.0, 120 / 255.0, 120 / 255.0);
  cairo_rectangle(cr, -2, 352, 644, 64);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 80 / 255.0, 80 / 255.0, 80 / 255.0);
  cairo_rectangle(cr, -2, 416, 644, 8);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_rectangle(cr, -2, 425, 644, 55);
  cairo_fill(cr);
  auto at = [&](double x, double y, double size, std::function<void()> draw) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size, size);
    draw();
    cairo_restore(cr);
  };
  at(150 - 128, 240 - 128, 1, [&] { DrawDragonFrame(cr, 2); });
  at(500 - 32, 128 - 32, 1, [&] { DrawPlaneFrame(cr, 1); });
  at(256 - 128, 336 - 64, 1, [&] { DrawLogo(cr); });
  cairo_push_group(cr);
  at(256 - 48, 336 - 48, 1.5, [&] { DrawEmblem(cr); });
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, 0.75);
  // Fire particles leaving the mouth, as squares like the game draws them.
  for (int i = 0; i < 5; ++i) {
    cairo_set_source_rgba(cr, 1, 0.4 + 0.1 * i, 0.1, 0.9);
    cairo_rectangle(cr, 198 + i * 40 - 4, 188 + i * 6 - 4, 8, 8);
    cairo_fill(cr);
  }
  cairo_destroy(cr);
  WritePng(s, path);
  cairo_surface_destroy(s);
}

}  // namespace assetgen
