// The rooms of the drawing as the user works with them: found once for a way of finding them
// (gap and chords per arc), kept while only the view changes, with the rooms picked in their
// colours and the rooms skipped, which room lies under a point and how large it is.
#pragma once

#include <optional>

#include "fill/FillPlan.h"
#include "fill/RealScale.h"
#include "fill/RoomLocator.h"
#include "fill/RoomPicks.h"

namespace zf61 {

// Rooms found for one query stay right while the query's way of finding them is the same.
bool SameRooms(const RegionQuery& a, const RegionQuery& b);

class RoomSelection {
 public:
  RoomSelection(const RegionQuery& query, FoundRegions rooms, RealScale scale);

  const RegionQuery& query() const { return query_; }
  const FoundRegions& rooms() const { return rooms_; }
  RoomPicks& picks() { return picks_; }
  const RoomPicks& picks() const { return picks_; }

  std::optional<size_t> roomAt(PointD p) const { return locator_.roomAt(rooms_, p); }
  // The room's area at real size, in square metres: its area in display units at the scale of
  // the group its walls belong to.
  double realArea(size_t room) const;

  // A left or right click at `p` (display units): what it did, or nothing outside every room.
  std::optional<RoomPicks::Change> pickAt(PointD p, Colour colour);
  std::optional<RoomPicks::Change> skipAt(PointD p);

  FillPlan plan(Colour colour, int opacity) const {
    return MakeFillPlan(rooms_, &picks_, colour, opacity);
  }

 private:
  RegionQuery query_;
  FoundRegions rooms_;
  RealScale scale_;
  RoomLocator locator_;
  RoomPicks picks_;
};

}  // namespace zf61
