#include "rooms/PieceGroups.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "rooms/RoomWorkers.h"

namespace zf61::rooms {
namespace {

struct Span {
  double low, high;
};

Span SpanOf(const RoomPiece& piece, int axis) {
  double a = axis == 0 ? piece.a.x : piece.a.y;
  double b = axis == 0 ? piece.b.x : piece.b.y;
  return {std::min(a, b), std::max(a, b)};
}

// A gap wider than the reach, by a margin that covers the rounding of the difference.
bool Separated(double end, double start, double reach) {
  return start > end && start - end > reach * (1.0 + 1e-6);
}

struct SpanOfPiece {
  Span span;
  size_t piece;
  bool operator<(const SpanOfPiece& o) const {
    return span.low < o.span.low || (span.low == o.span.low && piece < o.piece);
  }
};

// The pieces of `group` in runs whose spans along `axis` chain together.
std::vector<std::vector<size_t>> SplitAlong(const std::vector<size_t>& group,
                                            const std::vector<RoomPiece>& pieces, int axis,
                                            double reach) {
  std::vector<SpanOfPiece> spans;
  spans.reserve(group.size());
  for (size_t i : group) spans.push_back({SpanOf(pieces[i], axis), i});
  SortShared(spans);
  std::vector<std::vector<size_t>> parts;
  double end = 0.0;
  for (const SpanOfPiece& s : spans) {
    if (parts.empty() || Separated(end, s.span.low, reach)) {
      parts.emplace_back();
      end = s.span.high;
    }
    parts.back().push_back(s.piece);
    end = std::max(end, s.span.high);
  }
  return parts;
}

struct Work {
  std::vector<size_t> group;
  int axis;
  bool otherAxisTried;  // the group cannot be split along the other axis
};

}  // namespace

std::vector<std::vector<RoomPiece>> SeparateGroups(const std::vector<RoomPiece>& pieces,
                                                   double reach) {
  std::vector<std::vector<RoomPiece>> groups;
  if (pieces.empty()) return groups;
  std::vector<size_t> all(pieces.size());
  for (size_t i = 0; i < all.size(); ++i) all[i] = i;
  // A list of work rather than recursion: a drawing may split many times over.
  std::vector<Work> work{{std::move(all), 0, false}};
  while (!work.empty()) {
    Work item = std::move(work.back());
    work.pop_back();
    std::vector<std::vector<size_t>> parts = SplitAlong(item.group, pieces, item.axis, reach);
    if (parts.size() == 1 && item.otherAxisTried) {
      std::vector<RoomPiece>& out = groups.emplace_back();
      out.reserve(parts[0].size());
      for (size_t i : parts[0]) out.push_back(pieces[i]);
      continue;
    }
    // Each part is one chain along this axis; the other axis may split it further.
    for (auto& part : parts) work.push_back({std::move(part), 1 - item.axis, true});
  }
  return groups;
}

}  // namespace zf61::rooms
