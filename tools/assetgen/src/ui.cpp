// Interface pictures: common/icons (32x32 x16), common/Buttons (64x64 x16, with the title emblem at 15),
// common/dpad (32x32 x16) and common/icade (64x64 x2). The game tints icons, pad and text by multiplying with its
// colour, so those are drawn white and light grey with dark outlines.
#include <cmath>

#include "art.h"
#include "geom.h"

namespace assetgen {
namespace {

const Rgb kWhite = Hex(0xffffff);
const Rgb kLight = Hex(0xdcdce4);
const Rgb kDark = Hex(0x14141c);

// Symbols, centred on (cx, cy) with size s (about the half-width). Each adds to the path or draws itself.
void Triangle(cairo_t* cr, double cx, double cy, double s) {
  cairo_move_to(cr, cx - s * 0.6, cy - s);
  cairo_line_to(cr, cx + s * 0.95, cy);
  cairo_line_to(cr, cx - s * 0.6, cy + s);
  cairo_close_path(cr);
}

void Speaker(cairo_t* cr, double cx, double cy, double s) {
  cairo_move_to(cr, cx - s, cy - s * 0.35);
  cairo_line_to(cr, cx - s * 0.55, cy - s * 0.35);
  cairo_line_to(cr, cx, cy - s * 0.85);
  cairo_line_to(cr, cx, cy + s * 0.85);
  cairo_line_to(cr, cx - s * 0.55, cy + s * 0.35);
  cairo_line_to(cr, cx - s, cy + s * 0.35);
  cairo_close_path(cr);
}

void Note(cairo_t* cr, double cx, double cy, double s, Rgb ink) {
  // A pair of beamed eighth notes: two tilted heads, two stems and a thick beam.
  SetRgb(cr, ink);
  for (int k = 0; k < 2; ++k) {
    cairo_save(cr);
    cairo_translate(cr, cx - s * 0.45 + k * s * 1.0, cy + s * 0.62);
    cairo_rotate(cr, -0.45);
    cairo_scale(cr, s * 0.34, s * 0.24);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_move_to(cr, cx - s * 0.15 + k * s * 1.0, cy + s * 0.6);
    cairo_line_to(cr, cx - s * 0.15 + k * s * 1.0, cy - s * 0.75);
    cairo_set_line_width(cr, s * 0.16);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, cx - s * 0.15, cy - s * 0.62);
  cairo_line_to(cr, cx + s * 0.85, cy - s * 0.62);
  cairo_set_line_width(cr, s * 0.3);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
}

void Bolt(cairo_t* cr, double cx, double cy, double s) {
  cairo_move_to(cr, cx + s * 0.2, cy - s);
  cairo_line_to(cr, cx - s * 0.6, cy + s * 0.15);
  cairo_line_to(cr, cx - s * 0.05, cy + s * 0.15);
  cairo_line_to(cr, cx - s * 0.25, cy + s);
  cairo_line_to(cr, cx + s * 0.6, cy - s * 0.2);
  cairo_line_to(cr, cx + s * 0.05, cy - s * 0.2);
  cairo_close_path(cr);
}

void Arrow(cairo_t* cr, double cx, double cy, double s, double angle) {
  // Points right before rotation.
  const P pts[7] = {{1, 0}, {0.05, -0.85}, {0.05, -0.35}, {-0.9, -0.35}, {-0.9, 0.35}, {0.05, 0.35}, {0.05, 0.85}};
  for (int i = 0; i < 7; ++i) {
    P q = Rot(pts[i], angle);
    if (i == 0) cairo_move_to(cr, cx + q.x * s, cy + q.y * s);
    else cairo_line_to(cr, cx + q.x * s, cy + q.y * s);
  }
  cairo_close_path(cr);
}

void Icon(cairo_t* cr, int f) {
  const double c = 16;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (f) {
    case 0:  // pause
      RoundedRect(cr, 8.5, 7, 5.5, 18, 1.2);
      RoundedRect(cr, 18, 7, 5.5, 18, 1.2);
      FillOutlined(cr, kWhite, kDark, 1.4);
      break;
    case 1:  // quit: a bold X
      cairo_move_to(cr, 9, 9);
      cairo_line_to(cr, 23, 23);
      cairo_move_to(cr, 23, 9);
      cairo_line_to(cr, 9, 23);
      StrokeOutlined(cr, 5, 1.4, kWhite, kDark);
      break;
    case 2:  // home / menu: three bars
      for (int i = 0; i < 3; ++i) RoundedRect(cr, 7, 8 + i * 6.5, 18, 3.6, 1.2);
      FillOutlined(cr, kWhite, kDark, 1.3);
      break;
    case 3:  // resume: play triangle
      Triangle(cr, 17, c, 10);
      FillOutlined(cr, kWhite, kDark, 1.5);
      break;
    case 4:  // sound on
    case 5:  // sound off
      Speaker(cr, 13, c, 8);
      FillOutlined(cr, kWhite, kDark, 1.4);
      if (f == 4) {
        for (int k = 0; k < 2; ++k) {
          cairo_new_path(cr);
          cairo_arc(cr, 14, c, 6 + k * 5, -0.8, 0.8);
          StrokeOutlined(cr, 2.2, 1.2, kWhite, kDark);
        }
      } else {
        cairo_move_to(cr, 19, 11);
        cairo_line_to(cr, 27, 21);
        cairo_move_to(cr, 27, 11);
        cairo_line_to(cr, 19, 21);
        StrokeOutlined(cr, 2.6, 1.2, kWhite, kDark);
      }
      break;
    case 6:  // focus ring, drawn larger around a button
      cairo_arc(cr, c, c, 13.5, 0, 2 * kPi);
      StrokeOutlined(cr, 1.8, 0.7, kWhite, kDark);
      for (int k = 0; k < 4; ++k) {
        double a = k * kPi / 2 + kPi / 4;
        P o{c + std::cos(a) * 13.5, c + std::sin(a) * 13.5};
        cairo_arc(cr, o.x, o.y, 2.0, 0, 2 * kPi);
        FillOutlined(cr, kWhite, kDark, 0.6);
      }
      break;
    case 7: {  // tilt calibration: a tilted device with a level bubble and a turning arrow
      cairo_save(cr);
      cairo_translate(cr, c, c);
      cairo_rotate(cr, -0.3);
      RoundedRect(cr, -11, -6, 22, 12, 2.5);
      FillOutlined(cr, kLight, kDark, 1.3);
      RoundedRect(cr, -7, -2, 14, 4, 2);
      FillOutlined(cr, Hex(0x9aa0b0), kDark, 0.6);
      cairo_arc(cr, 0, 0, 1.8, 0, 2 * kPi);
      SetRgb(cr, kWhite);
      cairo_fill(cr);
      cairo_restore(cr);
      cairo_new_path(cr);
      cairo_arc(cr, c, c, 13, kPi * 1.1, kPi * 1.55);
      StrokeOutlined(cr, 1.8, 0.8, kWhite, kDark);
      Triangle(cr, c + 0, c - 13, 2.6);
      FillOutlined(cr, kWhite, kDark, 0.6);
      break;
    }
    case 8:   // sound mode: music and effects
    case 9:   // effects only
    case 10:  // music only
      cairo_arc(cr, 23, 23, 8, 0, 2 * kPi);
      FillOutlined(cr, kWhite, kDark, 1.2);
      if (f == 8) {
        Note(cr, 21, 23.5, 4.2, kDark);
        Star(cr, 27.5, 18, 4, 3.4, 1.2, 0);
        SetRgb(cr, kDark);
        cairo_fill(cr);
      } else if (f == 9) {
        Star(cr, 23, 23, 5, 5.5, 2.2, 0);
        SetRgb(cr, kDark);
        cairo_fill(cr);
      } else {
        Note(cr, 22.8, 23, 5.2, kDark);
      }
      break;
    case 11:  // back arrow
      Arrow(cr, c, c, 11, kPi);
      FillOutlined(cr, kWhite, kDark, 1.4);
      break;
    case 12:  // forward arrow
      Arrow(cr, c, c, 11, 0);
      FillOutlined(cr, kWhite, kDark, 1.4);
      break;
    case 13:  // check mark
      cairo_move_to(cr, 8, 17);
      cairo_line_to(cr, 14, 23);
      cairo_line_to(cr, 25, 9);
      StrokeOutlined(cr, 4.2, 1.4, kWhite, kDark);
      break;
    case 14:  // star
      Star(cr, c, c + 1, 5, 12, 5, 0);
      FillOutlined(cr, kWhite, kDark, 1.3);
      break;
    default:  // 15: trophy
      cairo_move_to(cr, 9, 7);
      cairo_line_to(cr, 23, 7);
      cairo_curve_to(cr, 23, 17, 19, 19, 16, 19);
      cairo_curve_to(cr, 13, 19, 9, 17, 9, 7);
      cairo_close_path(cr);
      RoundedRect(cr, 14.5, 18, 3, 5, 0.5);
      RoundedRect(cr, 10, 23, 12, 3.5, 1);
      FillOutlined(cr, kWhite, kDark, 1.2);
      cairo_arc(cr, 9, 11, 3.5, kPi * 0.5, kPi * 1.5);
      cairo_new_sub_path(cr);
      cairo_arc_negative(cr, 23, 11, 3.5, kPi * 0.5, -kPi * 0.5);
      StrokeOutlined(cr, 1.4, 0.8, kWhite, kDark);
      break;
  }
}

// A round glossy button with a colour, an outline and a symbol drawn by `symbol`.
void RoundButton(cairo_t* cr, double cx, double cy, double r, Rgb base) {
  cairo_arc(cr, cx + 1.5, cy + 2.5, r, 0, 2 * kPi);
  SetRgb(cr, Hex(0x000000), 0.35);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_set_line_width(cr, 3);
  SetRgb(cr, Scale(base, 0.25));
  cairo_stroke_preserve(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.4, r * 0.1, cx, cy, r * 1.1);
  AddStop(p, 0, Mix(base, kWhite, 0.45));
  AddStop(p, 0.6, base);
  AddStop(p, 1, Scale(base, 0.55));
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Gloss.
  cairo_save(cr);
  cairo_translate(cr, cx, cy - r * 0.45);
  cairo_scale(cr, r * 0.7, r * 0.38);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - r * 0.85, 0, cy - r * 0.05);
  AddStop(g, 0, kWhite, 0.55);
  AddStop(g, 1, kWhite, 0.0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

}  // namespace

void DrawEmblem(cairo_t* cr) {
  // The title crest: a flame crowning the lettering and a pair of dragon wings spread beneath it. The band in the
  // middle (base y 15 to 47) stays clear, since the game draws the crest at 1.5x over the title lettering.
  const Rgb gold = Hex(0xffc83a), dark = Hex(0x3a1200);
  for (int side = -1; side <= 1; side += 2) {
    std::vector<P> wing = {{32, 52}, {32 + side * 10.0, 49}, {32 + side * 24.0, 46}, {32 + side * 31.0, 49},
                           {32 + side * 27.0, 53}, {32 + side * 29.0, 58}, {32 + side * 20.0, 57},
                           {32 + side * 17.0, 62}, {32 + side * 7.0, 58}};
    cairo_move_to(cr, wing[0].x, wing[0].y);
    for (size_t i = 1; i < wing.size(); ++i) cairo_line_to(cr, wing[i].x, wing[i].y);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 46, 0, 62);
    AddStop(p, 0, Hex(0xff9a30));
    AddStop(p, 1, Hex(0xb02010));
    cairo_set_line_width(cr, 2.0);
    SetRgb(cr, dark);
    cairo_stroke_preserve(cr);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  cairo_arc(cr, 32, 53, 3.2, 0, 2 * kPi);
  FillOutlined(cr, gold, dark, 0.9);
  // Flame crowning the lettering, with a hot core.
  std::vector<P> flame = {{32, 0.8}, {38.5, 7}, {40, 12}, {36, 15}, {32, 13}, {28, 15}, {24, 12}, {25.5, 7}};
  SmoothPath(cr, flame, true);
  cairo_pattern_t* f = cairo_pattern_create_linear(0, 1, 0, 15);
  AddStop(f, 0, Hex(0xfff4a0));
  AddStop(f, 0.5, Hex(0xffa020));
  AddStop(f, 1, Hex(0xe0301a));
  cairo_set_line_width(cr, 2.0);
  SetRgb(cr, dark);
  cairo_stroke_preserve(cr);
  cairo_set_source(cr, f);
  cairo_fill(cr);
  cairo_pattern_destroy(f);
  SmoothPath(cr, {{32, 6}, {34.5, 10}, {32, 12.5}, {29.5, 10}}, true);
  SetRgb(cr, Hex(0xfffbe0));
  cairo_fill(cr);
  // Small golden sparks to either side of the flame.
  for (int side = -1; side <= 1; side += 2) {
    Star(cr, 32 + side * 12, 10, 4, 3.4, 1.1, 0);
    FillOutlined(cr, gold, dark, 0.6);
  }
}

void WriteIcons(const std::string& dataDir) { WriteSheet(dataDir, {"common/icons", 32, 32, 16, 4}, Icon); }

void WriteButtons(const std::string& dataDir) {
  WriteSheet(dataDir, {"common/Buttons", 64, 64, 16, 4}, [](cairo_t* cr, int f) {
    if (f == 15) {
      DrawEmblem(cr);
      return;
    }
    static const uint32_t kColours[15] = {0x3a7bd5, 0x2fbf4a, 0xe0a020, 0xd8342c, 0x8a4ad8, 0x20b0c0, 0xe06a20,
                                          0x5a6478, 0x2fbf4a, 0x3a7bd5, 0xd8342c, 0xe0a020, 0x8a4ad8, 0x20b0c0,
                                          0x5a6478};
    Rgb base = Hex(kColours[f]);
    double r = f == 1 ? 27 : 24;
    RoundButton(cr, 31, 31, r, base);
    // Symbols: 1 play (the big one), others a set of generic actions.
    switch (f) {
      case 1: Triangle(cr, 34, 31, 13); break;
      case 0: Speaker(cr, 30, 31, 11); break;
      case 2: RoundedRect(cr, 21, 20, 7, 22, 1.5); RoundedRect(cr, 34, 20, 7, 22, 1.5); break;
      case 3: Star(cr, 31, 32, 5, 14, 6, 0); break;
      case 4: Arrow(cr, 31, 31, 14, kPi); break;
      case 5: Arrow(cr, 31, 31, 14, 0); break;
      case 6: Bolt(cr, 31, 31, 15); break;
      case 7: cairo_arc(cr, 31, 31, 11, 0, 2 * kPi); cairo_arc_negative(cr, 31, 31, 5, 2 * kPi, 0); break;
      case 8: Arrow(cr, 31, 31, 14, -kPi / 2); break;
      case 9: Arrow(cr, 31, 31, 14, kPi / 2); break;
      case 10: cairo_move_to(cr, 21, 21); cairo_line_to(cr, 41, 41); cairo_line_to(cr, 41, 21); break;
      default: Star(cr, 31, 32, 4 + f % 4, 14, 6, 0.2); break;
    }
    if (f == 10) {  // a quit cross drawn as strokes
      cairo_new_path(cr);
      cairo_move_to(cr, 22, 22);
      cairo_line_to(cr, 40, 40);
      cairo_move_to(cr, 40, 22);
      cairo_line_to(cr, 22, 40);
      StrokeOutlined(cr, 6, 1.5, kWhite, Scale(base, 0.25));
    } else {
      FillOutlined(cr, kWhite, Scale(base, 0.25), 1.5);
    }
  });
}

void WriteDpad(const std::string& dataDir) {
  // Layout follows a 3x3 pad in the first three columns: 1 up, 4 left, 5 centre, 6 right, 9 down, 0/2/8/10 the
  // corners (0 is also the action button); 3, 7, 11 more action buttons; 12-15 spare arrows.
  WriteSheet(dataDir, {"common/dpad", 32, 32, 16, 4}, [](cairo_t* cr, int f) {
    const double c = 16;
    auto key = [&]() {
      RoundedRect(cr, 2.5, 2.5, 27, 27, 6);
      cairo_pattern_t* p = cairo_pattern_create_linear(0, 2, 0, 30);
      AddStop(p, 0, kWhite);
      AddStop(p, 1, Hex(0xa8a8b4));
      cairo_set_line_width(cr, 2.4);
      SetRgb(cr, kDark);
      cairo_stroke_preserve(cr);
      cairo_set_source(cr, p);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
    };
    auto roundKey = [&](const char* letter) {
      cairo_arc(cr, c, c, 13, 0, 2 * kPi);
      cairo_pattern_t* p = cairo_pattern_create_radial(c - 4, c - 5, 1, c, c, 14);
      AddStop(p, 0, kWhite);
      AddStop(p, 1, Hex(0x9a9aa8));
      cairo_set_line_width(cr, 2.4);
      SetRgb(cr, kDark);
      cairo_stroke_preserve(cr);
      cairo_set_source(cr, p);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
      cairo_set_line_width(cr, 2.6);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      LetterPath(cr, letter[0], c - 4, c - 6, 2, 2, 0);
      SetRgb(cr, Hex(0x2a2a36));
      cairo_stroke(cr);
    };
    switch (f) {
      case 0: roundKey("A"); break;
      case 3: roundKey("B"); break;
      case 7: roundKey("X"); break;
      case 11: roundKey("Y"); break;
      case 5:
        key();
        cairo_arc(cr, c, c, 5, 0, 2 * kPi);
        FillOutlined(cr, Hex(0x6a6a78), kDark, 1.0);
        break;
      default: {
        // Arrow keys: direction from the 3x3 position of the frame (columns 0..2, rows 0..2), spares point around.
        int col = f % 4, row = f / 4;
        double dx = col - 1, dy = row - 1;
        if (f >= 12) { dx = std::cos(f * kPi / 2); dy = std::sin(f * kPi / 2); }
        key();
        Arrow(cr, c, c, 9, std::atan2(dy, dx));
        FillOutlined(cr, Hex(0x3a3a48), kDark, 0.6);
      }
    }
  });
}

void WriteIcade(const std::string& dataDir) {
  WriteSheet(dataDir, {"common/icade", 64, 64, 2, 2}, [](cairo_t* cr, int f) {
    if (f == 0) {
      // Arcade stick panel seen from above: a ball-top stick and eight buttons.
      RoundedRect(cr, 3, 14, 58, 36, 6);
      FillOutlined(cr, Hex(0x30343e), kDark, 1.4);
      cairo_arc(cr, 16, 32, 8, 0, 2 * kPi);
      FillOutlined(cr, Hex(0x14141a), kDark, 1);
      cairo_arc(cr, 16, 30, 6, 0, 2 * kPi);
      FillOutlined(cr, Hex(0xe03030), kDark, 1);
      cairo_arc(cr, 14, 28, 2, 0, 2 * kPi);
      SetRgb(cr, kWhite, 0.6);
      cairo_fill(cr);
      static const uint32_t kCol[4] = {0xe0c020, 0x30a0e0, 0x30c050, 0xe05030};
      for (int i = 0; i < 8; ++i) {
        double x = 32 + (i % 4) * 7.5, y = 26 + (i / 4) * 11 + (i % 4 == 0 ? 2 : 0);
        cairo_arc(cr, x, y, 3.2, 0, 2 * kPi);
        FillOutlined(cr, Hex(kCol[i % 4]), kDark, 0.8);
      }
    } else {
      // A gamepad.
      SmoothPath(cr, {{8, 24}, {20, 18}, {44, 18}, {56, 24}, {60, 44}, {52, 50}, {42, 40}, {22, 40}, {12, 50}, {4, 44}},
                 true);
      FillOutlined(cr, Hex(0xdadce4), kDark, 1.4);
      RoundedRect(cr, 14, 24, 4, 12, 1);
      RoundedRect(cr, 10, 28, 12, 4, 1);
      SetRgb(cr, Hex(0x2a2a34));
      cairo_fill(cr);
      static const uint32_t kCol[4] = {0x30c050, 0xe05030, 0x30a0e0, 0xe0c020};
      const P at[4] = {{46, 34}, {51, 29}, {41, 29}, {46, 24}};
      for (int i = 0; i < 4; ++i) {
        cairo_arc(cr, at[i].x, at[i].y, 2.6, 0, 2 * kPi);
        FillOutlined(cr, Hex(kCol[i]), kDark, 0.7);
      }
    }
  });
}

}  // namespace assetgen
