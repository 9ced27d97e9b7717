// The indexed search: end points by grid cell, and the segments that can close nothing set
// aside once before tracing.
#include <algorithm>
#include <deque>

#include "fill/CandidateSearch.h"
#include "fill/EndpointGrid.h"

namespace zf61 {
namespace {

class IndexedSearch final : public CandidateSearch {
 public:
  explicit IndexedSearch(const std::vector<TraceSegment>& segments)
      : segments_(segments), grid_(segments), open_(segments.size(), false) {
    SetAsideOpenBranches();
  }

  std::optional<Extension> find(double x, double y, bool firstExtension) const override {
    int32_t best = -1;
    bool bestReversed = false;
    grid_.forEachNear(x, y, [&](EndRef ref) {
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

 private:
  // How many ends of other segments still in play meet this end.
  int CountMeeting(int32_t segment, bool atEnd) const {
    const TraceSegment& s = segments_[segment];
    double x = atEnd ? s.endX : s.startX, y = atEnd ? s.endY : s.startY;
    int count = 0;
    grid_.forEachNear(x, y, [&](EndRef ref) {
      if (ref.segment == segment || open_[ref.segment]) return;
      const TraceSegment& o = segments_[ref.segment];
      if (ref.atEnd ? SamePoint(x, y, o.endX, o.endY) : SamePoint(x, y, o.startX, o.startY)) {
        ++count;
      }
    });
    return count;
  }

  // In a closed chain of two or more links every end meets an end of another link. A segment
  // with an end that meets no other segment can therefore be in no region, and neither can one
  // whose end meets only such segments: they are set aside, branch by branch. From a chain of
  // two or more links the plain search would still walk into them, find only dead ends and back
  // out, which changes nothing but the time taken: every segment it marks as a dead end on the
  // way is itself set aside (an end of a set-aside segment meets only segments set aside before
  // it). As the first extension of a start they still count: that start then fails.
  void SetAsideOpenBranches() {
    const size_t n = segments_.size();
    std::vector<int> meeting(2 * n);
    std::deque<int32_t> queue;
    // Every count first, over all segments; setting aside then takes each one away once.
    for (size_t i = 0; i < n; ++i) {
      meeting[2 * i] = CountMeeting(static_cast<int32_t>(i), false);
      meeting[2 * i + 1] = CountMeeting(static_cast<int32_t>(i), true);
    }
    for (size_t i = 0; i < n; ++i) {
      if (meeting[2 * i] == 0 || meeting[2 * i + 1] == 0) {
        open_[i] = true;
        queue.push_back(static_cast<int32_t>(i));
      }
    }
    while (!queue.empty()) {
      int32_t gone = queue.front();
      queue.pop_front();
      const TraceSegment& g = segments_[gone];
      for (bool goneAtEnd : {false, true}) {
        double x = goneAtEnd ? g.endX : g.startX, y = goneAtEnd ? g.endY : g.startY;
        grid_.forEachNear(x, y, [&](EndRef ref) {
          if (ref.segment == gone || open_[ref.segment]) return;
          const TraceSegment& o = segments_[ref.segment];
          bool meets =
              ref.atEnd ? SamePoint(x, y, o.endX, o.endY) : SamePoint(x, y, o.startX, o.startY);
          if (!meets) return;
          if (--meeting[2 * ref.segment + (ref.atEnd ? 1 : 0)] == 0) {
            open_[ref.segment] = true;
            queue.push_back(ref.segment);
          }
        });
      }
    }
  }

  const std::vector<TraceSegment>& segments_;
  EndpointGrid grid_;
  std::vector<bool> open_;  // set aside: part of no closed chain
};

}  // namespace

std::unique_ptr<CandidateSearch> MakeIndexedSearch(const std::vector<TraceSegment>& segments) {
  return std::make_unique<IndexedSearch>(segments);
}

}  // namespace zf61
