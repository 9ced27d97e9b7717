#include "window/GenerationProgress.h"

#include <string>

#include "window/Captions.h"

namespace zf61 {

GenerationProgress::GenerationProgress(const Clock& clock, EscKey& esc, FormFrontEnd& frontEnd)
    : clock_(clock), esc_(esc), frontEnd_(frontEnd), started_(clock.seconds()) {}

bool GenerationProgress::keepGoing(size_t done, size_t total) {
  double now = clock_.seconds();
  if (now - started_ < kQuietSeconds) return true;
  if (esc_.EscPressed()) {
    stopped_ = true;
    return false;
  }
  if (shown_ < 0 || now - shown_ >= kStatusSeconds) {
    shown_ = now;
    size_t percent = total == 0 ? 100 : done * 100 / total;
    frontEnd_.setText(TextControl::LabelA1,
                      kStatusSearching + std::to_string(percent) + kStatusSearchingEnd);
    frontEnd_.presentStatus();
  }
  return true;
}

}  // namespace zf61
