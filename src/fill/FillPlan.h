// What is painted, and in which colour: the closed figures or rooms grouped by colour, with the
// opacity. Made once per run from what was found and the user's picks; the picture painter and
// the solid writer both take it, so neither decides again what is painted.
#pragma once

#include <vector>

#include "fill/RegionSearch.h"
#include "fill/RoomPicks.h"
#include "model/Colour.h"

namespace zf61 {

// The rings painted in one colour: one even-odd path, so rings of one room cut its holes, and
// neighbouring rooms of one colour meet without a seam.
struct FillLayer {
  Colour colour = kBlack;
  std::vector<ClosedRegion> rings;
  size_t count = 0;  // the closed figures or rooms these rings make
};

struct FillPlan {
  int opacity = 0;  // 0..255, the same for every colour
  std::vector<FillLayer> layers;

  size_t count() const;  // the closed figures or rooms painted, over all colours
};

// With no picks and no skips (or no `picks`): everything found, in `colour`, as one layer with
// the rings in the order found. With picked rooms: only those, one layer per colour in the
// order the colours were first picked. With skips alone: every room but the skipped ones, in
// `colour`.
FillPlan MakeFillPlan(const FoundRegions& found, const RoomPicks* picks, Colour colour,
                      int opacity);

}  // namespace zf61
