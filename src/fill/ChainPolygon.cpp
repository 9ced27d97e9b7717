// The polygon of a closed chain: lines give their ends, arcs their chords, in the direction of
// travel.
#include "fill/FigurePoints.h"
#include "fill/RegionTracer.h"

namespace zf61 {

std::vector<PointD> RegionTracer::ChainPolygon(const std::vector<ChainLink>& chain) const {
  std::vector<PointD> points;
  const ChainLink& first = chain.front();
  if (first.kind == SegmentKind::Line) {
    points.push_back({first.startX, first.startY});
    points.push_back({first.endX, first.endY});
  } else {
    AppendArcPoints(store_, store_.arcs[static_cast<size_t>(first.figureIndex)], divisions_, false,
                    true, points);
  }
  for (size_t i = 1; i < chain.size(); ++i) {
    const ChainLink& link = chain[i];
    if (link.kind == SegmentKind::Line) {
      points.push_back({link.endX, link.endY});
    } else {
      AppendArcPoints(store_, store_.arcs[static_cast<size_t>(link.figureIndex)], divisions_,
                      link.reversed, false, points);
    }
  }
  return points;
}

}  // namespace zf61
