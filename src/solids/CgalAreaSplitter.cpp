// The rings as polyline constraints; a walk from the outside over the faces, crossing an edge
// changing sides when an odd number of rings run along it (two rooms' shared wall is crossed
// without a change); painted faces grouped into parts between the rings.
#include "solids/CgalAreaSplitter.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

#include "solids/QuadrangleMerge.h"
#include "solids/Triangulation.h"

namespace zf61 {
namespace {

using solids::Face;
using solids::Point;
using solids::RingsAlong;
using solids::Triangulation;

// The ring's points without its closing repeat, repeats in a row and points that are not
// numbers. Two points are a wall standing free in a room, run along there and back: it paints
// nothing, but the room's label keeps clear of it.
std::vector<Point> RingPoints(const ClosedRegion& ring) {
  std::vector<Point> points;
  for (const PointD& p : ring.points) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
    Point q(p.x, p.y);
    if (points.empty() || points.back() != q) points.push_back(q);
  }
  while (points.size() > 1 && points.back() == points.front()) points.pop_back();
  if (points.size() < 2) points.clear();
  return points;
}

// Which faces are painted: each face is as far in as the rings crossed to reach it from the
// outside, counted by the even-odd rule.
void MarkPainted(Triangulation& t) {
  std::vector<Face> todo{t.infinite_face()};
  t.infinite_face()->info().reached = true;
  while (!todo.empty()) {
    Face face = todo.back();
    todo.pop_back();
    for (int i = 0; i < 3; ++i) {
      Face next = face->neighbor(i);
      if (next->info().reached) continue;
      next->info().reached = true;
      bool crossed = RingsAlong(t, face, i) % 2 == 1;
      next->info().painted = t.is_infinite(next) ? false : face->info().painted != crossed;
      todo.push_back(next);
    }
  }
}

// Painted faces that meet across an edge no ring runs along make one part.
std::vector<PaintedPart> FindParts(Triangulation& t) {
  std::vector<PaintedPart> parts;
  for (Face start : t.finite_face_handles()) {
    if (!start->info().painted || start->info().part >= 0) continue;
    long part = static_cast<long>(parts.size());
    PaintedPart& found = parts.emplace_back();
    std::vector<Face> todo{start};
    start->info().part = part;
    while (!todo.empty()) {
      Face face = todo.back();
      todo.pop_back();
      found.area += std::max(t.triangle(face).area(), 0.0);
      for (int i = 0; i < 3; ++i) {
        Face next = face->neighbor(i);
        bool ring = RingsAlong(t, face, i) > 0;
        if (ring) {
          // A wall: both sides in the part (a wall standing free in it) are told once.
          bool sameBothSides = !t.is_infinite(next) && next->info().part == part;
          if (!sameBothSides || face < next) {
            Point a = face->vertex(Triangulation::ccw(i))->point();
            Point b = face->vertex(Triangulation::cw(i))->point();
            found.boundary.push_back({PointD{a.x(), a.y()}, PointD{b.x(), b.y()}});
          }
          continue;
        }
        if (t.is_infinite(next) || !next->info().painted || next->info().part >= 0) continue;
        next->info().part = part;
        todo.push_back(next);
      }
    }
  }
  return parts;
}

}  // namespace

bool CgalAreaSplitter::split(const std::vector<ClosedRegion>& rings, SplitArea& area) {
  area = SplitArea();
  try {
    Triangulation t;
    for (const ClosedRegion& ring : rings) {
      std::vector<Point> points = RingPoints(ring);
      if (!points.empty()) t.insert_constraint(points.begin(), points.end(), true);
    }
    if (t.dimension() < 2) return true;  // no ring, or all on one line: nothing enclosed
    MarkPainted(t);
    area.parts = FindParts(t);
    area.pieces = solids::MergeIntoPieces(t);
    return true;
  } catch (const std::exception&) {
    area = SplitArea();
    return false;
  }
}

}  // namespace zf61
