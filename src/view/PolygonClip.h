// Clipping a closed polygon to a rectangle in pixels, for canvases whose raster engine cannot
// take points far outside the canvas. Inside the rectangle the even-odd fill is unchanged: every
// edge the clip adds lies on the rectangle's border.
#pragma once

#include <vector>

#include "model/Geometry.h"

namespace zf61 {

// Points are kept within this many pixels around a canvas.
inline constexpr double kCanvasGuardPixels = 1 << 20;

// Sutherland-Hodgman against x0 <= x <= x1, y0 <= y <= y1.
std::vector<PointD> ClipPolygonToRect(std::vector<PointD> points, double x0, double y0, double x1,
                                      double y1);

// The same against the guard band around a canvas of width x height pixels.
std::vector<PointD> ClipPolygonToGuard(std::vector<PointD> points, int width, int height);

}  // namespace zf61
