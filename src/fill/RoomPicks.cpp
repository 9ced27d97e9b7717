#include "fill/RoomPicks.h"

#include <algorithm>

namespace zf61 {

RoomPicks::Change RoomPicks::pick(size_t room, Colour colour) {
  auto found = marks_.find(room);
  if (found != marks_.end() && !found->second.skipped && found->second.colour == colour) {
    marks_.erase(found);
    return Change::Unpicked;
  }
  bool repainted = found != marks_.end() && !found->second.skipped;
  marks_[room] = {false, colour, ++clicks_};
  return repainted ? Change::Repainted : Change::Picked;
}

RoomPicks::Change RoomPicks::skip(size_t room) {
  auto found = marks_.find(room);
  if (found != marks_.end() && found->second.skipped) {
    marks_.erase(found);
    return Change::Unskipped;
  }
  marks_[room] = {true, kBlack, ++clicks_};
  return Change::Skipped;
}

size_t RoomPicks::pickedCount() const {
  return static_cast<size_t>(
      std::count_if(marks_.begin(), marks_.end(), [](const auto& m) { return !m.second.skipped; }));
}

bool RoomPicks::isPicked(size_t room, Colour* colour) const {
  auto found = marks_.find(room);
  if (found == marks_.end() || found->second.skipped) return false;
  if (colour) *colour = found->second.colour;
  return true;
}

bool RoomPicks::isSkipped(size_t room) const {
  auto found = marks_.find(room);
  return found != marks_.end() && found->second.skipped;
}

std::vector<RoomPicks::ColourRooms> RoomPicks::byColour() const {
  struct Entry {
    uint64_t first;
    ColourRooms rooms;
  };
  std::vector<Entry> entries;
  for (const auto& [room, mark] : marks_) {
    if (mark.skipped) continue;
    const Colour colour = mark.colour;
    auto same = std::find_if(entries.begin(), entries.end(),
                             [colour](const Entry& e) { return e.rooms.colour == colour; });
    if (same == entries.end()) {
      entries.push_back({mark.order, {mark.colour, {room}}});
    } else {
      same->first = std::min(same->first, mark.order);
      same->rooms.rooms.push_back(room);
    }
  }
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return a.first < b.first; });
  std::vector<ColourRooms> out;
  for (Entry& e : entries) out.push_back(std::move(e.rooms));
  return out;
}

std::vector<size_t> RoomPicks::skipped() const {
  std::vector<size_t> out;
  for (const auto& [room, mark] : marks_) {
    if (mark.skipped) out.push_back(room);
  }
  return out;
}

}  // namespace zf61
