#include "rooms/PieceGroups.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
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

// Spans in order of their low ends (then pieces), as one sort would put them: spread first into
// buckets by the low end, then each bucket sorted on its own. A larger low end never falls in an
// earlier bucket (every step of the bucket's reckoning keeps the order), so the buckets one after
// the other are in order.
void SortByLow(std::vector<SpanOfPiece>& spans) {
  constexpr size_t kSpansPerBucket = 4;
  double least = std::numeric_limits<double>::infinity(), most = -least;
  for (const SpanOfPiece& s : spans) {
    least = std::min(least, s.span.low);
    most = std::max(most, s.span.low);
  }
  const size_t buckets = spans.size() / kSpansPerBucket;
  const double scale = static_cast<double>(buckets) / (most - least);
  if (buckets < 2 || !(scale > 0) || !std::isfinite(scale)) return SortShared(spans);
  auto bucketOf = [&](double low) {
    const double place = (low - least) * scale;
    return place < static_cast<double>(buckets) ? static_cast<size_t>(place) : buckets - 1;
  };
  std::vector<size_t> start(buckets + 1, 0);
  for (const SpanOfPiece& s : spans) ++start[bucketOf(s.span.low) + 1];
  // A piece far from the rest (common enough) leaves most in one bucket: sorted on two threads.
  if (*std::max_element(start.begin(), start.end()) > spans.size() / 2) return SortShared(spans);
  for (size_t b = 0; b < buckets; ++b) start[b + 1] += start[b];
  std::vector<SpanOfPiece> sorted(spans.size());
  std::vector<size_t> next(start.begin(), start.end() - 1);
  for (const SpanOfPiece& s : spans) sorted[next[bucketOf(s.span.low)]++] = s;
  for (size_t b = 0; b < buckets; ++b) {
    std::sort(sorted.begin() + static_cast<std::ptrdiff_t>(start[b]),
              sorted.begin() + static_cast<std::ptrdiff_t>(start[b + 1]));
  }
  spans = std::move(sorted);
}

// The pieces of `group` in runs whose spans along `axis` chain together.
std::vector<std::vector<size_t>> SplitAlong(const std::vector<size_t>& group,
                                            const std::vector<RoomPiece>& pieces, int axis,
                                            double reach) {
  std::vector<SpanOfPiece> spans;
  spans.reserve(group.size());
  for (size_t i : group) spans.push_back({SpanOf(pieces[i], axis), i});
  SortByLow(spans);
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
