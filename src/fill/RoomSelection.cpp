#include "fill/RoomSelection.h"

#include <cmath>

namespace zf61 {
namespace {

// The middle of the ring's longest edge: a place on a wall, away from corners where walls of
// other groups may meet it.
PointD OnLongestEdge(const ClosedRegion& ring) {
  const std::vector<PointD>& p = ring.points;
  PointD best = p.empty() ? PointD{} : p.front();
  double longest = -1;
  for (size_t i = 0; i + 1 < p.size(); ++i) {
    double length = std::hypot(p[i + 1].x - p[i].x, p[i + 1].y - p[i].y);
    if (length > longest) {
      longest = length;
      best = {(p[i].x + p[i + 1].x) / 2, (p[i].y + p[i + 1].y) / 2};
    }
  }
  return best;
}

}  // namespace

bool SameRooms(const RegionQuery& a, const RegionQuery& b) {
  return a.method == b.method && a.divisions == b.divisions && a.gap == b.gap;
}

RoomSelection::RoomSelection(const RegionQuery& query, FoundRegions rooms, RealScale scale)
    : query_(query), rooms_(std::move(rooms)), scale_(std::move(scale)), locator_(rooms_) {}

double RoomSelection::realArea(size_t room) const {
  const ClosedRegion& outer = rooms_.rings[rooms_.ringsOf(room).first];
  return RealSquareMetres(locator_.area(room), scale_.scaleAt(OnLongestEdge(outer)));
}

std::optional<RoomPicks::Change> RoomSelection::pickAt(PointD p, Colour colour) {
  std::optional<size_t> room = roomAt(p);
  if (!room) return std::nullopt;
  return picks_.pick(*room, colour);
}

std::optional<RoomPicks::Change> RoomSelection::skipAt(PointD p) {
  std::optional<size_t> room = roomAt(p);
  if (!room) return std::nullopt;
  return picks_.skip(*room);
}

}  // namespace zf61
