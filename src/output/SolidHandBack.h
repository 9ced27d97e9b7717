// The fill handed back to Jw_cad as solids instead of a picture: for each colour of the fill
// plan an "lc10" line with the colour laid over white paper at the plan's opacity, then its
// painted area as triangles and quadrangles ("sl"), in the view's units after a "bz" line; and,
// when asked, each room's area at real size written inside it.
#pragma once

#include <functional>
#include <string>

#include "fill/FillPlan.h"
#include "fill/RealScale.h"
#include "model/DrawingStore.h"
#include "model/TextCodec.h"
#include "output/AreaSplitter.h"

namespace zf61 {

// Jw_cad's solids are opaque: the fill colour over white paper, each channel
// 255 + (c - 255) * opacity / 255, rounded.
Colour SolidColour(Colour fill, int opacity);

// The text of a room's area label (UTF-8) from its area in square metres.
using AreaLabeller = std::function<std::string(double squareMetres)>;

struct SolidHandBackResult {
  bool split = true;  // false when an area could not be split: nothing was added
  size_t solids = 0;
  size_t labels = 0;
};

// Appends the solids of `plan` (and with `labeller`, the rooms' area labels, converted to
// Shift-JIS by `codec`) to the store's output lines, after a "bz" line unless one is there.
SolidHandBackResult HandBackSolids(DrawingStore& store, const FillPlan& plan,
                                   AreaSplitter& splitter, const RealScale& scale,
                                   const AreaLabeller& labeller, const TextCodec& codec);

}  // namespace zf61
