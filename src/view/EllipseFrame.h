// Points of tilted ellipses for the curve drawing. The cosines and sines of the 73 parameter
// angles of a start and sweep are the same for every curve that shares them (every circle, most
// door arcs), so they are computed once and kept; the tilt's cosine and sine are taken once per
// curve. The points are exactly the doubles EllipsePointRad gives, point for point.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "model/Geometry.h"

namespace zf61 {

inline constexpr int kCurvePoints = 73;  // 72 chords

// cos and sin of start + i * sweep / 72, accumulated step by step as the chords are walked.
struct CurveAngles {
  std::array<double, kCurvePoints> cosines;
  std::array<double, kCurvePoints> sines;
};

class CurveAngleCache {
 public:
  const CurveAngles& angles(double start, double sweep);

 private:
  struct Key {
    uint64_t start, sweep;
    bool operator==(const Key& o) const { return start == o.start && sweep == o.sweep; }
  };
  struct KeyHash {
    size_t operator()(const Key& k) const { return k.start * 0x9E3779B97F4A7C15ull ^ k.sweep; }
  };
  std::unordered_map<Key, CurveAngles, KeyHash> tables_;
  // The table handed out last, which the next curve most often wants again (every circle);
  // the map's elements stay where they are until it is cleared.
  Key lastKey_{0, 0};
  const CurveAngles* last_ = nullptr;
};

class EllipseFrame {
 public:
  EllipseFrame(double cx, double cy, double radius, double flatness, double tiltRad);

  // The point of parameter angle phi, given as its cosine and sine.
  PointD at(double cosPhi, double sinPhi) const {
    double u = radius_ * cosPhi;
    double v = radius_ * flatness_ * sinPhi;
    // The same operations as RotatePoint about the origin followed by adding the centre.
    double x = 0.0 + cosTilt_ * (u - 0.0) - sinTilt_ * (v - 0.0);
    double y = 0.0 + sinTilt_ * (u - 0.0) + cosTilt_ * (v - 0.0);
    return {x + cx_, y + cy_};
  }

  // No tilt: cos 1 and sin 0 exactly.
  bool untilted() const { return cosTilt_ == 1.0 && sinTilt_ == 0.0; }
  // at() without a tilt. There x = (0 + 1 u) - 0 v and y = (0 + 0 u) + 1 v, which are u and v
  // exactly but for the sign of a zero; adding the centre and turning to pixels leaves no trace
  // of that sign, so the pixels are those of at().
  PointD atUntilted(double cosPhi, double sinPhi) const {
    return {radius_ * cosPhi + cx_, radius_ * flatness_ * sinPhi + cy_};
  }

  double centreX() const { return cx_; }
  double centreY() const { return cy_; }
  // Half the width and half the height of the box about the centre that holds the points of
  // at(), up to the rounding of a few operations.
  double reachX() const {
    return std::fabs(cosTilt_) * std::fabs(radius_) +
           std::fabs(sinTilt_) * std::fabs(radius_ * flatness_);
  }
  double reachY() const {
    return std::fabs(sinTilt_) * std::fabs(radius_) +
           std::fabs(cosTilt_) * std::fabs(radius_ * flatness_);
  }

 private:
  double cx_, cy_, radius_, flatness_, cosTilt_, sinTilt_;
};

}  // namespace zf61
