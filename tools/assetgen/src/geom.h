// Small geometry helpers for organic shapes: smooth paths through points and tapered tubes along a curve.
#pragma once

#include <cairo.h>

#include <cmath>
#include <functional>
#include <vector>

namespace assetgen {

struct P {
  double x, y;
};
inline P operator+(P a, P b) { return {a.x + b.x, a.y + b.y}; }
inline P operator-(P a, P b) { return {a.x - b.x, a.y - b.y}; }
inline P operator*(P a, double k) { return {a.x * k, a.y * k}; }
inline P Lerp(P a, P b, double t) { return a + (b - a) * t; }
inline double Len(P a) { return std::sqrt(a.x * a.x + a.y * a.y); }
inline P Rot(P a, double rad) { return {a.x * std::cos(rad) - a.y * std::sin(rad), a.x * std::sin(rad) + a.y * std::cos(rad)}; }
inline P RotAbout(P a, P c, double rad) { return c + Rot(a - c, rad); }

// A smooth Catmull-Rom curve through the points as cubic Béziers (adds to the current path).
void SmoothPath(cairo_t* cr, const std::vector<P>& pts, bool closed);
// Points sampled along the Catmull-Rom curve through `pts` (open), `perSegment` samples per segment.
std::vector<P> SampleCurve(const std::vector<P>& pts, int perSegment);
// A tube of width width(t) (t from 0 at the first point to 1 at the last) along the curve through `pts`; closed path.
void TubePath(cairo_t* cr, const std::vector<P>& pts, const std::function<double(double)>& width, bool roundEnds);

}  // namespace assetgen
