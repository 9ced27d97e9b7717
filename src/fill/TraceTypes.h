// The tracer's results and working records.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Geometry.h"

namespace zf61 {

// A polygon in drawing units (after the group-scale division); closed by its own points.
struct ClosedRegion {
  std::vector<PointD> points;
  bool operator==(const ClosedRegion& other) const;
};

enum class SegmentState : int32_t { Free = 0, InChain = 1, DeadEnd = 2, Used = 3 };
enum class SegmentKind : int32_t { Line = 0, Arc = 1 };

// An open piece that chains may be made of.
struct TraceSegment {
  SegmentState state = SegmentState::Free;
  SegmentKind kind = SegmentKind::Line;
  int32_t figureIndex = 0;
  double startX = 0, startY = 0, endX = 0, endY = 0;
};

// A segment in the chain being built, in its direction of travel.
struct ChainLink {
  int32_t segmentIndex = 0;
  SegmentKind kind = SegmentKind::Line;
  int32_t figureIndex = 0;
  bool reversed = false;
  double startX = 0, startY = 0, endX = 0, endY = 0;
};

}  // namespace zf61
