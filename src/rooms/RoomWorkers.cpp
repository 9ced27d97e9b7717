#include "rooms/RoomWorkers.h"

#include <condition_variable>
#include <deque>
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

}  // namespace zf61::rooms
