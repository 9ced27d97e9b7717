// Seconds on a steady clock, behind an interface so that tests can move time themselves.
#pragma once

#include <chrono>

namespace zf61 {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual double seconds() const = 0;
};

class SteadyClock final : public Clock {
 public:
  double seconds() const override {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
};

}  // namespace zf61
