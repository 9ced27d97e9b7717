#include "fill/FillPlan.h"

namespace zf61 {
namespace {

void AddRooms(const FoundRegions& found, const std::vector<size_t>& rooms, FillLayer& layer) {
  for (size_t room : rooms) {
    if (room >= found.count) continue;
    auto [first, last] = found.ringsOf(room);
    layer.rings.insert(layer.rings.end(), found.rings.begin() + static_cast<ptrdiff_t>(first),
                       found.rings.begin() + static_cast<ptrdiff_t>(last));
    ++layer.count;
  }
}

}  // namespace

size_t FillPlan::count() const {
  size_t n = 0;
  for (const FillLayer& layer : layers) n += layer.count;
  return n;
}

FillPlan MakeFillPlan(const FoundRegions& found, const RoomPicks* picks, Colour colour,
                      int opacity) {
  FillPlan plan;
  plan.opacity = opacity;
  if (!picks || picks->empty()) {
    plan.layers.push_back({colour, found.rings, found.count});
    return plan;
  }
  if (picks->pickedCount() > 0) {
    for (const RoomPicks::ColourRooms& picked : picks->byColour()) {
      FillLayer& layer = plan.layers.emplace_back();
      layer.colour = picked.colour;
      AddRooms(found, picked.rooms, layer);
    }
    return plan;
  }
  std::vector<size_t> kept;
  for (size_t room = 0; room < found.count; ++room) {
    if (!picks->isSkipped(room)) kept.push_back(room);
  }
  FillLayer& layer = plan.layers.emplace_back();
  layer.colour = colour;
  AddRooms(found, kept, layer);
  return plan;
}

}  // namespace zf61
