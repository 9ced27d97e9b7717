// The plain scan over all segments, kept as the reference the indexed search must agree with.
#include "fill/CandidateSearch.h"

namespace zf61 {
namespace {

class LinearSearch final : public CandidateSearch {
 public:
  explicit LinearSearch(const std::vector<TraceSegment>& segments) : segments_(segments) {}

  std::optional<Extension> find(EndRef, double x, double y, bool) const override {
    for (size_t j = 0; j < segments_.size(); ++j) {
      const TraceSegment& s = segments_[j];
      if (s.state != SegmentState::Free) continue;
      if (SamePoint(x, y, s.startX, s.startY)) return Extension{static_cast<int32_t>(j), false};
      if (SamePoint(x, y, s.endX, s.endY)) return Extension{static_cast<int32_t>(j), true};
    }
    return std::nullopt;
  }

  bool mayClose(int32_t) const override { return true; }

 private:
  const std::vector<TraceSegment>& segments_;
};

}  // namespace

std::unique_ptr<CandidateSearch> MakeLinearSearch(const std::vector<TraceSegment>& segments) {
  return std::make_unique<LinearSearch>(segments);
}

}  // namespace zf61
