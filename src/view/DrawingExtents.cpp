// Drawing extents from every figure kind.
#include "view/DrawingExtents.h"

#include <cmath>

#include "model/Geometry.h"
#include "model/Numbers.h"
#include "view/PictureReference.h"

namespace zf61 {
namespace {

// A sweep within this of zero is a whole curve.
constexpr double kWholeCurveTolerance = 1e-8;

template <typename Figure>
double DivisorOf(const DrawingStore& store, const Figure& f) {
  return store.groupDivisor(f.header.group);
}

// The first point of the first figure, in the fixed order of kinds; false for a drawing
// without any of these kinds.
bool FirstPoint(const DrawingStore& s, double& x, double& y, double& d) {
  auto take = [&](double px, double py, const FigureHeader& h) {
    x = px, y = py, d = s.groupDivisor(h.group);
    return true;
  };
  if (!s.lines.empty()) return take(s.lines[0].x1, s.lines[0].y1, s.lines[0].header);
  if (!s.circles.empty())
    return take(s.circles[0].centreX, s.circles[0].centreY, s.circles[0].header);
  if (!s.arcs.empty()) return take(s.arcs[0].centreX, s.arcs[0].centreY, s.arcs[0].header);
  if (!s.points.empty()) return take(s.points[0].x, s.points[0].y, s.points[0].header);
  if (!s.extendedPoints.empty()) {
    return take(s.extendedPoints[0].x, s.extendedPoints[0].y, s.extendedPoints[0].header);
  }
  if (!s.texts.empty()) return take(s.texts[0].x, s.texts[0].y, s.texts[0].header);
  if (!s.linesWithText.empty()) {
    const LineFigure& l = s.linesWithText[0].line;
    return take(l.x1, l.y1, s.linesWithText[0].header);
  }
  if (!s.solidLines.empty())
    return take(s.solidLines[0].x1, s.solidLines[0].y1, s.solidLines[0].header);
  if (!s.solidTriangles.empty()) {
    return take(s.solidTriangles[0].x1, s.solidTriangles[0].y1, s.solidTriangles[0].header);
  }
  if (!s.solidQuads.empty())
    return take(s.solidQuads[0].x1, s.solidQuads[0].y1, s.solidQuads[0].header);
  for (const auto& list : s.solidCurveLists) {
    if (!list.empty()) return take(list[0].centreX, list[0].centreY, list[0].header);
  }
  return false;
}

void ExtendByText(DrawingExtents& e, const TextFigure& t, double d) {
  e.ExtendExtents(t.x, t.y, d);
  if (auto ref = ParsePictureReference(t.text)) {
    e.ExtendExtents(t.x + ref->width, t.y + ref->height, d);
  }
}

void ExtendBySolidCurve(DrawingExtents& e, const SolidCurveFigure& f, double d) {
  double startDeg = f.start * 180.0 / kPi;
  double endDeg = (f.start + f.sweep) * 180.0 / kPi;
  double tiltDeg = f.tilt * 180.0 / kPi;
  if (f.sweep < 0.0) SwapPair(startDeg, endDeg);
  e.ExtendByEllipseArc(d, tiltDeg, f.flatness, endDeg, startDeg, f.radius, f.centreX, f.centreY);
}

void ExtendBySolids(DrawingExtents& e, const DrawingStore& s) {
  for (const auto& f : s.solidLines) {
    double d = DivisorOf(s, f);
    e.ExtendExtents(f.x1, f.y1, d);
    e.ExtendExtents(f.x2, f.y2, d);
  }
  for (const auto& f : s.solidTriangles) {
    double d = DivisorOf(s, f);
    e.ExtendExtents(f.x1, f.y1, d);
    e.ExtendExtents(f.x2, f.y2, d);
    e.ExtendExtents(f.x3, f.y3, d);
  }
  for (const auto& f : s.solidQuads) {
    double d = DivisorOf(s, f);
    e.ExtendExtents(f.x1, f.y1, d);
    e.ExtendExtents(f.x2, f.y2, d);
    e.ExtendExtents(f.x3, f.y3, d);
    e.ExtendExtents(f.x4, f.y4, d);
  }
  for (const auto& list : s.solidCurveLists) {
    for (const auto& f : list) ExtendBySolidCurve(e, f, DivisorOf(s, f));
  }
}

}  // namespace

void DrawingExtents::Clamp() {
  if (!(XMin >= -kExtentsLimit)) XMin = -kExtentsLimit;
  if (!(YMin >= -kExtentsLimit)) YMin = -kExtentsLimit;
  if (XMax > kExtentsLimit) XMax = kExtentsLimit;
  if (YMax > kExtentsLimit) YMax = kExtentsLimit;
  // A maximum that is not a number would keep every later point out; the limit replaces it.
  if (std::isnan(XMax)) XMax = kExtentsLimit;
  if (std::isnan(YMax)) YMax = kExtentsLimit;
}

void DrawingExtents::SetExtentsToPoint(double x, double y, double divisor) {
  XMin = XMax = x / divisor;
  YMin = YMax = y / divisor;
  Clamp();
}

void DrawingExtents::ExtendExtents(double x, double y, double divisor) {
  double px = x / divisor;
  double py = y / divisor;
  if (px < XMin || std::isnan(XMin)) XMin = px;
  if (py < YMin || std::isnan(YMin)) YMin = py;
  if (px > XMax) XMax = px;
  if (py > YMax) YMax = py;
  Clamp();
}

void DrawingExtents::ExtendByEllipseArc(double divisor, double tiltDeg, double flatness,
                                        double endDeg, double startDeg, double radius, double cx,
                                        double cy) {
  auto add = [&](double phiDeg) {
    PointD p = EllipsePoint(cx, cy, radius, flatness, tiltDeg, phiDeg);
    ExtendExtents(p.x, p.y, divisor);
  };
  double w = NormalizeDegrees(endDeg - startDeg);
  if (std::fabs(w) <= kWholeCurveTolerance) {
    for (double q : {0.0, 90.0, 180.0, 270.0}) add(q);
    return;
  }
  add(startDeg);
  add(endDeg);
  double f = NormalizeDegrees(startDeg);
  if (w >= 360.0 - f) add(0.0);
  for (double q : {90.0, 180.0, 270.0}) {
    double distance = q - f;
    if (distance < 0.0) distance += 360.0;
    if (w >= distance) add(q);
  }
}

void ComputeDrawingExtents(const DrawingStore& s, DrawingExtents& e) {
  double x = 0, y = 0, d = 1;
  if (FirstPoint(s, x, y, d)) e.SetExtentsToPoint(x, y, d);
  size_t figures = s.figureOrder.size();
  if (figures == 0) {
    e.XMin = -100.0, e.YMin = -100.0, e.XMax = 100.0, e.YMax = 100.0;
  } else if (figures == 1) {
    e.XMin -= 100.0, e.YMin -= 100.0, e.XMax += 100.0, e.YMax += 100.0;
  }
  for (const auto& f : s.lines) {
    e.ExtendExtents(f.x1, f.y1, DivisorOf(s, f));
    e.ExtendExtents(f.x2, f.y2, DivisorOf(s, f));
  }
  for (const auto& f : s.circles) {
    e.ExtendByEllipseArc(DivisorOf(s, f), 0.0, 1.0, 0.0, 0.0, f.radius, f.centreX, f.centreY);
  }
  for (const auto& f : s.arcs) {
    e.ExtendByEllipseArc(DivisorOf(s, f), f.tiltAngle, f.flatness, f.endAngle, f.startAngle,
                         f.radius, f.centreX, f.centreY);
  }
  for (const auto& f : s.points) e.ExtendExtents(f.x, f.y, DivisorOf(s, f));
  for (const auto& f : s.extendedPoints) e.ExtendExtents(f.x, f.y, DivisorOf(s, f));
  for (const auto& f : s.texts) ExtendByText(e, f, DivisorOf(s, f));
  for (const auto& f : s.linesWithText) {
    double dd = DivisorOf(s, f);
    e.ExtendExtents(f.line.x1, f.line.y1, dd);
    e.ExtendExtents(f.line.x2, f.line.y2, dd);
    e.ExtendExtents(f.text.x, f.text.y, dd);
  }
  ExtendBySolids(e, s);
}

}  // namespace zf61
