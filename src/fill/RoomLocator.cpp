#include "fill/RoomLocator.h"

#include <algorithm>
#include <cmath>

#include "model/Geometry.h"

namespace zf61 {

double TwiceSignedArea(const ClosedRegion& ring) {
  return TwiceSignedArea(ring.points.data(), ring.points.size());
}

bool InsideRing(const ClosedRegion& ring, PointD p) {
  const std::vector<PointD>& v = ring.points;
  bool inside = false;
  for (size_t i = 0; i + 1 < v.size(); ++i) {
    const PointD &a = v[i], &b = v[i + 1];
    if ((a.y > p.y) == (b.y > p.y)) continue;
    double x = a.x + (p.y - a.y) / (b.y - a.y) * (b.x - a.x);
    if (p.x < x) inside = !inside;
  }
  return inside;
}

RoomLocator::RoomLocator(const FoundRegions& rooms) {
  boxes_.reserve(rooms.count);
  areas_.reserve(rooms.count);
  for (size_t room = 0; room < rooms.count; ++room) {
    auto [first, last] = rooms.ringsOf(room);
    Box box{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const PointD& p : rooms.rings[first].points) {
      box.minX = std::min(box.minX, p.x), box.maxX = std::max(box.maxX, p.x);
      box.minY = std::min(box.minY, p.y), box.maxY = std::max(box.maxY, p.y);
    }
    boxes_.push_back(box);
    // The holes' areas are taken away whatever way round their rings run.
    double area = std::fabs(TwiceSignedArea(rooms.rings[first]));
    for (size_t hole = first + 1; hole < last; ++hole) {
      area -= std::fabs(TwiceSignedArea(rooms.rings[hole]));
    }
    areas_.push_back(std::max(area, 0.0) / 2);
  }
}

std::optional<size_t> RoomLocator::roomAt(const FoundRegions& rooms, PointD p) const {
  for (size_t room = 0; room < boxes_.size(); ++room) {
    const Box& b = boxes_[room];
    if (p.x < b.minX || p.x > b.maxX || p.y < b.minY || p.y > b.maxY) continue;
    auto [first, last] = rooms.ringsOf(room);
    if (!InsideRing(rooms.rings[first], p)) continue;
    bool inHole = false;
    for (size_t hole = first + 1; hole < last && !inHole; ++hole) {
      inHole = InsideRing(rooms.rings[hole], p);
    }
    if (!inHole) return room;
  }
  return std::nullopt;
}

}  // namespace zf61
