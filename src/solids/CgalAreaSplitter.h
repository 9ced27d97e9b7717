// Painted areas split with CGAL's constrained Delaunay triangulation: the rings are
// constraints, the faces inside an odd number of rings are painted, and neighbouring
// triangles are merged into convex quadrangles.
#pragma once

#include "output/AreaSplitter.h"

namespace zf61 {

class CgalAreaSplitter final : public AreaSplitter {
 public:
  bool split(const std::vector<ClosedRegion>& rings, SplitArea& area) override;
};

}  // namespace zf61
