// The figures that enclose parts of the drawing, as both ways of filling take them: which
// figures take part, and their points in display units (divided by their group's divisor),
// curves as chords.
#pragma once

#include <vector>

#include "model/DrawingStore.h"
#include "model/Geometry.h"
#include "model/UnitGraAtt.h"

namespace zf61 {

// A figure on a hidden layer or marked "z3" takes no part.
bool TakesPart(const TgraAttribute& att, const FigureHeader& header);

// An arc whose sweep lies within 1e-8 of 0 or 360 degrees is a closed curve.
bool IsClosedCurve(const ArcFigure& arc);

PointD ArcPoint(const DrawingStore& store, const ArcFigure& arc, double angleDeg);

// The n + 1 points of a circle, from angle 0 by 2π / n.
std::vector<PointD> CirclePoints(const DrawingStore& store, const CircleFigure& circle, int n);
// The n + 1 points of a closed curve, from parameter angle 0 by 360 / n degrees.
std::vector<PointD> ClosedCurvePoints(const DrawingStore& store, const ArcFigure& arc, int n);

// The chords' points of an open arc in the direction of travel: n + 1 of them from its start
// with `includeFirst`, else the n after its first point (forward, or from its end backward).
void AppendArcPoints(const DrawingStore& store, const ArcFigure& arc, int n, bool reversed,
                     bool includeFirst, std::vector<PointD>& out);

}  // namespace zf61
