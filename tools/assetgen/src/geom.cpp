#include "geom.h"

namespace assetgen {

void SmoothPath(cairo_t* cr, const std::vector<P>& pts, bool closed) {
  size_t n = pts.size();
  if (n < 2) return;
  auto at = [&](long i) -> P {
    if (closed) return pts[((i % long(n)) + n) % n];
    if (i < 0) return pts[0] * 2 - pts[1];
    if (i >= long(n)) return pts[n - 1] * 2 - pts[n - 2];
    return pts[i];
  };
  cairo_move_to(cr, pts[0].x, pts[0].y);
  size_t segs = closed ? n : n - 1;
  for (size_t i = 0; i < segs; ++i) {
    P p0 = at(long(i) - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    P c1 = p1 + (p2 - p0) * (1.0 / 6.0), c2 = p2 - (p3 - p1) * (1.0 / 6.0);
    cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, p2.x, p2.y);
  }
  if (closed) cairo_close_path(cr);
}

std::vector<P> SampleCurve(const std::vector<P>& pts, int perSegment) {
  std::vector<P> out;
  size_t n = pts.size();
  auto at = [&](long i) -> P {
    if (i < 0) return pts[0] * 2 - pts[1];
    if (i >= long(n)) return pts[n - 1] * 2 - pts[n - 2];
    return pts[i];
  };
  for (size_t i = 0; i + 1 < n; ++i) {
    P p0 = at(long(i) - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    for (int s = 0; s < perSegment; ++s) {
      double t = double(s) / perSegment, t2 = t * t, t3 = t2 * t;
      P v = (p1 * 2 + (p2 - p0) * t + (p0 * 2 - p1 * 5 + p2 * 4 - p3) * t2 + (p1 * 3 - p0 - p2 * 3 + p3) * t3) * 0.5;
      out.push_back(v);
    }
  }
  out.push_back(pts[n - 1]);
  return out;
}

void TubePath(cairo_t* cr, const std::vector<P>& pts, const std::function<double(double)>& width, bool roundEnds) {
  std::vector<P> c = SampleCurve(pts, 16);
  size_t n = c.size();
  std::vector<P> left(n), right(n);
  for (size_t i = 0; i < n; ++i) {
    P d = c[i < n - 1 ? i + 1 : i] - c[i > 0 ? i - 1 : i];
    double l = Len(d);
    P nrm = l > 0 ? P{-d.y / l, d.x / l} : P{0, 0};
    double w = width(double(i) / (n - 1)) * 0.5;
    left[i] = c[i] + nrm * w;
    right[i] = c[i] - nrm * w;
  }
  cairo_new_sub_path(cr);
  for (size_t i = 0; i < n; ++i) cairo_line_to(cr, left[i].x, left[i].y);
  if (roundEnds) {
    double w = width(1.0) * 0.5;
    P d = c[n - 1] - c[n - 2];
    double a = std::atan2(d.y, d.x);
    cairo_arc_negative(cr, c[n - 1].x, c[n - 1].y, w, a + 1.5707963, a - 1.5707963);
  }
  for (size_t i = n; i-- > 0;) cairo_line_to(cr, right[i].x, right[i].y);
  if (roundEnds) {
    double w = width(0.0) * 0.5;
    P d = c[1] - c[0];
    double a = std::atan2(d.y, d.x);
    cairo_arc_negative(cr, c[0].x, c[0].y, w, a - 1.5707963, a + 1.5707963);
  }
  cairo_close_path(cr);
}

}  // namespace assetgen
