// The tracer's run: closed curves, the segment list, and the chains.
#include "fill/RegionTracer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "fill/CandidateSearch.h"
#include "fill/ChainTrace.h"

namespace zf61 {
namespace {

constexpr int kHiddenLayerState = 3;
// An arc whose sweep lies within this of 0 or 360 degrees is a closed curve.
constexpr double kWholeSweepTolerance = 1e-8;
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

bool RegionTracer::TakesPart(const FigureHeader& h) const {
  return att_.LayerDrawState(h.LayerIndex()) != kHiddenLayerState && !(h.flags & kFlagHidden);
}

PointD RegionTracer::ArcPoint(int32_t arcIndex, double angleDeg) const {
  const ArcFigure& a = store_.arcs[static_cast<size_t>(arcIndex)];
  double d = store_.groupDivisor(a.header.group);
  PointD p = EllipsePoint(a.centreX, a.centreY, a.radius, a.flatness, a.tiltAngle, angleDeg);
  return {p.x / d, p.y / d};
}

void RegionTracer::AddCircles() {
  for (const CircleFigure& c : store_.circles) {
    if (!TakesPart(c.header)) continue;
    double d = store_.groupDivisor(c.header.group);
    ClosedRegion region;
    region.points.reserve(static_cast<size_t>(divisions_) + 1);
    double a = 0.0;
    for (int i = 0; i <= divisions_; ++i) {
      region.points.push_back(
          {(std::cos(a) * c.radius + c.centreX) / d, (std::sin(a) * c.radius + c.centreY) / d});
      a += 2.0 * kPi / divisions_;
    }
    regions_.push_back(std::move(region));
  }
}

void RegionTracer::CollectSegments(std::vector<TraceSegment>& segments) {
  for (size_t i = 0; i < store_.lines.size(); ++i) {
    const LineFigure& l = store_.lines[i];
    if (!TakesPart(l.header)) continue;
    double d = store_.groupDivisor(l.header.group);
    TraceSegment s;
    s.kind = SegmentKind::Line;
    s.figureIndex = static_cast<int32_t>(i);
    s.startX = l.x1 / d, s.startY = l.y1 / d, s.endX = l.x2 / d, s.endY = l.y2 / d;
    segments.push_back(s);
  }
  for (size_t i = 0; i < store_.arcs.size(); ++i) {
    const ArcFigure& a = store_.arcs[i];
    if (!TakesPart(a.header)) continue;
    int32_t index = static_cast<int32_t>(i);
    double sweep = NormalizeDegrees(a.endAngle - a.startAngle);
    if (std::fabs(sweep) <= kWholeSweepTolerance ||
        std::fabs(sweep - 360.0) <= kWholeSweepTolerance) {
      ClosedRegion region;
      double phi = 0.0;
      for (int k = 0; k <= divisions_; ++k) {
        region.points.push_back(ArcPoint(index, phi));
        phi += 360.0 / divisions_;
      }
      regions_.push_back(std::move(region));
      continue;
    }
    PointD start = ArcPoint(index, a.startAngle), end = ArcPoint(index, a.endAngle);
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
