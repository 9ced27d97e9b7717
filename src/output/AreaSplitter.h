// A painted area split into convex pieces of three or four corners, as Jw_cad's solids are:
// no piece overlaps another, together they cover the area, holes stay open. The area is given
// as rings painted by the even-odd rule (a point inside an odd number of rings is painted).
// The splitting itself is a geometry library's work behind this interface.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "fill/TraceTypes.h"

namespace zf61 {

// A triangle or a convex quadrangle, corners counter-clockwise.
struct SolidPiece {
  std::array<PointD, 4> corners{};
  int count = 3;
  size_t part = 0;  // the painted part it belongs to
};

// A connected part of the painted area, bounded by its rings' edges: a room, or a closed
// figure less what is cut out of it.
struct PaintedPart {
  double area = 0;  // display units²
  std::vector<std::array<PointD, 2>> boundary;
};

struct SplitArea {
  std::vector<SolidPiece> pieces;
  std::vector<PaintedPart> parts;
};

class AreaSplitter {
 public:
  virtual ~AreaSplitter() = default;
  // False when the rings could not be split (the area is then left empty).
  virtual bool split(const std::vector<ClosedRegion>& rings, SplitArea& area) = 0;
};

}  // namespace zf61
