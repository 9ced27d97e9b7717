// Ellipses, arcs and rounded corners as cubic Bezier pieces in logical coordinates.
#pragma once

#include <vector>

#include "metafile/MetafileScene.h"

namespace zf61 {

struct ArcPiece {
  ScenePoint control1, control2, end;
};

struct EllipseBox {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
  double centreX() const { return (left + right) / 2; }
  double centreY() const { return (top + bottom) / 2; }
};

// The point of the ellipse inscribed in `box` at parameter angle `phi` (radians,
// counter-clockwise as seen with y growing downwards).
ScenePoint EllipsePoint(const EllipseBox& box, double phi);

// The parameter angle where the ray from the box's centre through `p` meets the ellipse.
double EllipseAngleToward(const EllipseBox& box, ScenePoint p);

// The arc from `start` sweeping `sweep` radians (negative: clockwise), in pieces of at most a
// quarter turn; it begins at EllipsePoint(box, start).
std::vector<ArcPiece> ArcPieces(const EllipseBox& box, double start, double sweep);

}  // namespace zf61
