// The pieces in separate groups, each group's rooms found by the workers (larger groups first),
// and the rooms put together group by group in the order of the groups, so that they come out
// as one thread would find them. The calling thread only waits: it hears the progress, and
// when a stop is asked for it returns at once and leaves the workers to drop their work.
#include "rooms/CgalRoomFinder.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <iterator>
#include <mutex>
#include <numeric>
#include <optional>

#include "rooms/GroupRooms.h"
#include "rooms/PieceGroups.h"
#include "rooms/RoomWorkers.h"
#include "rooms/WorkTally.h"

namespace zf61 {
namespace {

using Groups = std::vector<std::vector<RoomPiece>>;

// Groups of so many pieces or more are freed on a free worker, so that the next group or the
// caller's use of the rooms need not wait for it.
constexpr size_t kPiecesFreedElsewhere = 20000;

// How often the calling thread hears the progress while it waits. (Hearing it may ask the
// display whether Esc is down.)
constexpr std::chrono::milliseconds kWaitStep(20);

bool Report(TraceProgress* progress, size_t done, size_t total) {
  return !progress || progress->keepGoing(done, total);
}

bool Usable(const RoomPiece& piece) {
  return std::isfinite(piece.a.x) && std::isfinite(piece.a.y) && std::isfinite(piece.b.x) &&
         std::isfinite(piece.b.y) && (piece.a.x != piece.b.x || piece.a.y != piece.b.y);
}

// One search for rooms, shared by the workers: the first to come separates the groups, then
// each takes group after group. It owns all it works on, so that a stopped search can be left to
// the workers, which drop it at their next look at the tally.
class RoomSearch final : public rooms::WorkerTask {
 public:
  RoomSearch(std::vector<RoomPiece> pieces, double reach)
      : pieces_(std::move(pieces)), reach_(reach) {}

  void work() noexcept override {
    // A failure is handed over inside, so that the once counts as done and no other worker
    // separates the groups again.
    std::call_once(grouped_, [this] {
      try {
        separate();
      } catch (...) {
        hand(std::nullopt, false, Rooms(), std::current_exception());
      }
    });
    for (size_t k = next_++; k < order_.size() && !tally.stopRequested(); k = next_++) {
      findGroup(order_[k]);
    }
  }

  // Waits until every group is done, hearing the progress now and then. False when it asked to
  // stop; the search goes on stopping without the caller.
  bool await(TraceProgress* progress, size_t total) {
    std::unique_lock<std::mutex> lock(mutex_);
    auto over = [this] { return (separated_ && left_ == 0) || failure_; };
    while (!over()) {
      if (!progress) {
        finished_.wait(lock);
        continue;
      }
      if (finished_.wait_for(lock, kWaitStep, over)) break;
      lock.unlock();
      bool going = progress->keepGoing(tally.done(), total);
      lock.lock();
      if (!going) {
        tally.requestStop();
        return false;
      }
    }
    return true;
  }

  // The rooms of all groups in their order; a worker's failure is thrown again here.
  void collect(Rooms& rooms) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (failure_) std::rethrow_exception(failure_);
    for (Rooms& part : found_) rooms::AppendRooms(rooms, std::move(part));
  }

  rooms::WorkTally tally;

 private:
  void separate() {
    groups_ = rooms::SeparateGroups(pieces_, reach_);
    pieces_ = std::vector<RoomPiece>();
    order_.resize(groups_.size());
    std::iota(order_.begin(), order_.end(), size_t{0});
    std::stable_sort(order_.begin(), order_.end(),
                     [&](size_t i, size_t j) { return groups_[i].size() > groups_[j].size(); });
    std::lock_guard<std::mutex> lock(mutex_);
    found_.resize(groups_.size());
    left_ = groups_.size();
    separated_ = true;
    if (left_ == 0) finished_.notify_all();
  }

  void findGroup(size_t g) {
    // Freed after the group's rooms are handed over: a large arrangement on a free worker.
    auto arrangement = std::make_shared<rooms::Arrangement>();
    Rooms rooms;
    std::exception_ptr failure;
    bool done = false;
    try {
      done = rooms::BuildGroupArrangement(groups_[g], reach_, tally, *arrangement) &&
             rooms::ReadRooms(*arrangement, groups_[g].size(), tally, rooms);
    } catch (...) {
      failure = std::current_exception();
    }
    hand(g, done, std::move(rooms), failure);
    if (groups_[g].size() >= kPiecesFreedElsewhere) rooms::DisposeOnWorker(std::move(arrangement));
  }

  // Hands over a group's rooms, or a failure (of a group, or of the separating).
  void hand(std::optional<size_t> g, bool done, Rooms rooms, std::exception_ptr failure) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (failure) {
      failure_ = failure;
      tally.requestStop();
    } else if (done) {
      found_[*g] = std::move(rooms);
    }
    if (g) --left_;
    if ((separated_ && left_ == 0) || failure_) finished_.notify_all();
  }

  std::vector<RoomPiece> pieces_;  // until they are separated into groups
  const double reach_;
  std::once_flag grouped_;
  Groups groups_;
  std::vector<size_t> order_;  // the groups, largest first
  std::atomic<size_t> next_{0};
  std::mutex mutex_;
  std::condition_variable finished_;
  bool separated_ = false;
  std::vector<Rooms> found_;
  size_t left_ = 0;
  std::exception_ptr failure_;
};

}  // namespace

bool CgalRoomFinder::findRooms(const std::vector<RoomPiece>& pieces, double gap,
                               TraceProgress* progress, Rooms& rooms) {
  rooms = Rooms();
  // Ends that meet within the point tolerance meet here too: an arc's computed end a few units
  // in the last place off the wall it was drawn to.
  double reach = std::isfinite(gap) ? std::max(gap, kPointTolerance) : kPointTolerance;
  std::vector<RoomPiece> usable;
  usable.reserve(pieces.size());
  std::copy_if(pieces.begin(), pieces.end(), std::back_inserter(usable), Usable);
  const size_t total = rooms::kUnitsPerPiece * usable.size() + 1;
  if (!Report(progress, 0, total)) return false;
  auto search = std::make_shared<RoomSearch>(std::move(usable), reach);
  rooms::RunOnWorkers(search);
  if (!search->await(progress, total)) return false;
  search->collect(rooms);
  if (Report(progress, total, total)) return true;
  rooms = Rooms();
  return false;
}

}  // namespace zf61
