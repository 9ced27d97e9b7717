// The pieces in separate groups; each group's arrangement, its gaps joined, and its bounded
// faces as rooms. The groups are shared out between two threads, in order, so that the rooms
// come out as one thread would find them.
#include "rooms/CgalRoomFinder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <exception>
#include <iterator>
#include <thread>

#include "rooms/Arrangement.h"
#include "rooms/GapJoins.h"
#include "rooms/PieceGroups.h"

namespace zf61 {
namespace {

using rooms::Arrangement;
using rooms::Point;
using rooms::Segment;

// Windows builds find rooms on one thread: a static mingw program that ran the arrangement on a
// second thread crashed now and then as that thread ended (seen under Wine).
#ifdef _WIN32
constexpr bool kSecondThread = false;
#else
constexpr bool kSecondThread = true;
#endif

// How often progress is heard: after so many pieces, and while the main thread waits for the
// other. (Hearing it may ask the display whether Esc is down.)
constexpr size_t kPiecesPerReport = 8192;
constexpr int kWaitMs = 20;

PointD ToDisplay(const Point& p) {
  return {CGAL::to_double(p.x()), CGAL::to_double(p.y())};
}

// The points of a boundary, from the source of its first edge round to it again.
ClosedRegion Ring(Arrangement::Ccb_halfedge_const_circulator first) {
  ClosedRegion ring;
  auto e = first;
  do {
    ring.points.push_back(ToDisplay(e->source()->point()));
  } while (++e != first);
  ring.points.push_back(ring.points.front());
  return ring;
}

void AddRooms(const std::vector<RoomPiece>& pieces, double reach, Rooms& rooms) {
  std::vector<Segment> segments;
  segments.reserve(pieces.size());
  for (const RoomPiece& piece : pieces) {
    Point a(piece.a.x, piece.a.y), b(piece.b.x, piece.b.y);
    if (a != b) segments.emplace_back(a, b);
  }
  Arrangement arrangement;
  CGAL::insert(arrangement, segments.begin(), segments.end());
  rooms::InsertJoins(arrangement, rooms::GapJoins(arrangement, reach));
  for (auto v : rooms::OpenEnds(arrangement)) rooms.openEnds.push_back(ToDisplay(v->point()));
  for (auto f = arrangement.faces_begin(); f != arrangement.faces_end(); ++f) {
    if (f->is_unbounded()) continue;
    rooms.outerRings.push_back(rooms.rings.size());
    rooms.rings.push_back(Ring(f->outer_ccb()));
    for (auto hole = f->inner_ccbs_begin(); hole != f->inner_ccbs_end(); ++hole) {
      rooms.rings.push_back(Ring(*hole));
    }
    ++rooms.roomCount;
  }
}

bool Report(TraceProgress* progress, size_t done, size_t total) {
  return !progress || progress->keepGoing(done, total);
}

using Groups = std::vector<std::vector<RoomPiece>>;

// The first group of the second half of the work, by pieces.
size_t HalfWay(const Groups& groups) {
  size_t total = 0;
  for (const auto& group : groups) total += group.size();
  size_t done = 0, g = 0;
  while (g < groups.size() && 2 * done < total) done += groups[g++].size();
  return g;
}

// The second half of the groups, on a thread of its own: the arrangements of separate groups
// share nothing, and each thread allocates from its own heap.
class SecondHalf {
 public:
  SecondHalf(const Groups& groups, size_t first, double reach) {
    if (first < groups.size()) {
      thread_ = std::thread([this, &groups, first, reach] { Run(groups, first, reach); });
    } else {
      finished_ = true;
    }
  }
  ~SecondHalf() { Stop(); }

  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  bool finished() const { return finished_; }
  size_t piecesDone() const { return piecesDone_; }
  // After Stop: the rooms found, or the failure rethrown.
  Rooms& rooms() {
    if (failure_) std::rethrow_exception(failure_);
    return rooms_;
  }

 private:
  void Run(const Groups& groups, size_t first, double reach) {
    try {
      for (size_t g = first; g < groups.size() && !stop_; ++g) {
        AddRooms(groups[g], reach, rooms_);
        piecesDone_ += groups[g].size();
      }
    } catch (...) {
      failure_ = std::current_exception();
    }
    finished_ = true;
  }

  std::atomic<bool> stop_{false}, finished_{false};
  std::atomic<size_t> piecesDone_{0};
  std::exception_ptr failure_;
  Rooms rooms_;
  std::thread thread_;
};

void Append(Rooms& to, Rooms&& from) {
  for (size_t first : from.outerRings) to.outerRings.push_back(first + to.rings.size());
  to.rings.insert(to.rings.end(), std::make_move_iterator(from.rings.begin()),
                  std::make_move_iterator(from.rings.end()));
  to.openEnds.insert(to.openEnds.end(), from.openEnds.begin(), from.openEnds.end());
  to.roomCount += from.roomCount;
}

}  // namespace

bool CgalRoomFinder::findRooms(const std::vector<RoomPiece>& pieces, double gap,
                               TraceProgress* progress, Rooms& rooms) {
  rooms = Rooms();
  // Ends that meet within the point tolerance meet here too: an arc's computed end a few units
  // in the last place off the wall it was drawn to.
  double reach = std::isfinite(gap) ? std::max(gap, kPointTolerance) : kPointTolerance;
  const size_t total = pieces.size() + 1;
  Groups groups = rooms::SeparateGroups(pieces, reach);
  const size_t half = kSecondThread ? HalfWay(groups) : groups.size();
  SecondHalf second(groups, half, reach);
  size_t done = 0, reported = 0;
  bool going = Report(progress, 0, total);
  for (size_t g = 0; g < half && going; ++g) {
    AddRooms(groups[g], reach, rooms);
    done += groups[g].size();
    if (done - reported < kPiecesPerReport) continue;
    reported = done;
    going = Report(progress, done + second.piecesDone(), total);
  }
  while (going && !second.finished()) {
    going = Report(progress, done + second.piecesDone(), total);
    std::this_thread::sleep_for(std::chrono::milliseconds(kWaitMs));
  }
  second.Stop();
  Append(rooms, std::move(second.rooms()));
  if (going && Report(progress, total, total)) return true;
  rooms = Rooms();
  return false;
}

}  // namespace zf61
