// Line-type patterns walked along the visible part of a segment: dashes and gaps, or the zigzag
// of a random line type, continuing from the segment before when it joins on.
#pragma once

#include "view/DrawContext.h"

namespace zf61 {

// A pattern no longer than this many pixels is drawn as a solid line.
inline constexpr double kSolidPatternPixels = 2.0;
// End points within this of the last stroked end continue its pattern.
inline constexpr double kPatternContinuity = 1e-10;

struct Pattern {
  int count = 0;
  double amplitude = 0.0;
  double length = 0.0;  // of one whole pattern
  double pieces[kMaxPieces] = {};
};

Pattern LoadPattern(const TgraAttribute& att, int lineType);

// True when the line type has no pattern, or one too short at this scale to be walked.
bool DrawnSolid(const DrawContext& ctx, int lineType);

// Strokes the visible part S-E (already clipped) with the pattern: takes up the pattern where
// the stroke state left it when S joins the last end on the same layer and line type, walks it,
// and leaves the state for the next segment.
void StrokeVisiblePart(DrawContext& ctx, const Pattern& pattern, int layerIndex, int lineType,
                       double x1, double y1, double x2, double y2);

// The same walk and the same stroke state, without drawing: true when a dash or zigzag stroke
// would have been drawn.
bool WalkVisiblePart(DrawContext& ctx, const Pattern& pattern, int layerIndex, int lineType,
                     double x1, double y1, double x2, double y2);

}  // namespace zf61
