// The angle tables of curves.
#include "view/EllipseFrame.h"

#include <bit>
#include <cmath>

namespace zf61 {
namespace {

// Tables kept at most; drawings with more distinct arcs simply start a fresh set.
constexpr size_t kMaxTables = 4096;

}  // namespace

const CurveAngles& CurveAngleCache::angles(double start, double sweep) {
  Key key{std::bit_cast<uint64_t>(start), std::bit_cast<uint64_t>(sweep)};
  if (last_ && key == lastKey_) return *last_;
  auto found = tables_.find(key);
  if (found != tables_.end()) {
    lastKey_ = key, last_ = &found->second;
    return found->second;
  }
  if (tables_.size() >= kMaxTables) tables_.clear();
  CurveAngles& table = tables_[key];
  lastKey_ = key, last_ = &table;
  double step = sweep / (kCurvePoints - 1);
  double theta = start;
  for (int i = 0; i < kCurvePoints; ++i) {
    if (i > 0) theta += step;
    table.cosines[i] = std::cos(theta);
    table.sines[i] = std::sin(theta);
  }
  return table;
}

EllipseFrame::EllipseFrame(double cx, double cy, double radius, double flatness, double tiltRad)
    : cx_(cx),
      cy_(cy),
      radius_(radius),
      flatness_(flatness),
      // cos and sin of a zero tilt (of either sign) without the calls: 1 and the zero itself,
      // as the library gives them.
      cosTilt_(tiltRad == 0.0 ? 1.0 : std::cos(tiltRad)),
      sinTilt_(tiltRad == 0.0 ? tiltRad : std::sin(tiltRad)) {}

}  // namespace zf61
