// Building and querying the end-point grid.
#include "fill/EndpointGrid.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace zf61 {
namespace {

constexpr double kCellsPerUnit = 67108864.0;  // 2^26
constexpr double kExactBeyond = 68719476736.0;  // 2^36
// The query reaches twice the tolerance around the point, so rounding in the subtraction can
// never leave out a cell.
constexpr double kQueryReach = 2.0 * kPointTolerance;

bool UsesCells(double v) { return std::fabs(v) < kExactBeyond; }

int64_t CellOf(double v) { return static_cast<int64_t>(std::floor(v * kCellsPerUnit)); }

}  // namespace

size_t EndpointGrid::CellKeyHash::operator()(const CellKey& k) const {
  uint64_t h = static_cast<uint64_t>(k.x) * 0x9E3779B97F4A7C15ull;
  h ^= static_cast<uint64_t>(k.y) + 0x632BE59BD9B4E019ull + (h << 6) + (h >> 2);
  h ^= (k.exactX ? 1u : 0u) | (k.exactY ? 2u : 0u);
  return static_cast<size_t>(h ^ (h >> 29));
}

EndpointGrid::AxisRange EndpointGrid::QueryRange(double v) {
  if (!UsesCells(v)) {
    int64_t bits = std::bit_cast<int64_t>(v);
    return {bits, bits, true};
  }
  return {CellOf(v - kQueryReach), CellOf(v + kQueryReach), false};
}

EndpointGrid::CellKey EndpointGrid::KeyOf(double x, double y) {
  CellKey key{0, 0, !UsesCells(x), !UsesCells(y)};
  key.x = key.exactX ? std::bit_cast<int64_t>(x) : CellOf(x);
  key.y = key.exactY ? std::bit_cast<int64_t>(y) : CellOf(y);
  return key;
}

EndpointGrid::EndpointGrid(const std::vector<TraceSegment>& segments) {
  struct Keyed {
    CellKey key;
    size_t hash;
    EndRef ref;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(segments.size() * 2);
  CellKeyHash hasher;
  for (size_t i = 0; i < segments.size(); ++i) {
    const TraceSegment& s = segments[i];
    for (bool atEnd : {false, true}) {
      CellKey key = atEnd ? KeyOf(s.endX, s.endY) : KeyOf(s.startX, s.startY);
      keyed.push_back({key, hasher(key), {static_cast<int32_t>(i), atEnd}});
    }
  }
  // Group equal keys together; within a cell the order does not matter to the search.
  std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
    if (a.hash != b.hash) return a.hash < b.hash;
    if (a.key.x != b.key.x) return a.key.x < b.key.x;
    if (a.key.y != b.key.y) return a.key.y < b.key.y;
    return (a.key.exactX * 2 + a.key.exactY) < (b.key.exactX * 2 + b.key.exactY);
  });
  entries_.reserve(keyed.size());
  cells_.reserve(keyed.size());
  size_t groupStart = 0;
  for (size_t i = 0; i < keyed.size(); ++i) {
    entries_.push_back(keyed[i].ref);
    bool lastOfGroup = i + 1 == keyed.size() || !(keyed[i + 1].key == keyed[i].key);
    if (!lastOfGroup) continue;
    cells_.emplace(keyed[i].key,
                   Range{static_cast<uint32_t>(groupStart), static_cast<uint32_t>(i + 1)});
    groupStart = i + 1;
  }
}

}  // namespace zf61
