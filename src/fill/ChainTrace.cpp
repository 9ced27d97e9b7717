// The depth-first walk of every start, the refreshes of the search, and progress reports.
#include "fill/ChainTrace.h"

namespace zf61 {
namespace {

// Steps (links added or backed out of) between two reports of progress.
constexpr size_t kStepsPerReport = size_t{1} << 16;

ChainLink LinkOf(const std::vector<TraceSegment>& segments, int32_t index, bool reversed) {
  const TraceSegment& s = segments[static_cast<size_t>(index)];
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

class ChainWalk {
 public:
  ChainWalk(std::vector<TraceSegment>& segments, CandidateSearch& search, TraceProgress* progress)
      : segments_(segments), search_(search), progress_(progress) {}

  // The walk from one start: true when the chain closed with two or more links, in chain_.
  // False also when progress asked to stop (then stopped() is true).
  bool walkFrom(int32_t start) {
    chain_.assign(1, LinkOf(segments_, start, false));
    state(start) = SegmentState::InChain;
    touched_.assign(1, start);
    for (;;) {
      if (!step()) return false;
      const ChainLink& last = chain_.back();
      if (SamePoint(last.endX, last.endY, chain_.front().startX, chain_.front().startY)) {
        return chain_.size() >= 2;
      }
      bool first = chain_.size() == 1;
      EndRef end{last.segmentIndex, !last.reversed};
      std::optional<Extension> next = search_.find(end, last.endX, last.endY, first);
      if (next && first && !search_.mayClose(next->segment)) return false;  // only dead ends
      if (next) {
        chain_.push_back(LinkOf(segments_, next->segment, next->reversed));
        state(next->segment) = SegmentState::InChain;
        touched_.push_back(next->segment);
        continue;
      }
      if (chain_.size() == 1) return false;
      state(chain_.back().segmentIndex) = SegmentState::DeadEnd;
      chain_.pop_back();
      if (chain_.size() == 1) return false;  // the first joined segment led only to dead ends
    }
  }

  // Segments of a region stay used; every other one the walk touched is free again.
  void finish(bool madeRegion) {
    for (const ChainLink& link : madeRegion ? chain_ : std::vector<ChainLink>()) {
      state(link.segmentIndex) = SegmentState::Used;
    }
    for (int32_t t : touched_) {
      if (state(t) != SegmentState::Used) state(t) = SegmentState::Free;
    }
  }

  bool report(size_t start) {
    if (progress_ && !progress_->keepGoing(start, segments_.size())) stopped_ = true;
    return !stopped_;
  }

  const std::vector<ChainLink>& chain() const { return chain_; }
  size_t steps() const { return steps_; }
  bool stopped() const { return stopped_; }
  size_t start = 0;  // the start being walked, for progress reports

 private:
  SegmentState& state(int32_t segment) { return segments_[static_cast<size_t>(segment)].state; }

  bool step() {
    if (++steps_ % kStepsPerReport == 0 && !report(start)) return false;
    return true;
  }

  std::vector<TraceSegment>& segments_;
  CandidateSearch& search_;
  TraceProgress* progress_;
  std::vector<ChainLink> chain_;
  std::vector<int32_t> touched_;  // segments whose state this start changed
  size_t steps_ = 0;
  bool stopped_ = false;
};

}  // namespace

bool TraceAllChains(std::vector<TraceSegment>& segments, CandidateSearch& search,
                    const ChainFound& found, TraceProgress* progress) {
  ChainWalk walk(segments, search, progress);
  // Regions take segments out of play; the search looks again for segments that can close
  // nothing once failed starts have cost more than that look.
  size_t wastedSince = 0;
  bool regionsSince = false;
  for (size_t k = 0; k < segments.size(); ++k) {
    if (regionsSince && wastedSince > search.refreshCost()) {
      search.refresh();
      wastedSince = 0;
      regionsSince = false;
    }
    int32_t start = static_cast<int32_t>(k);
    if (segments[k].state != SegmentState::Free || !search.mayClose(start)) continue;
    walk.start = k;
    size_t before = walk.steps();
    bool closed = walk.walkFrom(start);
    if (walk.stopped()) return false;
    bool madeRegion = closed && found(walk.chain());
    walk.finish(madeRegion);
    regionsSince |= madeRegion;
    if (!madeRegion) wastedSince += walk.steps() - before;
  }
  return walk.report(segments.size());
}

}  // namespace zf61
