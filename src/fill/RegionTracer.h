// Finds the enclosed parts of the drawing: circles, full ellipses, and closed chains of lines
// and arcs whose ends meet one after the other, each as a polygon in drawing units.
#pragma once

#include <vector>

#include "fill/TraceProgress.h"
#include "fill/TraceTypes.h"
#include "model/DrawingStore.h"
#include "model/UnitGraAtt.h"

namespace zf61 {

inline constexpr int kDefaultArcDivisions = 24;
inline constexpr int kMinArcDivisions = 3;
inline constexpr int kMaxArcDivisions = 3600;

enum class TraceMethod {
  Indexed,    // end points found through a grid: near-linear time
  Reference,  // every extension scans all segments from the first: the plain algorithm
};

class RegionTracer {
 public:
  RegionTracer(const DrawingStore& store, const TgraAttribute& att) : store_(store), att_(att) {}

  // Chords per full curve or per arc, clamped to 3..3600.
  void setArcDivisionCount(int n);
  int arcDivisionCount() const { return divisions_; }

  // Replaces the traced regions: circles first, then closed curves of the arc list, then the
  // chains in the order of their starting segment.
  // `progress`, when given, hears how far the search got and may stop it; false when it was
  // stopped, and then there are no regions.
  bool traceRegions(TraceMethod method = TraceMethod::Indexed, TraceProgress* progress = nullptr);
  void clearRegions() { regions_.clear(); }
  const std::vector<ClosedRegion>& tracedRegions() const { return regions_; }
  const DrawingStore& store() const { return store_; }

 private:
  void AddCircles();
  void CollectSegments(std::vector<TraceSegment>& segments);
  bool TraceChains(std::vector<TraceSegment>& segments, TraceMethod method,
                   TraceProgress* progress);
  std::vector<PointD> ChainPolygon(const std::vector<ChainLink>& chain) const;

  const DrawingStore& store_;
  const TgraAttribute& att_;
  int divisions_ = kDefaultArcDivisions;
  std::vector<ClosedRegion> regions_;
};

}  // namespace zf61
