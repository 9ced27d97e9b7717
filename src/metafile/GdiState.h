// What a metafile's records change as they play: the objects they create and select, the
// colours and modes, and the mapping from their logical coordinates to the frame.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "metafile/MetafileScene.h"

namespace zf61 {

// x' = a x + c y + e, y' = b x + d y + f.
struct Affine {
  double a = 1.0, b = 0.0, c = 0.0, d = 1.0, e = 0.0, f = 0.0;

  ScenePoint apply(ScenePoint p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
  // This mapping first, then `next`.
  Affine then(const Affine& n) const {
    return {a * n.a + b * n.c, a * n.b + b * n.d, c * n.a + d * n.c,
            c * n.b + d * n.d, e * n.a + f * n.c + n.e, e * n.b + f * n.d + n.f};
  }
  double xScale() const { return std::hypot(a, b); }
  double yScale() const { return std::hypot(c, d); }
  double determinant() const { return a * d - b * c; }
};

struct LogicalPen {
  LineStyle style = LineStyle::Solid;
  double width = 0.0;  // logical units; 0 is one pixel
  uint32_t rgb = 0;
};

struct LogicalBrush {
  FillStyle style = FillStyle::Solid;
  uint32_t rgb = 0xFFFFFF;
  int hatch = 0;
};

struct LogicalFont {
  double height = 0.0;      // logical units; negative is the character height, 0 the default
  double escapement = 0.0;  // tenths of a degree
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::string face;  // UTF-8
};

// A created object; palettes, regions and what else a metafile may create only hold a slot.
using GdiObject = std::variant<std::monostate, LogicalPen, LogicalBrush, LogicalFont>;

// The objects a metafile has created, by their index.
class GdiObjectTable {
 public:
  // An EMF names the index of each object it creates.
  void put(size_t index, GdiObject object) {
    if (index >= kMaxObjects) return;
    if (index >= slots_.size()) slots_.resize(index + 1);
    slots_[index] = std::move(object);
  }
  // A WMF's new object takes the lowest free index.
  void putInLowestFree(GdiObject object) {
    for (auto& slot : slots_) {
      if (!slot) {
        slot = std::move(object);
        return;
      }
    }
    if (slots_.size() < kMaxObjects) slots_.push_back(std::move(object));
  }
  const GdiObject* at(size_t index) const {
    return index < slots_.size() && slots_[index] ? &*slots_[index] : nullptr;
  }
  void remove(size_t index) {
    if (index < slots_.size()) slots_[index].reset();
  }

 private:
  static constexpr size_t kMaxObjects = 65535;
  std::vector<std::optional<GdiObject>> slots_;
};

enum class MapMode { Text = 1, LoMetric, HiMetric, LoEnglish, HiEnglish, Twips, Isotropic,
                     Anisotropic };

struct DcState {
  LogicalPen pen;        // the black pen
  LogicalBrush brush;    // the white brush
  LogicalFont font;
  uint32_t textRgb = 0;
  uint32_t backgroundRgb = 0xFFFFFF;
  bool opaqueBackground = true;
  bool evenOdd = true;
  bool clockwise = false;
  int textAlign = 0;
  ScenePoint current;    // in frame units
  std::optional<SceneRect> clip;
  MapMode mapMode = MapMode::Text;
  ScenePoint windowOrg, viewportOrg;
  ScenePoint windowExt{1.0, 1.0}, viewportExt{1.0, 1.0};
  Affine world;
};

// Windows colour values are 0x00BBGGRR.
inline uint32_t RgbOfColorRef(uint32_t colorRef) {
  return (colorRef & 0xFF) << 16 | (colorRef & 0xFF00) | (colorRef >> 16 & 0xFF);
}

// How a bitmap's raster operation combines it with what lies beneath; other operations copy.
inline ImageBlend BlendOfRop(uint32_t rop) {
  if (rop == 0x008800C6u) return ImageBlend::And;   // SRCAND
  if (rop == 0x00EE0086u) return ImageBlend::Or;    // SRCPAINT
  if (rop == 0x00660046u) return ImageBlend::Xor;   // SRCINVERT
  return ImageBlend::Copy;
}

inline LineStyle LineStyleOf(uint32_t penStyle) {
  switch (penStyle & 0xF) {
    case 1: return LineStyle::Dash;
    case 2: return LineStyle::Dot;
    case 3: return LineStyle::DashDot;
    case 4: return LineStyle::DashDotDot;
    case 5: return LineStyle::None;
    default: return LineStyle::Solid;  // solid, inside frame, user styles
  }
}

inline LogicalBrush BrushOf(uint32_t style, uint32_t colorRef, uint32_t hatch) {
  LogicalBrush brush;
  brush.rgb = RgbOfColorRef(colorRef);
  brush.hatch = static_cast<int>(hatch);
  if (style == 1) {
    brush.style = FillStyle::None;
  } else if (style == 2) {
    brush.style = FillStyle::Hatched;
  } else if (style != 0) {
    brush.rgb = 0x808080;  // a bitmap pattern is shown as a middle grey
  }
  return brush;
}

}  // namespace zf61
