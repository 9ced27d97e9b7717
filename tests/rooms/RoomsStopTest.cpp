// Esc during a long search for rooms: the progress moves, a stop asked for while the arrangement
// is being swept ends the search with no rooms, and the threads are free for the next search.
#include <gtest/gtest.h>

#include <vector>

#include "rooms/CgalRoomFinder.h"
#include "rooms/RoomWorkers.h"
#include "rooms/WorkTally.h"

namespace zf61 {
namespace {

// A lattice of cells x cells unit squares, every edge a piece: one group, one long sweep.
std::vector<RoomPiece> Lattice(int cells) {
  std::vector<RoomPiece> pieces;
  for (int i = 0; i <= cells; ++i) {
    for (int j = 0; j < cells; ++j) {
      pieces.push_back({{double(j), double(i)}, {double(j + 1), double(i)}});
      pieces.push_back({{double(i), double(j)}, {double(i), double(j + 1)}});
    }
  }
  return pieces;
}

// Goes on until the progress shows the sweep under way, then asks to stop.
class StopInSweep : public TraceProgress {
 public:
  explicit StopInSweep(size_t pieces)
      : sweepFrom_(pieces * (rooms::kOpenEndUnits + rooms::kJoinUnits)),
        sweepTo_(sweepFrom_ + pieces * rooms::kSweepUnits) {}

  bool keepGoing(size_t done, size_t total) override {
    seen.push_back(done);
    this->total = total;
    stopped = done > sweepFrom_ && done < sweepTo_;
    return !stopped;
  }

  std::vector<size_t> seen;
  size_t total = 0;
  bool stopped = false;

 private:
  size_t sweepFrom_, sweepTo_;
};

TEST(RoomsStop, EscInsideTheSweepLeavesNoRoomsAndFreesTheThreads) {
  const std::vector<RoomPiece> pieces = Lattice(400);
  CgalRoomFinder finder;
  StopInSweep progress(pieces.size());
  Rooms rooms;
  rooms.roomCount = 1;  // what was there before is not left behind either
  EXPECT_FALSE(finder.findRooms(pieces, 0.0, &progress, rooms));
  EXPECT_TRUE(progress.stopped);
  EXPECT_TRUE(rooms.rings.empty() && rooms.outerRings.empty() && rooms.openEnds.empty());
  EXPECT_EQ(rooms.roomCount, 0u);
  // The progress moved on, and never back.
  ASSERT_GE(progress.seen.size(), 2u);
  EXPECT_EQ(progress.seen.front(), 0u);
  for (size_t i = 1; i < progress.seen.size(); ++i) {
    EXPECT_LE(progress.seen[i - 1], progress.seen[i]) << i;
  }
  EXPECT_LT(progress.seen.back(), progress.total);

  // The threads drop the stopped search, and serve the next as if nothing had been stopped.
  rooms::WaitForWorkers();
  std::vector<RoomPiece> square = Lattice(1);
  Rooms next;
  ASSERT_TRUE(finder.findRooms(square, 0.0, nullptr, next));
  EXPECT_EQ(next.roomCount, 1u);
}

}  // namespace
}  // namespace zf61
