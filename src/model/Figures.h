// The figure records of a drawing, one struct per kind, each beginning with its header.
#pragma once

#include <cstdint>
#include <string>

namespace zf61 {

// Longest text a figure keeps, in bytes; longer text is cut when it is stored.
inline constexpr size_t kMaxTextBytes = 255;

// Kind codes, as the draw order records them.
enum class FigureKind : int32_t {
  Line = 1,
  Circle = 2,
  Arc = 3,
  Text = 4,
  Point = 5,
  ExtendedPoint = 6,
  LineWithText = 7,
  Block = 8,
  SolidLine = 9,
  SolidTriangle = 10,
  SolidQuad = 11,
  SolidCurveSc = 12,
  SolidCurveSe = 13,
  SolidCurveSo = 14,
  SolidCurveSg = 15,
};

inline constexpr int kFirstSolidCurveCode = 12;
inline constexpr int kSolidCurveCodeCount = 4;

// Bit of FigureHeader::flags set by "z3": lines, circles and arcs with it are not drawn.
inline constexpr int32_t kFlagHidden = 4;

struct FigureHeader {
  int32_t hhpIndex = 0;
  int32_t group = 0;
  int32_t layer = 0;
  int32_t colour = 0;  // Jw_cad pen colour number; 10 means the solid's own RGB
  int32_t lineType = 0;
  int32_t lineWidth = 0;  // 0: width by colour; else width in 0.01 units
  int32_t flags = 0;

  int32_t LayerIndex() const { return group * 16 + layer; }
};

struct LineFigure {
  FigureHeader header;
  int32_t chainNumber = 0;  // 0 outside a "pl" chain
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct CircleFigure {
  FigureHeader header;
  double centreX = 0, centreY = 0, radius = 0;
};

struct ArcFigure {
  FigureHeader header;
  double centreX = 0, centreY = 0, radius = 0;
  double startAngle = 0, endAngle = 0;  // degrees
  double flatness = 0;
  double tiltAngle = 0;  // degrees
};

struct TextFigure {
  FigureHeader header;
  int32_t textVariant = 0;  // 0 "ch", 1 "cv", 2 "cs", ... 9 "c2"
  int32_t ccValue = 0;
  int32_t styleNumber = 0;
  double charWidth = 0, charHeight = 0, charSpacing = 0;
  double x = 0, y = 0, dirX = 0, dirY = 0;
  std::string fontName;  // Shift-JIS, at most kMaxTextBytes
  std::string text;      // Shift-JIS, at most kMaxTextBytes
};

// A point's header colour is the point colour ("pn"), not the pen colour.
struct PointFigure {
  FigureHeader header;
  double x = 0, y = 0;
};

struct ExtendedPointFigure {
  FigureHeader header;
  double x = 0, y = 0, value3 = 0, value4 = 0;
  int32_t code5 = 0;
};

// A dimension: the line held in pair mode and the "cs" text that followed it.
struct LineWithTextFigure {
  FigureHeader header;
  LineFigure line;
  TextFigure text;
};

struct BlockFigure {
  FigureHeader header;
  double x = 0, y = 0;
  std::string blockName;
};

struct SolidLineFigure {
  FigureHeader header;
  int32_t solidRgb = 0;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct SolidTriangleFigure {
  FigureHeader header;
  int32_t solidRgb = 0;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0;
};

struct SolidQuadFigure {
  FigureHeader header;
  int32_t solidRgb = 0;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
};

// Codes 12 "sc", 13 "se", 14 "so", 15 "sg". Angles in radians as the file gives them.
struct SolidCurveFigure {
  FigureHeader header;
  int32_t solidRgb = 0;
  double centreX = 0, centreY = 0, radius = 0, flatness = 0, tilt = 0, start = 0, sweep = 0;
  int32_t parameter8Int = 0;      // codes 12 and 13
  double parameter8Length = 0.0;  // codes 14 and 15, scaled like a coordinate
};

struct FigureRef {
  FigureKind kind = FigureKind::Line;
  int32_t index = 0;
};

}  // namespace zf61
