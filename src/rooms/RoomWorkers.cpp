#include "rooms/RoomWorkers.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

namespace zf61::rooms {
namespace {

class Workers {
 public:
  Workers() {
    for (size_t i = 0; i < kWorkerCount; ++i) {
      try {
        std::thread([this] { Serve(); }).detach();
        ++started_;
      } catch (const std::system_error&) {
        break;  // what has started serves; with none, tasks are worked by their caller
      }
    }
  }

  void run(const std::shared_ptr<WorkerTask>& task) {
    if (started_ == 0) {
      task->work();
      return;
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      // One entry per worker: each worker takes one and works the task once.
      for (size_t i = 0; i < started_; ++i) queue_.push_back(task);
    }
    ready_.notify_all();
  }

  void waitUntilIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && busy_ == 0; });
  }

 private:
  [[noreturn]] void Serve() {
    for (;;) {
      std::shared_ptr<WorkerTask> task;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        ready_.wait(lock, [this] { return !queue_.empty(); });
        task = std::move(queue_.front());
        queue_.pop_front();
        ++busy_;
      }
      task->work();
      task.reset();  // the task's memory is freed before the worker counts as idle
      std::lock_guard<std::mutex> done(mutex_);
      --busy_;
      idle_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable ready_, idle_;
  std::deque<std::shared_ptr<WorkerTask>> queue_;
  size_t started_ = 0;
  size_t busy_ = 0;
};

// A task that only one worker does: the first to come destroys what it holds.
class Disposal final : public WorkerTask {
 public:
  explicit Disposal(std::shared_ptr<void> leftovers) : leftovers_(std::move(leftovers)) {}
  void work() noexcept override {
    if (!taken_.exchange(true)) leftovers_.reset();
  }

 private:
  std::atomic<bool> taken_{false};
  std::shared_ptr<void> leftovers_;
};

// Runs of one range, taken in turn by whoever works on them.
class SharedRuns final : public WorkerTask {
 public:
  SharedRuns(size_t count, size_t run, const std::function<void(size_t, size_t)>& part)
      : count_(count), run_(run), part_(part) {}

  // Works runs until none is left. The part is called only for a run taken here, and the caller
  // waits for every run, so a late worker finding none left never touches it.
  void work() noexcept override {
    for (size_t first = next_.fetch_add(run_); first < count_; first = next_.fetch_add(run_)) {
      const size_t last = std::min(first + run_, count_);
      try {
        part_(first, last);
      } catch (...) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!failure_) failure_ = std::current_exception();
      }
      std::lock_guard<std::mutex> lock(mutex_);
      done_ += last - first;
      if (done_ == count_) finished_.notify_all();
    }
  }

  void wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    finished_.wait(lock, [this] { return done_ == count_; });
    if (failure_) std::rethrow_exception(failure_);
  }

 private:
  const size_t count_, run_;
  const std::function<void(size_t, size_t)>& part_;
  std::atomic<size_t> next_{0};
  std::mutex mutex_;
  std::condition_variable finished_;
  size_t done_ = 0;
  std::exception_ptr failure_;
};

Workers& TheWorkers() {
  // Made once and never destroyed: its threads wait on it until the process ends.
  static Workers* const workers = new Workers();
  return *workers;
}

}  // namespace

void RunOnWorkers(const std::shared_ptr<WorkerTask>& task) {
  TheWorkers().run(task);
}

void WaitForWorkers() {
  TheWorkers().waitUntilIdle();
}

void DisposeOnWorker(std::shared_ptr<void> leftovers) {
  RunOnWorkers(std::make_shared<Disposal>(std::move(leftovers)));
}

void ShareOut(size_t count, size_t run, const std::function<void(size_t, size_t)>& part) {
  if (count == 0) return;
  auto runs = std::make_shared<SharedRuns>(count, std::max<size_t>(run, 1), part);
  if (count > run) RunOnWorkers(runs);
  runs->work();
  runs->wait();
}

}  // namespace zf61::rooms
