// The poll with which a long drawing pass notices that the user holds Escape down.
#pragma once

namespace zf61 {

class EscKey {
 public:
  virtual ~EscKey() = default;
  // True while the Escape key is held down at the moment of the call. Implementations read the
  // key state directly and never process window events.
  virtual bool EscPressed() = 0;
};

// For platforms without a key poll and for headless runs: Escape is never down.
class NoEscKey final : public EscKey {
 public:
  bool EscPressed() override { return false; }
};

}  // namespace zf61
