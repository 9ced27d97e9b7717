// A Windows metafile read into what it draws: paths, texts and bitmaps in the coordinates of its
// frame, (0, 0) at the frame's top left and (width, height) at its bottom right, so that a
// platform can draw it as vectors into any rectangle.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zf61 {

struct ScenePoint {
  double x = 0.0;
  double y = 0.0;
};

struct SceneRect {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
};

enum class PathVerb : uint8_t { Move, Line, Cubic, Close };

// Verbs with their points: Move and Line take one point, Cubic three (two controls, the end).
struct ScenePath {
  std::vector<PathVerb> verbs;
  std::vector<ScenePoint> points;
  bool empty() const { return verbs.empty(); }
};

enum class LineStyle : uint8_t { Solid, Dash, Dot, DashDot, DashDotDot, None };

// Colours are 0xRRGGBB.
struct ScenePen {
  LineStyle style = LineStyle::Solid;
  double width = 0.0;  // in frame units; 0 draws one pixel wide at any size
  uint32_t rgb = 0;
};

enum class FillStyle : uint8_t { None, Solid, Hatched };

struct SceneBrush {
  FillStyle style = FillStyle::Solid;
  uint32_t rgb = 0xFFFFFF;
  int hatch = 0;  // the Windows hatch style, for Hatched
};

struct SceneShape {
  ScenePath path;
  ScenePen pen;          // LineStyle::None: not outlined
  SceneBrush brush;      // FillStyle::None: not filled
  bool evenOdd = true;   // the alternate rule, else winding
  uint32_t backgroundRgb = 0xFFFFFF;
  bool opaqueBackground = false;  // gaps of dashes and hatches painted in the background colour
};

struct SceneText {
  std::string bytes;    // as stored: code page 932 or, with utf16, UTF-16LE
  bool utf16 = false;
  ScenePoint origin;    // the reference point the alignment refers to
  double height = 0.0;  // the font's character height in frame units
  double angle = 0.0;   // degrees, counter-clockwise as seen
  std::string face;     // UTF-8
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  uint32_t rgb = 0;
  int align = 0;        // the Windows text-align flags
  std::optional<SceneRect> opaqueBox;  // filled with the background colour first
  uint32_t backgroundRgb = 0xFFFFFF;
};

enum class ImageBlend : uint8_t { Copy, And, Or, Xor };

struct SceneImage {
  std::string bmp;      // a whole BMP file: file header, then the metafile's bitmap
  SceneRect source;     // in the bitmap's pixels, rows counted from the top
  SceneRect target;     // in frame units; right < left or bottom < top mirror the bitmap
  ImageBlend blend = ImageBlend::Copy;
};

struct SceneItem {
  std::variant<SceneShape, SceneText, SceneImage> what;
  std::optional<SceneRect> clip;  // in frame units
};

struct MetafileScene {
  double width = 0.0;   // the frame's size: the placeable WMF's units or the EMF's 0.01 mm
  double height = 0.0;
  std::vector<SceneItem> items;
};

// The scene of a placeable WMF or an EMF: everything its records draw up to the end, the first
// record it cannot read or a size limit. Nothing for bytes without a readable header.
std::optional<MetafileScene> ReadMetafile(std::string_view bytes);

}  // namespace zf61
