// An exact point as a display point: each coordinate within a few units in the last place of its
// exact value, whatever way the point was worked out. Left to CGAL, a point made by a long chain
// of constructions would be given as the middle of an interval up to 1e-5 of its size wide.
#pragma once

#include "model/Geometry.h"
#include "rooms/Arrangement.h"

namespace zf61::rooms {

// How wide, relative to its size, a coordinate's interval may be to be taken as it is.
inline constexpr double kDisplayPrecision = 1e-13;

inline PointD ToDisplay(const Point& p) {
  auto precise = [](const auto& i) {
    return CGAL::has_smaller_relative_precision(i, kDisplayPrecision);
  };
  if (!precise(CGAL::approx(p).x()) || !precise(CGAL::approx(p).y())) {
    CGAL::exact(p);  // works out the exact value, which narrows the interval to it
  }
  return {CGAL::to_double(CGAL::approx(p).x()), CGAL::to_double(CGAL::approx(p).y())};
}

}  // namespace zf61::rooms
