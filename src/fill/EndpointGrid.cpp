// Building and querying the end-point grid.
#include "fill/EndpointGrid.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace zf61 {
namespace {

constexpr double kCellsPerUnit = 16777216.0;    // 2^24
constexpr double kExactBeyond = 68719476736.0;  // 2^36
// Relative reach added to the tolerance so that rounding in v - reach and v + reach can never
// leave out a cell.
constexpr double kRoundingReach = 1.0 / 1125899906842624.0;  // 2^-50

bool UsesCells(double v) {
  return std::fabs(v) < kExactBeyond;
}

int64_t CellOf(double v) {
  return static_cast<int64_t>(std::floor(v * kCellsPerUnit));
}

}  // namespace

uint64_t EndpointGrid::Hash(const CellKey& k) {
  // splitmix64 finalisers over both coordinates.
  auto mix = [](uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  };
  uint64_t flags = (k.exactX ? 1u : 0u) | (k.exactY ? 2u : 0u);
  return mix(static_cast<uint64_t>(k.x) + mix(static_cast<uint64_t>(k.y) ^ flags));
}

const EndpointGrid::Range* EndpointGrid::Find(const CellKey& key) const {
  if (slots_.empty()) return nullptr;
  for (uint64_t i = Hash(key) & mask_;; i = (i + 1) & mask_) {
    const Slot& slot = slots_[i];
    if (slot.range.begin == slot.range.end) return nullptr;
    if (slot.key == key) return &slot.range;
  }
}

EndpointGrid::AxisRange EndpointGrid::QueryRange(double v) {
  if (!UsesCells(v)) {
    int64_t bits = std::bit_cast<int64_t>(v);
    return {bits, bits, true};
  }
  double reach = kPointTolerance * 1.01 + std::fabs(v) * kRoundingReach;
  return {CellOf(v - reach), CellOf(v + reach), false};
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
    uint64_t hash;
    EndRef ref;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(segments.size() * 2);
  for (size_t i = 0; i < segments.size(); ++i) {
    const TraceSegment& s = segments[i];
    for (bool atEnd : {false, true}) {
      CellKey key = atEnd ? KeyOf(s.endX, s.endY) : KeyOf(s.startX, s.startY);
      keyed.push_back({key, Hash(key), {static_cast<int32_t>(i), atEnd}});
    }
  }
  // Group equal keys together; within a cell the order does not matter to the search.
  std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
    if (a.hash != b.hash) return a.hash < b.hash;
    if (a.key.x != b.key.x) return a.key.x < b.key.x;
    if (a.key.y != b.key.y) return a.key.y < b.key.y;
    return (a.key.exactX * 2 + a.key.exactY) < (b.key.exactX * 2 + b.key.exactY);
  });
  size_t capacity = 16;
  while (capacity < keyed.size() * 2) capacity *= 2;
  slots_.assign(capacity, Slot{});
  mask_ = capacity - 1;
  entries_.reserve(keyed.size());
  size_t groupStart = 0;
  for (size_t i = 0; i < keyed.size(); ++i) {
    entries_.push_back(keyed[i].ref);
    bool lastOfGroup = i + 1 == keyed.size() || !(keyed[i + 1].key == keyed[i].key);
    if (!lastOfGroup) continue;
    uint64_t slot = keyed[i].hash & mask_;
    while (slots_[slot].range.begin != slots_[slot].range.end) slot = (slot + 1) & mask_;
    slots_[slot] =
        Slot{keyed[i].key, {static_cast<uint32_t>(groupStart), static_cast<uint32_t>(i + 1)}};
    groupStart = i + 1;
  }
}

}  // namespace zf61
