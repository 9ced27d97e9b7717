// The ends of each place, and bridges by Tarjan's low-link numbers.
#include "fill/SegmentGraph.h"

#include <algorithm>

#include "fill/MeetingPlaces.h"

namespace zf61 {

SegmentGraph::SegmentGraph(const std::vector<TraceSegment>& segments) {
  place_ = NumberPlaces(segments, places_);
  const size_t ends = place_.size();
  placeFirst_.assign(static_cast<size_t>(places_) + 1, 0);
  for (int32_t p : place_) ++placeFirst_[p + 1];
  for (int32_t p = 0; p < places_; ++p) placeFirst_[p + 1] += placeFirst_[p];
  endsByPlace_.resize(ends);
  std::vector<int32_t> fill(placeFirst_.begin(), placeFirst_.end() - 1);
  for (size_t e = 0; e < ends; ++e) endsByPlace_[fill[place_[e]]++] = static_cast<int32_t>(e);
}

void SegmentGraph::markBridges(const std::vector<TraceSegment>& segments,
                               std::vector<bool>& bridge) const {
  const size_t n = segments.size();
  bridge.assign(n, false);
  // Adjacency of the segments still in play, as (segment, other place) pairs per place.
  std::vector<int32_t> first(static_cast<size_t>(places_) + 1, 0);
  auto inPlay = [&](size_t i) {
    return segments[i].state != SegmentState::Used && placeOf(i, false) != placeOf(i, true);
  };
  for (size_t i = 0; i < n; ++i) {
    if (!inPlay(i)) continue;
    ++first[placeOf(i, false) + 1];
    ++first[placeOf(i, true) + 1];
  }
  for (int32_t p = 0; p < places_; ++p) first[p + 1] += first[p];
  std::vector<int32_t> edgeOf(static_cast<size_t>(first[places_])), other(edgeOf.size());
  std::vector<int32_t> fill(first.begin(), first.end() - 1);
  for (size_t i = 0; i < n; ++i) {
    if (!inPlay(i)) continue;
    int32_t a = placeOf(i, false), b = placeOf(i, true);
    edgeOf[fill[a]] = static_cast<int32_t>(i), other[fill[a]++] = b;
    edgeOf[fill[b]] = static_cast<int32_t>(i), other[fill[b]++] = a;
  }
  // Depth-first search without recursion: a bridge is an edge to a child whose subtree reaches
  // no place discovered before the child.
  std::vector<int32_t> order(static_cast<size_t>(places_), -1), low(order.size(), 0);
  std::vector<int32_t> next(first.begin(), first.end() - 1);
  struct Frame {
    int32_t place, viaEdge;
  };
  std::vector<Frame> stack;
  int32_t counter = 0;
  for (int32_t root = 0; root < places_; ++root) {
    if (order[root] >= 0) continue;
    order[root] = low[root] = counter++;
    stack.push_back({root, -1});
    while (!stack.empty()) {
      Frame& top = stack.back();
      int32_t v = top.place;
      if (next[v] < first[v + 1]) {
        int32_t k = next[v]++;
        int32_t edge = edgeOf[k], w = other[k];
        if (edge == top.viaEdge) continue;  // not back along the edge we came by
        if (order[w] < 0) {
          order[w] = low[w] = counter++;
          stack.push_back({w, edge});
        } else {
          low[v] = std::min(low[v], order[w]);
        }
        continue;
      }
      Frame done = top;
      stack.pop_back();
      if (stack.empty()) break;
      int32_t parent = stack.back().place;
      low[parent] = std::min(low[parent], low[done.place]);
      if (low[done.place] > order[parent]) bridge[done.viaEdge] = true;
    }
  }
}

}  // namespace zf61
