// The bounding rectangle of all figures in display units (each figure's coordinates divided by
// its layer group's scale), which fitting the view to the drawing uses.
#pragma once

#include "model/DrawingStore.h"

namespace zf61 {

// Extents are held within +-this, so that an absurd coordinate cannot make the fitted view
// useless for everything else.
inline constexpr double kExtentsLimit = 1e8;

struct DrawingExtents {
  double XMin = 0.0;
  double YMin = 0.0;
  double XMax = 0.0;
  double YMax = 0.0;

  void SetExtentsToPoint(double x, double y, double divisor);
  void ExtendExtents(double x, double y, double divisor);
  // Adds the end points of an elliptical arc and the quadrant points it passes (angles in
  // degrees, in the curve's own frame before the tilt).
  void ExtendByEllipseArc(double divisor, double tiltDeg, double flatness, double endDeg,
                          double startDeg, double radius, double cx, double cy);

 private:
  void Clamp();
};

// Recomputes the extents from the store; an empty drawing shows 200 units about the origin and
// a drawing of one figure gets 100 units of margin on every side.
void ComputeDrawingExtents(const DrawingStore& store, DrawingExtents& extents);

}  // namespace zf61
