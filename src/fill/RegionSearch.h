// The regions a picture paints, by the chosen way of filling: the closed figures the tracer
// finds (the first way, and the default), or the rooms of the arrangement.
#pragma once

#include <utility>
#include <vector>

#include "fill/RegionTracer.h"
#include "fill/Rooms.h"

namespace zf61 {

enum class FillMethod { ClosedFigures = 0, Rooms = 1 };

struct RegionQuery {
  FillMethod method = FillMethod::ClosedFigures;
  int divisions = kDefaultArcDivisions;
  double gap = 0.0;       // rooms only: ends within it are joined
  bool openEnds = false;  // also find the ends that meet nothing
};

struct FoundRegions {
  std::vector<ClosedRegion> rings;  // for rooms, each room's outer ring and its holes' rings
  size_t count = 0;                 // closed figures or rooms
  std::vector<PointD> openEnds;
  // Rooms: where each room's rings begin in `rings`. Empty for closed figures, each of which
  // is one ring.
  std::vector<size_t> outerRings;

  // The rings of the i-th closed figure or room: [first, last).
  std::pair<size_t, size_t> ringsOf(size_t i) const {
    if (outerRings.empty()) return {i, i + 1};
    return {outerRings[i], i + 1 < outerRings.size() ? outerRings[i + 1] : rings.size()};
  }
};

// False when `progress` asked to stop; nothing is found then. Rooms need `rooms`; without one
// the closed figures are found.
bool FindRegions(const RegionQuery& query, const DrawingStore& store, const TgraAttribute& att,
                 RegionTracer& tracer, RoomFinder* rooms, TraceProgress* progress,
                 FoundRegions& found);

}  // namespace zf61
