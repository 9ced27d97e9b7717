// The tracer's run: closed curves, the segment list, and the chains.
#include "fill/RegionTracer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "fill/CandidateSearch.h"

namespace zf61 {
namespace {

constexpr int kHiddenLayerState = 3;
// An arc whose sweep lies within this of 0 or 360 degrees is a closed curve.
constexpr double kWholeSweepTolerance = 1e-8;
// Fewer lines than this, and no curve, cannot enclose anything.
constexpr size_t kMinimumLines = 3;

ChainLink LinkOf(const std::vector<TraceSegment>& segments, int32_t index, bool reversed) {
  const TraceSegment& s = segments[index];
  ChainLink link;
  link.segmentIndex = index;
  link.kind = s.kind;
  link.figureIndex = s.figureIndex;
  link.reversed = reversed;
  link.startX = reversed ? s.endX : s.startX;
  link.startY = reversed ? s.endY : s.startY;
  link.endX = reversed ? s.startX : s.endX;
  link.endY = reversed ? s.startY : s.endY;
  return link;
}

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

void RegionTracer::TraceChains(std::vector<TraceSegment>& segments, TraceMethod method) {
  std::unique_ptr<CandidateSearch> search =
      method == TraceMethod::Reference ? MakeLinearSearch(segments) : MakeIndexedSearch(segments);
  std::vector<ChainLink> chain;
  std::vector<int32_t> touched;  // segments whose state this start changed
  for (size_t k = 0; k < segments.size(); ++k) {
    int32_t start = static_cast<int32_t>(k);
    if (segments[k].state != SegmentState::Free || !search->mayClose(start)) continue;
    chain.assign(1, LinkOf(segments, start, false));
    segments[k].state = SegmentState::InChain;
    touched.assign(1, start);
    bool closed = false;
    for (;;) {
      const ChainLink& last = chain.back();
      if (SamePoint(last.endX, last.endY, chain.front().startX, chain.front().startY)) {
        closed = true;
        break;
      }
      bool first = chain.size() == 1;
      std::optional<Extension> next = search->find(last.endX, last.endY, first);
      if (next && first && !search->mayClose(next->segment)) break;  // only dead ends follow
      if (next) {
        chain.push_back(LinkOf(segments, next->segment, next->reversed));
        segments[static_cast<size_t>(next->segment)].state = SegmentState::InChain;
        touched.push_back(next->segment);
        continue;
      }
      if (chain.size() == 1) break;
      segments[static_cast<size_t>(chain.back().segmentIndex)].state = SegmentState::DeadEnd;
      chain.pop_back();
      if (chain.size() == 1) break;  // the first joined segment led only to dead ends
    }
    if (closed && chain.size() >= 2) {
      std::vector<PointD> polygon = ChainPolygon(chain);
      if (polygon.size() > 3) {
        regions_.push_back(ClosedRegion{std::move(polygon)});
        for (const ChainLink& link : chain) {
          segments[static_cast<size_t>(link.segmentIndex)].state = SegmentState::Used;
        }
      }
    }
    for (int32_t t : touched) {
      SegmentState& state = segments[static_cast<size_t>(t)].state;
      if (state != SegmentState::Used) state = SegmentState::Free;
    }
  }
}

void RegionTracer::traceRegions(TraceMethod method) {
  clearRegions();
  if (store_.lines.size() < kMinimumLines && store_.circles.empty() && store_.arcs.empty()) {
    return;
  }
  AddCircles();
  std::vector<TraceSegment> segments;
  CollectSegments(segments);
  TraceChains(segments, method);
}

}  // namespace zf61
