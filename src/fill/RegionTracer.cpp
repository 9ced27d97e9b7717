// The tracer's run: closed curves, the segment list, and the chains.
#include "fill/RegionTracer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "fill/CandidateSearch.h"
#include "fill/ChainTrace.h"
#include "fill/FigurePoints.h"

namespace zf61 {
namespace {

// Fewer lines than this, and no curve, cannot enclose anything.
constexpr size_t kMinimumLines = 3;

}  // namespace

bool ClosedRegion::operator==(const ClosedRegion& other) const {
  if (points.size() != other.points.size()) return false;
  for (size_t i = 0; i < points.size(); ++i) {
    // Bit-for-bit equality (NaN included), as two tracers must agree exactly.
    if (std::memcmp(&points[i], &other.points[i], sizeof(PointD)) != 0) return false;
  }
  return true;
}

void RegionTracer::setArcDivisionCount(int n) {
  divisions_ = std::clamp(n, kMinArcDivisions, kMaxArcDivisions);
}

void RegionTracer::AddCircles() {
  for (const CircleFigure& c : store_.circles) {
    if (TakesPart(att_, c.header)) regions_.push_back({CirclePoints(store_, c, divisions_)});
  }
}

void RegionTracer::CollectSegments(std::vector<TraceSegment>& segments) {
  for (size_t i = 0; i < store_.lines.size(); ++i) {
    const LineFigure& l = store_.lines[i];
    if (!TakesPart(att_, l.header)) continue;
    double d = store_.groupDivisor(l.header.group);
    TraceSegment s;
    s.kind = SegmentKind::Line;
    s.figureIndex = static_cast<int32_t>(i);
    s.startX = l.x1 / d, s.startY = l.y1 / d, s.endX = l.x2 / d, s.endY = l.y2 / d;
    segments.push_back(s);
  }
  for (size_t i = 0; i < store_.arcs.size(); ++i) {
    const ArcFigure& a = store_.arcs[i];
    if (!TakesPart(att_, a.header)) continue;
    int32_t index = static_cast<int32_t>(i);
    if (IsClosedCurve(a)) {
      regions_.push_back({ClosedCurvePoints(store_, a, divisions_)});
      continue;
    }
    PointD start = ArcPoint(store_, a, a.startAngle), end = ArcPoint(store_, a, a.endAngle);
    TraceSegment s;
    s.kind = SegmentKind::Arc;
    s.figureIndex = index;
    s.startX = start.x, s.startY = start.y, s.endX = end.x, s.endY = end.y;
    segments.push_back(s);
  }
}

bool RegionTracer::TraceChains(std::vector<TraceSegment>& segments, TraceMethod method,
                               TraceProgress* progress) {
  std::unique_ptr<CandidateSearch> search =
      method == TraceMethod::Reference ? MakeLinearSearch(segments) : MakeIndexedSearch(segments);
  auto found = [this](const std::vector<ChainLink>& chain) {
    std::vector<PointD> polygon = ChainPolygon(chain);
    if (polygon.size() <= 3) return false;
    regions_.push_back(ClosedRegion{std::move(polygon)});
    return true;
  };
  return TraceAllChains(segments, *search, found, progress);
}

bool RegionTracer::traceRegions(TraceMethod method, TraceProgress* progress) {
  clearRegions();
  if (store_.lines.size() < kMinimumLines && store_.circles.empty() && store_.arcs.empty()) {
    return true;
  }
  AddCircles();
  std::vector<TraceSegment> segments;
  CollectSegments(segments);
  if (TraceChains(segments, method, progress)) return true;
  clearRegions();  // a stopped search leaves nothing behind
  return false;
}

}  // namespace zf61
