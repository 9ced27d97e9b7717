// Everything read from the exchange file: figures by kind, their arrival order, the drawing-wide
// settings, the reader's current attributes, and the lines to write back.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Figures.h"

namespace zf61 {

inline constexpr int kGroupCount = 16;
inline constexpr int kLayerCount = 256;
inline constexpr int kTextStyleCount = 10;
inline constexpr int kReferencePointCount = 100;  // index 0 is never used
// Longest output line; a longer one is cut when it is added.
inline constexpr size_t kMaxOutputLineBytes = 255;

struct TextStyle {
  double width = 3.0;
  double height = 3.0;
  double spacing = 0.0;
  int32_t colour = 2;
};

struct ReferencePoint {
  bool used = false;
  double x = 0.0;
  double y = 0.0;
  int32_t pickKind = 0;  // 0 none, 1 "-", 2 "ln", 3 "ci", 4 "ch"
};

// The attribute values first seen in the file, captured once until re-armed.
struct FirstValues {
  int32_t colour = 1;
  int32_t lineType = 1;
  int32_t lineWidth = 0;
  int32_t styleNumber = 1;
  double styleCharWidth = 2.0;
  double styleCharHeight = 2.0;
  double styleCharSpacing = 0.0;
  int32_t styleColour = 1;
  std::string fontName;
  bool colourSeen = false;
  bool lineTypeSeen = false;
  bool lineWidthSeen = false;
  bool styleSeen = false;
  bool groupSeen = false;
  bool layerSeen = false;
};

struct DrawingSettings {
  std::string drawingFileName;  // Shift-JIS path after "file="
  std::array<double, kGroupCount> groupScale{};
  std::array<TextStyle, kTextStyleCount> textStyles{};
  bool bzFlag = false;
  int32_t firstGroup = 0;
  int32_t firstLayer = 0;
  double hkValue = 0.0;
  std::array<double, 2> hzsValues{1216.0, 848.0};
  std::array<double, 4> hnValues{};
  FirstValues first;
  std::array<int32_t, kGroupCount> groupState{};
  std::array<std::string, kGroupCount> groupName;
  std::array<int32_t, kLayerCount> layerState{};
  std::array<std::string, kLayerCount> layerName;
  std::array<ReferencePoint, kReferencePointCount> referencePoints{};
  int32_t referencePointCount = 0;

  DrawingSettings() { groupScale.fill(1.0); }
};

struct CurrentAttributes {
  int32_t hhpIndex = 0;
  int32_t group = 0;
  int32_t layer = 0;
  int32_t colour = 1;
  int32_t lineType = 1;
  int32_t lineWidth = 0;
  int32_t styleNumber = 1;
  double charWidth = 2.0;  // the style-0 values
  double charHeight = 2.0;
  double charSpacing = 0.0;
  int32_t styleColour = 1;
  int32_t ccValue = 0;
  std::string fontName = kDefaultFontName;
  int32_t flags = 0;
  int32_t chainCounter = 0;
  bool inChain = false;
  bool pairMode = false;
  int32_t pointColour = 1;
  int32_t solidRgb = 0;
  LineFigure heldLine;

  // "<ＭＳ ゴシック>" in Shift-JIS.
  static constexpr const char* kDefaultFontName =
      "<\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e>";
};

class DrawingStore {
 public:
  DrawingStore() { initialise(); }

  // Every value to its default and every list emptied.
  void initialise();
  // Attributes back to their defaults after reading; the figures, hhp number, flags and the
  // chain and pair state stay, and the capture of first values is re-armed.
  void resetAttributes();
  void setCurrentGroup(int32_t group) { current.group = group; }
  void setCurrentLayer(int32_t layer) { current.layer = layer; }
  void appendOutputLine(std::string_view text);
  void release();

  // Appends a figure of a kind, its header from the current attributes, and records it in the
  // draw order. The reference stays valid until the next figure of the same kind is appended.
  LineFigure& appendLine();
  CircleFigure& appendCircle();
  ArcFigure& appendArc();
  TextFigure& appendText();
  PointFigure& appendPoint();
  ExtendedPointFigure& appendExtendedPoint();
  LineWithTextFigure& appendLineWithText();
  BlockFigure& appendBlock();
  SolidLineFigure& appendSolidLine();
  SolidTriangleFigure& appendSolidTriangle();
  SolidQuadFigure& appendSolidQuad();
  SolidCurveFigure& appendSolidCurve(FigureKind code);  // SolidCurveSc .. SolidCurveSg

  // Header of a new figure: the current attributes.
  FigureHeader currentHeader() const;
  // Scale divisor of a layer group: its scale, or 1.0 when the drawing has "bz".
  double groupDivisor(int32_t group) const {
    if (settings.bzFlag || group < 0 || group >= kGroupCount) return 1.0;
    return settings.groupScale[group];
  }

  const std::vector<SolidCurveFigure>& solidCurves(FigureKind code) const;
  // How many figures of a kind the store holds.
  size_t countOfKind(FigureKind kind) const;
  size_t figureCount() const { return figureOrder.size(); }

  std::vector<LineFigure> lines;
  std::vector<CircleFigure> circles;
  std::vector<ArcFigure> arcs;
  std::vector<TextFigure> texts;
  std::vector<PointFigure> points;
  std::vector<ExtendedPointFigure> extendedPoints;
  std::vector<LineWithTextFigure> linesWithText;
  std::vector<BlockFigure> blocks;
  std::vector<SolidLineFigure> solidLines;
  std::vector<SolidTriangleFigure> solidTriangles;
  std::vector<SolidQuadFigure> solidQuads;
  std::array<std::vector<SolidCurveFigure>, kSolidCurveCodeCount> solidCurveLists;
  std::vector<FigureRef> figureOrder;
  std::vector<std::string> outputLines;
  DrawingSettings settings;
  CurrentAttributes current;

 private:
  template <typename Figure>
  Figure& appendTo(std::vector<Figure>& list, FigureKind kind);
};

}  // namespace zf61
