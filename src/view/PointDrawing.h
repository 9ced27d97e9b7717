// The point list of solids and rectangles drawn as a clipped polyline or a filled polygon, and
// the point lists of the solid curve figures.
#pragma once

#include "view/DrawContext.h"

namespace zf61 {

// A polygon whose first edge is longer than this many pixels is drawn as its outline only.
inline constexpr double kMaxFilledEdgePixels = 10000.0;

enum class SolidCurveMode { Filled = 101, Outline = 111, Ring = 105 };

// Draws ctx.points as an open polyline, split into pieces where a segment leaves the view.
void DrawPointPolyline(DrawContext& ctx);
// Draws ctx.points as one closed polygon filled with the current brush.
void FillPointPolygon(DrawContext& ctx);
// Builds and draws the point list of a solid curve figure (angles in radians).
void DrawSolidCurve(DrawContext& ctx, SolidCurveMode mode, double parameter, double sweep,
                    double start, double tilt, double flatness, double radius, double cx,
                    double cy);

}  // namespace zf61
