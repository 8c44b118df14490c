// The dragon: four 256x256 frames, facing right, rearing up from the ground (feet on y = 240). Its wings beat over
// frames 3, 2, 1, 0 (3 up ... 0 down) and its jaw is open in frame 2, when it breathes fire. Fixed places the game
// relies on: the glowing eye at (152, 22) and the mouth at (176, 76) in every frame.
#include <cmath>

#include "art.h"
#include "geom.h"

namespace assetgen {
namespace {

const P kEye{152, 22};
const P kMouth{176, 76};
// The head's frame: u points from the back of the skull to the snout (55 degrees below horizontal), v to the top of
// the head. Local (a, b) = kEye + a * u + b * v.
const double kHeadAngle = 55.0 * kPi / 180.0;
const P kU{std::cos(kHeadAngle), std::sin(kHeadAngle)};
const P kV{std::sin(kHeadAngle), -std::cos(kHeadAngle)};
P H(double a, double b) { return kEye + kU * a + kV * b; }

const Rgb kOutline = Hex(0x1c0508);
const Rgb kScaleLight = Hex(0xd8402c);
const Rgb kScaleDark = Hex(0x7a1420);
const Rgb kBellyLight = Hex(0xffd27a);
const Rgb kBellyDark = Hex(0xd9822e);
const Rgb kBone = Hex(0xf2e2b8);
const Rgb kMembraneLight = Hex(0xc8503a);
const Rgb kMembraneDark = Hex(0x5a1026);

// Body shading: light from the upper right (the plane's side), dark toward the lower left.
cairo_pattern_t* BodyPattern(double shade) {
  cairo_pattern_t* p = cairo_pattern_create_linear(60, 200, 190, 40);
  AddStop(p, 0, Scale(Mix(kScaleDark, kScaleLight, 0.25), shade * 0.9));
  AddStop(p, 0.55, Scale(Mix(kScaleDark, kScaleLight, 0.7), shade));
  AddStop(p, 1, Scale(Mix(kScaleLight, Hex(0xff8a50), 0.3), shade));
  return p;
}

void FillBody(cairo_t* cr, double shade, double outline = 1.6) {
  cairo_set_line_width(cr, outline * 2);
  SetRgb(cr, kOutline);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* p = BodyPattern(shade);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// A claw: a small curved ivory hook at `base` pointing along `dir` (radians).
void Claw(cairo_t* cr, P base, double dir, double len) {
  P d{std::cos(dir), std::sin(dir)}, n{-d.y, d.x};
  P tip = base + d * len + n * (len * 0.35);
  cairo_move_to(cr, base.x + n.x * len * 0.3, base.y + n.y * len * 0.3);
  cairo_curve_to(cr, base.x + d.x * len * 0.6 + n.x * 0.3, base.y + d.y * len * 0.6 + n.y * 0.3, tip.x, tip.y, tip.x,
                 tip.y);
  cairo_line_to(cr, base.x - n.x * len * 0.3, base.y - n.y * len * 0.3);
  cairo_close_path(cr);
  FillOutlined(cr, kBone, kOutline, 0.7);
}

// ---- Wings ------------------------------------------------------------------------------------------------------
// One pose per frame, in frame coordinates for a shoulder at (0, 0): elbow, wrist and the four finger tips.
struct WingPose {
  P elbow, wrist, tips[4];
};
const WingPose kPoses[4] = {
    // frame 0: wings swept down
    {{-30, 6}, {-52, 30}, {{-96, 6}, {-104, 48}, {-84, 82}, {-52, 96}}},
    // frame 1: level, spread back
    {{-30, -16}, {-60, -16}, {{-92, -58}, {-102, -16}, {-94, 24}, {-70, 58}}},
    // frame 2: rising
    {{-22, -32}, {-48, -56}, {{-64, -100}, {-98, -80}, {-108, -40}, {-92, 4}}},
    // frame 3: wings raised high
    {{-10, -38}, {-30, -74}, {{-30, -98}, {-62, -98}, {-86, -70}, {-90, -30}}},
};

void Wing(cairo_t* cr, P shoulder, P root, const WingPose& pose, double shade) {
  P E = shoulder + pose.elbow, W = shoulder + pose.wrist;
  P T[4];
  for (int i = 0; i < 4; ++i) T[i] = shoulder + pose.tips[i];
  // Membrane: shoulder -> along the arm -> each finger tip with scalloped edges between -> back to the root on
  // the body.
  cairo_move_to(cr, shoulder.x, shoulder.y);
  cairo_line_to(cr, E.x, E.y);
  cairo_line_to(cr, W.x, W.y);
  cairo_line_to(cr, T[0].x, T[0].y);
  for (int i = 0; i < 3; ++i) {
    P mid = Lerp(T[i], T[i + 1], 0.5);
    P in = Lerp(mid, W, 0.2);
    cairo_curve_to(cr, Lerp(T[i], in, 0.6).x, Lerp(T[i], in, 0.6).y, Lerp(in, T[i + 1], 0.4).x,
                   Lerp(in, T[i + 1], 0.4).y, T[i + 1].x, T[i + 1].y);
  }
  P mid = Lerp(T[3], root, 0.5);
  P in = Lerp(mid, W, 0.2);
  cairo_curve_to(cr, Lerp(T[3], in, 0.6).x, Lerp(T[3], in, 0.6).y, Lerp(in, root, 0.4).x, Lerp(in, root, 0.4).y,
                 root.x, root.y);
  cairo_close_path(cr);
  cairo_set_line_width(cr, 3.0);
  SetRgb(cr, kOutline);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* mp = cairo_pattern_create_radial(W.x, W.y, 4, W.x, W.y, 90);
  AddStop(mp, 0, Scale(kMembraneLight, shade));
  AddStop(mp, 1, Scale(kMembraneDark, shade));
  cairo_set_source(cr, mp);
  cairo_fill(cr);
  cairo_pattern_destroy(mp);
  // Finger bones, slightly bowed.
  for (int i = 0; i < 4; ++i) {
    P bend = Lerp(W, T[i], 0.5) + Rot(T[i] - W, kPi / 2) * 0.05;
    cairo_move_to(cr, W.x, W.y);
    cairo_curve_to(cr, bend.x, bend.y, bend.x, bend.y, T[i].x, T[i].y);
    StrokeOutlined(cr, 2.4 - i * 0.3, 0.8, Scale(kScaleDark, shade * 1.2), kOutline);
  }
  // Arm: shoulder to elbow to wrist.
  TubePath(cr, {shoulder, E}, [](double t) { return 9 - 3 * t; }, true);
  FillBody(cr, shade, 1.2);
  TubePath(cr, {E, W}, [](double t) { return 6 - 2 * t; }, true);
  FillBody(cr, shade, 1.2);
  P dir = W - E;
  Claw(cr, W, std::atan2(dir.y, dir.x) - 0.6, 6);
}

// ---- Head -------------------------------------------------------------------------------------------------------
void LowerJaw(cairo_t* cr, double open) {
  P hinge = H(6, -13);
  std::vector<P> pts = {H(4, -12), H(30, -12.5), H(57, -13), H(58, -17), H(40, -21), H(16, -23), H(2, -18)};
  for (P& q : pts) q = RotAbout(q, hinge, open);
  SmoothPath(cr, pts, true);
  FillBody(cr, 0.85, 1.4);
  // Teeth along the lower jaw.
  for (int i = 0; i < 4; ++i) {
    double a = 24 + i * 9;
    P base = RotAbout(H(a, -12.6), hinge, open), tip = RotAbout(H(a + 2, -9.5), hinge, open);
    P base2 = RotAbout(H(a + 4, -12.8), hinge, open);
    cairo_move_to(cr, base.x, base.y);
    cairo_line_to(cr, tip.x, tip.y);
    cairo_line_to(cr, base2.x, base2.y);
    cairo_close_path(cr);
    FillOutlined(cr, kBone, kOutline, 0.4);
  }
}

void Head(cairo_t* cr, bool open) {
  double jaw = open ? 0.42 : 0.0;
  // Horns, sweeping back over the neck.
  const std::vector<P> horns[2] = {{{150, 14}, {136, 11}, {122, 13}, {110, 20}},
                                   {{156, 12}, {142, 5}, {127, 3}, {113, 8}}};
  for (int h = 0; h < 2; ++h) {
    TubePath(cr, horns[h], [](double t) { return 7.5 * (1.0 - t) + 0.6; }, false);
    FillOutlined(cr, Scale(kBone, h == 0 ? 0.75 : 1.0), kOutline, 0.9);
  }
  if (open) {
    // Inside of the mouth, glowing with fire.
    std::vector<P> inside = {H(8, -11), H(60, -9), RotAbout(H(58, -14), H(6, -13), jaw), H(6, -17)};
    SmoothPath(cr, inside, true);
    SetRgb(cr, Hex(0x3a0806));
    cairo_fill(cr);
    Glow(cr, kMouth.x, kMouth.y, 16, Hex(0xffb030), 0.9);
    Glow(cr, kMouth.x - 2, kMouth.y - 1, 7, Hex(0xfff2b0), 1.0);
  }
  LowerJaw(cr, jaw);
  // Skull and upper jaw.
  std::vector<P> skull = {H(-16, 1), H(-12, 10.5), H(-2, 14), H(8, 13.5), H(17, 10), H(34, 7), H(52, 5),
                          H(62, 1.5), H(65.5, -5), H(61, -10), H(46, -10.5), H(28, -11), H(10, -14), H(-6, -16),
                          H(-15, -8)};
  SmoothPath(cr, skull, true);
  FillBody(cr, 1.0, 1.6);
  // Upper teeth.
  for (int i = 0; i < 5; ++i) {
    double a = 22 + i * 8.5;
    P b1 = H(a, -10.6), tip = H(a + 1.5, open ? -15.5 : -13.6), b2 = H(a + 3.5, -10.4);
    cairo_move_to(cr, b1.x, b1.y);
    cairo_line_to(cr, tip.x, tip.y);
    cairo_line_to(cr, b2.x, b2.y);
    cairo_close_path(cr);
    FillOutlined(cr, kBone, kOutline, 0.4);
  }
  // Nostril with a wisp of smoke colour, brow ridge and cheek plates.
  cairo_save(cr);
  P nos = H(56, -1.5);
  cairo_translate(cr, nos.x, nos.y);
  cairo_rotate(cr, kHeadAngle);
  cairo_scale(cr, 2.6, 1.3);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  SetRgb(cr, kOutline);
  cairo_fill(cr);
  cairo_move_to(cr, H(-8, 8).x, H(-8, 8).y);
  SmoothPath(cr, {H(-8, 8), H(2, 10.5), H(12, 7)}, false);
  cairo_set_line_width(cr, 1.6);
  SetRgb(cr, kOutline);
  cairo_stroke(cr);
  SmoothPath(cr, {H(-4, -7), H(10, -9), H(24, -8)}, false);
  cairo_set_line_width(cr, 1.0);
  SetRgb(cr, kOutline, 0.7);
  cairo_stroke(cr);
  // Ear frill behind the eye.
  std::vector<P> frill = {H(-10, -2), H(-24, -6), H(-20, -12), H(-30, -16), H(-12, -14)};
  SmoothPath(cr, frill, true);
  FillOutlined(cr, kMembraneLight, kOutline, 0.8);
  // The eye: a dark socket, a hot yellow-white glow and a thin slit. This is what the player aims at.
  cairo_save(cr);
  cairo_translate(cr, kEye.x, kEye.y);
  cairo_rotate(cr, kHeadAngle);
  cairo_scale(cr, 1.35, 1.0);
  cairo_arc(cr, 0, 0, 5.2, 0, 2 * kPi);
  cairo_restore(cr);
  SetRgb(cr, Hex(0x160203));
  cairo_fill(cr);
  Glow(cr, kEye.x, kEye.y, 15, Hex(0xffe040), 0.55);
  cairo_save(cr);
  cairo_translate(cr, kEye.x, kEye.y);
  cairo_rotate(cr, kHeadAngle);
  cairo_scale(cr, 1.3, 1.0);
  cairo_pattern_t* eye = cairo_pattern_create_radial(0, 0, 0, 0, 0, 4.2);
  AddStop(eye, 0, Hex(0xffffff));
  AddStop(eye, 0.45, Hex(0xfff27a));
  AddStop(eye, 1, Hex(0xff9a10));
  cairo_set_source(cr, eye);
  cairo_arc(cr, 0, 0, 4.2, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(eye);
  cairo_restore(cr);
  // Slit pupil, slightly forward so the centre stays bright.
  cairo_save(cr);
  cairo_translate(cr, kEye.x + 2.4, kEye.y + 0.4);
  cairo_scale(cr, 0.55, 2.4);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  SetRgb(cr, Hex(0x2a0a00), 0.85);
  cairo_fill(cr);
  cairo_arc(cr, kEye.x - 1.2, kEye.y - 1.2, 1.1, 0, 2 * kPi);
  SetRgb(cr, Hex(0xffffff));
  cairo_fill(cr);
}

// ---- Whole frame ------------------------------------------------------------------------------------------------
void Spikes(cairo_t* cr, const std::vector<P>& along, double size, double shade) {
  std::vector<P> c = SampleCurve(along, 8);
  for (size_t i = 2; i + 2 < c.size(); i += 5) {
    P d = c[i + 1] - c[i - 1];
    double l = Len(d);
    P n{d.y / l, -d.x / l};  // left-hand normal (outward on the back)
    double s = size * (0.6 + 0.4 * std::sin(kPi * double(i) / c.size()));
    P a = c[i] - d * (1.2 / l) * s * 0.6, b = c[i] + d * (1.2 / l) * s * 0.6, tip = c[i] + n * s - d * (s * 0.5 / l);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, tip.x, tip.y);
    cairo_line_to(cr, b.x, b.y);
    cairo_close_path(cr);
    FillOutlined(cr, Scale(kBone, shade), kOutline, 0.7);
  }
}

void Leg(cairo_t* cr, P hip, P knee, P ankle, P toe, double shade, double thigh) {
  TubePath(cr, {hip, Lerp(hip, knee, 0.5) + P{4, 0}, knee}, [&](double t) { return thigh * (1 - 0.45 * t); }, true);
  FillBody(cr, shade);
  TubePath(cr, {knee, ankle}, [&](double t) { return thigh * 0.5 - 4 * t; }, true);
  FillBody(cr, shade);
  TubePath(cr, {ankle, Lerp(ankle, toe, 0.5), toe}, [&](double t) { return 10 - 3 * t; }, true);
  FillBody(cr, shade);
  for (int i = 0; i < 3; ++i) Claw(cr, toe + P{-3.0 + i * 2.5, -2.0 + i * 1.5}, 0.15 + i * 0.25, 6);
}

void Arm(cairo_t* cr, P shoulder, P elbow, P wrist, double reach, double shade) {
  TubePath(cr, {shoulder, elbow}, [](double t) { return 13 - 4 * t; }, true);
  FillBody(cr, shade);
  TubePath(cr, {elbow, wrist}, [](double t) { return 9 - 2 * t; }, true);
  FillBody(cr, shade);
  for (int i = 0; i < 3; ++i) Claw(cr, wrist + P{2.0, -2.0 + i * 2.2}, reach + (i - 1) * 0.45, 7);
}

}  // namespace

void DrawDragonFrame(cairo_t* cr, int frame) {
  const bool open = frame == 2;
  const WingPose& pose = kPoses[frame];
  // Shadow on the ground.
  cairo_save(cr);
  cairo_translate(cr, 92, 240);
  cairo_scale(cr, 84, 7);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  SetRgb(cr, Hex(0x000000), 0.35);
  cairo_fill(cr);

  // Far wing, far leg and far arm first, darker.
  Wing(cr, P{120, 100}, P{110, 150}, pose, 0.6);
  Leg(cr, P{104, 196}, P{128, 212}, P{118, 232}, P{148, 238}, 0.62, 34);
  Arm(cr, P{132, 132}, P{150, 150}, P{166, 134}, -0.55, 0.62);

  // Tail, sweeping left along the ground and curling up at the tip.
  std::vector<P> tail = {{96, 196}, {70, 226}, {40, 234}, {14, 228}, {6, 212}, {14, 200}};
  TubePath(cr, tail, [](double t) { return 30 * std::pow(1 - t, 0.9) + 1.5; }, false);
  FillBody(cr, 0.9);
  Spikes(cr, {{84, 206}, {60, 226}, {34, 228}, {14, 222}, {8, 210}}, 6, 0.9);
  // Spade at the tail's tip.
  cairo_move_to(cr, 14, 200);
  cairo_line_to(cr, 6, 192);
  cairo_line_to(cr, 20, 186);
  cairo_line_to(cr, 22, 200);
  cairo_close_path(cr);
  FillBody(cr, 0.9, 1.2);

  // Torso and neck.
  std::vector<P> back = {{92, 214}, {84, 180}, {96, 146}, {110, 118}, {112, 92}, {118, 66}, {130, 46}, {140, 28}};
  Spikes(cr, back, 8, 1.0);
  TubePath(cr, {{98, 200}, {104, 164}, {118, 128}}, [](double t) { return 60 - 12 * t; }, true);
  FillBody(cr, 1.0);
  TubePath(cr, {{118, 140}, {116, 112}, {118, 84}, {126, 60}, {138, 40}},
           [](double t) { return 40 - 20 * t; }, true);
  FillBody(cr, 1.0);
  // Belly plates down the front of the neck and chest.
  std::vector<P> belly = {{142, 44}, {134, 66}, {130, 94}, {136, 122}, {132, 158}, {118, 196}};
  {
    std::vector<P> c = SampleCurve(belly, 10);
    for (size_t i = 0; i + 1 < c.size(); i += 4) {
      double t = double(i) / c.size();
      double w = 8 + 8 * std::sin(kPi * t);
      P d = c[std::min(c.size() - 1, i + 4)] - c[i];
      double l = Len(d);
      P n{-d.y / l, d.x / l};
      P a = c[i] + n * (w * 0.5), b = c[i] - n * (w * 0.5);
      P a2 = a + d * 1.05, b2 = b + d * 1.05;
      cairo_move_to(cr, a.x, a.y);
      cairo_line_to(cr, a2.x, a2.y);
      cairo_line_to(cr, b2.x, b2.y);
      cairo_line_to(cr, b.x, b.y);
      cairo_close_path(cr);
      cairo_pattern_t* bp = cairo_pattern_create_linear(b.x, b.y, a.x, a.y);
      AddStop(bp, 0, kBellyDark);
      AddStop(bp, 1, kBellyLight);
      cairo_set_source(cr, bp);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(bp);
      cairo_set_line_width(cr, 0.8);
      SetRgb(cr, Hex(0x8a3a10));
      cairo_stroke(cr);
    }
  }
  // Near hind leg, drawn over the torso.
  Leg(cr, P{86, 190}, P{112, 212}, P{98, 232}, P{128, 238}, 1.0, 40);
  // Head.
  Head(cr, open);
  // Near arm, reaching toward the plane.
  Arm(cr, P{126, 136}, P{138, 160}, P{158, 148}, -0.35, 1.0);
  // Near wing last, rooted on the back.
  Wing(cr, P{106, 108}, P{88, 166}, pose, 1.0);
  if (open) {
    // Flame tongue leaving the mouth toward the lower right.
    Glow(cr, kMouth.x + 6, kMouth.y + 6, 14, Hex(0xff7a20), 0.7);
  }
}

void WriteDragon(const std::string& dataDir) {
  WriteSheet(dataDir, {"dragon", 256, 256, 4, 2}, DrawDragonFrame);
}

}  // namespace assetgen
