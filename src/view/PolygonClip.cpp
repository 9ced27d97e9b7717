#include "view/PolygonClip.h"

#include <cstddef>

namespace zf61 {
namespace {

template <typename Inside, typename Cross>
std::vector<PointD> ClipEdge(const std::vector<PointD>& in, Inside inside, Cross cross) {
  std::vector<PointD> out;
  out.reserve(in.size() + 4);
  for (size_t i = 0; i < in.size(); ++i) {
    const PointD& a = in[i];
    const PointD& b = in[(i + 1) % in.size()];
    bool ia = inside(a), ib = inside(b);
    if (ia) out.push_back(a);
    if (ia != ib) out.push_back(cross(a, b));
  }
  return out;
}

auto AtX(double x) {
  return [x](const PointD& a, const PointD& b) {
    double t = (x - a.x) / (b.x - a.x);
    return PointD{x, a.y + t * (b.y - a.y)};
  };
}

auto AtY(double y) {
  return [y](const PointD& a, const PointD& b) {
    double t = (y - a.y) / (b.y - a.y);
    return PointD{a.x + t * (b.x - a.x), y};
  };
}

}  // namespace

std::vector<PointD> ClipPolygonToRect(std::vector<PointD> points, double x0, double y0, double x1,
                                      double y1) {
  points = ClipEdge(points, [x0](const PointD& p) { return p.x >= x0; }, AtX(x0));
  points = ClipEdge(points, [x1](const PointD& p) { return p.x <= x1; }, AtX(x1));
  points = ClipEdge(points, [y0](const PointD& p) { return p.y >= y0; }, AtY(y0));
  points = ClipEdge(points, [y1](const PointD& p) { return p.y <= y1; }, AtY(y1));
  return points;
}

std::vector<PointD> ClipPolygonToGuard(std::vector<PointD> points, int width, int height) {
  return ClipPolygonToRect(std::move(points), -kCanvasGuardPixels, -kCanvasGuardPixels,
                           width + kCanvasGuardPixels, height + kCanvasGuardPixels);
}

}  // namespace zf61
