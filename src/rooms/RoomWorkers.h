// The threads that find rooms: two, started the first time they are needed and kept for the rest
// of the program. They never end, on purpose. A thread that ends runs the destructors of its
// thread_local objects (CGAL keeps shared zero values of its exact numbers in some), and the
// static mingw-w64 runtime of the Windows program frees the storage of those objects before it
// runs their destructors, which then write to freed memory and corrupt the heap. Kept threads
// have nothing destroyed until the process itself ends.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace zf61::rooms {

inline constexpr size_t kWorkerCount = 2;

// Work that the workers share out among themselves.
class WorkerTask {
 public:
  virtual ~WorkerTask() = default;
  // Called once by each worker, as soon as it is free; must not throw.
  virtual void work() noexcept = 0;
};

// Hands `task` to every worker and returns at once. Where no thread can be started, the task is
// worked here instead, before this returns.
void RunOnWorkers(const std::shared_ptr<WorkerTask>& task);

// Waits until every worker is done with every task handed to it, stopped ones included.
void WaitForWorkers();

// Destroys `leftovers` on the first worker that is free, so that the caller goes on at once.
void DisposeOnWorker(std::shared_ptr<void> leftovers);

// Calls `part(first, last)` for consecutive runs of [0, count), each at most `run` long, on the
// calling thread and on a worker if one is free, and returns when every run is done. A failure
// in a run is thrown again here, after all runs are done.
void ShareOut(size_t count, size_t run, const std::function<void(size_t, size_t)>& part);

// As ShareOut, each run filling an `Out` of its own: the runs' outs, in the order of the runs.
template <class Out, class Part>
std::vector<Out> ShareOutInOrder(size_t count, size_t run, const Part& part) {
  std::vector<Out> outs((count + run - 1) / run);
  ShareOut(count, run, [&](size_t first, size_t last) { part(first, last, outs[first / run]); });
  return outs;
}

// Sorts `items` (by `<`); a long list's two halves on two threads where one is free.
template <class T>
void SortShared(std::vector<T>& items) {
  constexpr size_t kLongList = 1 << 16;  // shorter lists are sorted here, at once
  if (items.size() < kLongList) return std::sort(items.begin(), items.end());
  const auto middle = items.begin() + static_cast<std::ptrdiff_t>(items.size() / 2);
  ShareOut(2, 1, [&](size_t half, size_t) {
    half == 0 ? std::sort(items.begin(), middle) : std::sort(middle, items.end());
  });
  std::inplace_merge(items.begin(), middle, items.end());
}

}  // namespace zf61::rooms
