// Bezier pieces of elliptic arcs: a quarter turn or less each, with the usual 4/3 tan(d/4)
// control distance, which keeps the curve within a few ten-thousandths of the ellipse.
#include "metafile/ArcGeometry.h"

#include <cmath>

namespace zf61 {
namespace {

constexpr double kQuarterTurn = 1.5707963267948966;

ScenePoint Tangent(const EllipseBox& box, double phi) {
  double rx = std::fabs(box.right - box.left) / 2, ry = std::fabs(box.bottom - box.top) / 2;
  return {-rx * std::sin(phi), -ry * std::cos(phi)};
}

}  // namespace

ScenePoint EllipsePoint(const EllipseBox& box, double phi) {
  double rx = std::fabs(box.right - box.left) / 2, ry = std::fabs(box.bottom - box.top) / 2;
  return {box.centreX() + rx * std::cos(phi), box.centreY() - ry * std::sin(phi)};
}

double EllipseAngleToward(const EllipseBox& box, ScenePoint p) {
  double rx = std::fabs(box.right - box.left) / 2, ry = std::fabs(box.bottom - box.top) / 2;
  double dx = p.x - box.centreX(), dy = box.centreY() - p.y;
  if (dx == 0.0 && dy == 0.0) return 0.0;
  return std::atan2(dy * rx, dx * ry);
}

std::vector<ArcPiece> ArcPieces(const EllipseBox& box, double start, double sweep) {
  std::vector<ArcPiece> pieces;
  if (!std::isfinite(start) || !std::isfinite(sweep) || sweep == 0.0) return pieces;
  int count = static_cast<int>(std::ceil(std::fabs(sweep) / kQuarterTurn - 1e-9));
  if (count < 1) count = 1;
  double step = sweep / count;
  double k = 4.0 / 3.0 * std::tan(step / 4);
  for (int i = 0; i < count; ++i) {
    double from = start + step * i, to = from + step;
    ScenePoint p0 = EllipsePoint(box, from), p1 = EllipsePoint(box, to);
    ScenePoint t0 = Tangent(box, from), t1 = Tangent(box, to);
    pieces.push_back({{p0.x + k * t0.x, p0.y + k * t0.y}, {p1.x - k * t1.x, p1.y - k * t1.y}, p1});
  }
  return pieces;
}

}  // namespace zf61
