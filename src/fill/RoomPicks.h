// The rooms the user picked, each in its colour, and the rooms the user skipped. A room is
// known by its place in the list of rooms found; the picks are only meaningful for that list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "model/Colour.h"

namespace zf61 {

class RoomPicks {
 public:
  // What a click did to its room.
  enum class Change { Picked, Repainted, Unpicked, Skipped, Unskipped };

  // A left click: picks the room in `colour`; a room already picked in that colour is
  // un-picked, one picked in another colour or skipped is picked in `colour`.
  Change pick(size_t room, Colour colour);
  // A right click: skips the room, or takes a skipped room back.
  Change skip(size_t room);
  void clear() { marks_.clear(); }

  bool empty() const { return marks_.empty(); }
  size_t pickedCount() const;
  size_t skippedCount() const { return marks_.size() - pickedCount(); }
  size_t colourCount() const { return byColour().size(); }
  bool isPicked(size_t room, Colour* colour = nullptr) const;
  bool isSkipped(size_t room) const;

  struct ColourRooms {
    Colour colour;
    std::vector<size_t> rooms;  // ascending
  };
  // The picked rooms by colour, the colours in the order in which their rooms were picked.
  std::vector<ColourRooms> byColour() const;
  std::vector<size_t> skipped() const;  // ascending

 private:
  struct Mark {
    bool skipped = false;
    Colour colour = kBlack;
    uint64_t order = 0;  // when it was picked: orders the colours
  };
  std::map<size_t, Mark> marks_;
  uint64_t clicks_ = 0;
};

}  // namespace zf61
