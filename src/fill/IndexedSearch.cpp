// The indexed search: the ends that meet, place by place, and the segments that can close
// nothing set aside, before tracing and again as regions take segments out of play.
#include "fill/CandidateSearch.h"
#include "fill/SegmentGraph.h"

namespace zf61 {
namespace {

class IndexedSearch final : public CandidateSearch {
 public:
  explicit IndexedSearch(const std::vector<TraceSegment>& segments)
      : segments_(segments), graph_(segments) {
    graph_.markBridges(segments_, open_);
  }

  std::optional<Extension> find(EndRef end, double x, double y,
                                bool firstExtension) const override {
    int32_t best = -1;
    bool bestReversed = false;
    // Every end that meets the chain's end is at its place.
    graph_.forEachEndAt(end, [&](EndRef ref) {
      if ((open_[ref.segment] && !firstExtension) || (best >= 0 && ref.segment > best)) return;
      const TraceSegment& s = segments_[ref.segment];
      if (s.state != SegmentState::Free) return;
      bool meets =
          ref.atEnd ? SamePoint(x, y, s.endX, s.endY) : SamePoint(x, y, s.startX, s.startY);
      if (!meets) return;
      // The lowest index wins; for one segment its start (forward) wins over its end.
      if (best < 0 || ref.segment < best || (ref.segment == best && !ref.atEnd)) {
        best = ref.segment;
        bestReversed = ref.atEnd;
      }
    });
    if (best < 0) return std::nullopt;
    return Extension{best, bestReversed};
  }

  bool mayClose(int32_t segment) const override { return !open_[segment]; }

  // Regions take their segments out of play, which can leave others on no cycle any more.
  void refresh() override { graph_.markBridges(segments_, open_); }
  size_t refreshCost() const override { return graph_.size(); }

 private:
  const std::vector<TraceSegment>& segments_;
  SegmentGraph graph_;
  // Set aside: on no cycle of the segments in play, so part of no closed chain. A chain of two
  // or more links that walked into one could never come back to its start: the plain search
  // would back out of it and of everything behind it, which changes nothing but the time
  // taken. As the first extension of a start they still count: that start then fails.
  std::vector<bool> open_;
};

}  // namespace

std::unique_ptr<CandidateSearch> MakeIndexedSearch(const std::vector<TraceSegment>& segments) {
  return std::make_unique<IndexedSearch>(segments);
}

}  // namespace zf61
