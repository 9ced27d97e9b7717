// Which room lies under a point, and how large each room is: for picking rooms with the mouse
// and for telling their areas.
#pragma once

#include <optional>
#include <vector>

#include "fill/RegionSearch.h"

namespace zf61 {

// Twice the signed area of a ring closed by its points (counter-clockwise positive).
double TwiceSignedArea(const ClosedRegion& ring);

// Whether `p` is inside the ring by the even-odd rule.
bool InsideRing(const ClosedRegion& ring, PointD p);

class RoomLocator {
 public:
  RoomLocator() = default;
  explicit RoomLocator(const FoundRegions& rooms);

  // The room of `rooms` (the rooms it was made from) whose area holds `p`: inside its outer
  // ring, outside its holes. None on a wall or outside every room.
  std::optional<size_t> roomAt(const FoundRegions& rooms, PointD p) const;
  // The room's area in display units: its outer ring less its holes.
  double area(size_t room) const { return areas_[room]; }
  size_t size() const { return areas_.size(); }

 private:
  struct Box {
    double minX, minY, maxX, maxY;
  };
  std::vector<Box> boxes_;
  std::vector<double> areas_;
};

}  // namespace zf61
