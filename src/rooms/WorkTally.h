// What the threads that find rooms share with the thread that waits for them: a request to stop,
// and how much of the work is done, counted in units of a piece's share of each stage.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>

namespace zf61::rooms {

// A piece's share of the work, by stage, roughly as the stages take time: finding the open ends,
// finding their joins, the sweep that builds the arrangement, and reading the rooms out of it.
inline constexpr size_t kOpenEndUnits = 1;
inline constexpr size_t kJoinUnits = 1;
inline constexpr size_t kSweepUnits = 4;
inline constexpr size_t kRoomUnits = 2;
inline constexpr size_t kUnitsPerPiece = kOpenEndUnits + kJoinUnits + kSweepUnits + kRoomUnits;

class WorkTally {
 public:
  void requestStop() { stop_.store(true, std::memory_order_relaxed); }
  bool stopRequested() const { return stop_.load(std::memory_order_relaxed); }
  void add(size_t units) { done_.fetch_add(units, std::memory_order_relaxed); }
  size_t done() const { return done_.load(std::memory_order_relaxed); }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<size_t> done_{0};
};

// Adds a stage's progress to a tally as a fraction of the stage's units, a little at a time. The
// threads sharing a stage may each report how far it has come: only progress is added, once.
class StageTally {
 public:
  StageTally(WorkTally& tally, size_t units) : tally_(tally), units_(units) {}
  // `part` of `whole` of the stage is done.
  void reach(size_t part, size_t whole) {
    const size_t now = whole == 0 ? units_ : units_ * std::min(part, whole) / whole;
    size_t before = added_.load(std::memory_order_relaxed);
    while (now > before && !added_.compare_exchange_weak(before, now, std::memory_order_relaxed)) {
    }
    if (now > before) tally_.add(now - before);
  }
  void finish() { reach(1, 1); }
  bool stopRequested() const { return tally_.stopRequested(); }

 private:
  WorkTally& tally_;
  size_t units_;
  std::atomic<size_t> added_{0};
};

}  // namespace zf61::rooms
