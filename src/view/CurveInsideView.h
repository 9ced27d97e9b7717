// Curves whose every point lies inside the view. No chord of such a curve needs clipping, so its
// chord ends go to pixels at once; and a curve that lies within one pixel is that one pixel (a
// dashed one only when some dash of its walk falls on it).
#pragma once

#include "view/DrawContext.h"
#include "view/EllipseFrame.h"
#include "view/PatternWalk.h"

namespace zf61 {

// Issues the chords of the curve (its 73 points from `frame` and `angles`) when the curve lies
// wholly inside the view, with the same pixels and the same stroke state as stroking the chords
// one by one; `pattern` is null for a line type drawn solid. False, having done nothing, when
// some point might lie outside.
bool DrawCurveInsideView(DrawContext& ctx, const Pattern* pattern, int layerIndex, int lineType,
                         const EllipseFrame& frame, const CurveAngles& angles);

}  // namespace zf61
