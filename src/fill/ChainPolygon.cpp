// The polygon of a closed chain: lines give their ends, arcs their chords, in the direction of
// travel.
#include "fill/RegionTracer.h"

namespace zf61 {

void RegionTracer::AppendArcPoints(const ChainLink& link, bool includeFirst,
                                   std::vector<PointD>& out) const {
  const ArcFigure& a = store_.arcs[static_cast<size_t>(link.figureIndex)];
  double sweep = a.endAngle - a.startAngle;
  if (sweep < 0.0) sweep += 360.0;
  double step = sweep / divisions_;
  if (includeFirst) {
    double angle = a.startAngle;  // the first link is never reversed
    for (int i = 0; i <= divisions_; ++i) {
      out.push_back(ArcPoint(link.figureIndex, angle));
      angle += step;
    }
    return;
  }
  // The arc's own first point coincides with the previous point and is not repeated.
  double angle = link.reversed ? a.endAngle : a.startAngle;
  double signedStep = link.reversed ? -step : step;
  for (int i = 0; i < divisions_; ++i) {
    angle += signedStep;
    out.push_back(ArcPoint(link.figureIndex, angle));
  }
}

std::vector<PointD> RegionTracer::ChainPolygon(const std::vector<ChainLink>& chain) const {
  std::vector<PointD> points;
  const ChainLink& first = chain.front();
  if (first.kind == SegmentKind::Line) {
    points.push_back({first.startX, first.startY});
    points.push_back({first.endX, first.endY});
  } else {
    AppendArcPoints(first, true, points);
  }
  for (size_t i = 1; i < chain.size(); ++i) {
    const ChainLink& link = chain[i];
    if (link.kind == SegmentKind::Line) {
      points.push_back({link.endX, link.endY});
    } else {
      AppendArcPoints(link, false, points);
    }
  }
  return points;
}

}  // namespace zf61
