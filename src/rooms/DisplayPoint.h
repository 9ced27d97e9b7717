// An exact point as a display point: each coordinate within 1e-11 of its size of its exact value,
// whatever way the point was worked out. Left to CGAL, a point made by a long chain of
// constructions would be given as the middle of an interval up to 1e-5 of its size wide, so that
// the same point could be shown a little differently as the arrangement was built differently.
#pragma once

#include "model/Geometry.h"
#include "rooms/Arrangement.h"

namespace zf61::rooms {

// How far, relative to its size, a coordinate's interval may reach from its middle to be taken
// as it is; wider ones have their exact value worked out, which narrows them to it.
inline constexpr double kDisplayPrecision = 1e-11;

inline PointD ToDisplay(const Point& p) {
  auto precise = [](const auto& i) {
    return CGAL::has_smaller_relative_precision(i, kDisplayPrecision);
  };
  if (!precise(CGAL::approx(p).x()) || !precise(CGAL::approx(p).y())) {
    CGAL::exact(p);
  }
  return {CGAL::to_double(CGAL::approx(p).x()), CGAL::to_double(CGAL::approx(p).y())};
}

}  // namespace zf61::rooms
