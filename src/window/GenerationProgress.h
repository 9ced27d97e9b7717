// What the window does while a picture is made: once the search for regions has taken more
// than about half a second, the status line shows how far it got, and Escape held down stops it.
#pragma once

#include "fill/TraceProgress.h"
#include "model/EscKey.h"
#include "window/Clock.h"
#include "window/FormFrontEnd.h"

namespace zf61 {

// After this long the status line shows progress and Escape stops the search.
inline constexpr double kQuietSeconds = 0.5;
// The status line is written again at most this often.
inline constexpr double kStatusSeconds = 0.1;

class GenerationProgress final : public TraceProgress {
 public:
  GenerationProgress(const Clock& clock, EscKey& esc, FormFrontEnd& frontEnd);
  bool keepGoing(size_t done, size_t total) override;
  bool stopped() const { return stopped_; }

 private:
  const Clock& clock_;
  EscKey& esc_;
  FormFrontEnd& frontEnd_;
  double started_;
  double shown_ = -1.0;
  bool stopped_ = false;
};

}  // namespace zf61
