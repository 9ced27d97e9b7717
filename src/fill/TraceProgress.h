// Lets a long search for regions report how far it got and be stopped part-way, so that the
// window can show progress and give the user a way out.
#pragma once

#include <cstddef>

namespace zf61 {

class TraceProgress {
 public:
  virtual ~TraceProgress() = default;
  // `done` of `total` units of work are finished. False asks the search to stop at once; it
  // then leaves no regions behind.
  virtual bool keepGoing(size_t done, size_t total) = 0;
};

}  // namespace zf61
