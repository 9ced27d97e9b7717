// Lines in drawing units onto the canvas: clipped lines and rectangles, line-type patterns with
// their continuity from segment to segment, and curves as 72 chords.
#pragma once

#include "view/DrawContext.h"
#include "view/PatternWalk.h"

namespace zf61 {

// Curves are always drawn as this many chords.
inline constexpr int kCurveChords = 72;

void DrawClippedLine(DrawContext& ctx, double x1, double y1, double x2, double y2);
void DrawClippedRect(DrawContext& ctx, double x1, double y1, double x2, double y2);
void StrokeSegment(DrawContext& ctx, int layerIndex, int lineType, double x1, double y1, double x2,
                   double y2);
// Angles in radians; the sweep may be negative, which steps the other way.
void StrokeEllipseArc(DrawContext& ctx, int layerIndex, int lineType, double sweep, double start,
                      double tilt, double flatness, double radius, double cx, double cy);

}  // namespace zf61
