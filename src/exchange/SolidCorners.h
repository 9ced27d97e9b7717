// When two corners of a solid record are one corner, as Jw_cad's exchange file is read: closer
// than 1e-10 on both axes. The reader folds such corners into the two- and three-point forms;
// the writer writes none.
#pragma once

#include <cmath>

namespace zf61 {

inline constexpr double kSolidPointTolerance = 1e-10;

inline bool SameSolidCorner(double x1, double y1, double x2, double y2) {
  return std::fabs(x1 - x2) <= kSolidPointTolerance && std::fabs(y1 - y2) <= kSolidPointTolerance;
}

}  // namespace zf61
