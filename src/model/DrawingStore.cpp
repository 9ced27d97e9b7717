// The drawing store: appending figures with the current attributes, and its resets.
#include "model/DrawingStore.h"

#include <cmath>

namespace zf61 {

void DrawingStore::initialise() {
  release();
  settings = DrawingSettings();
  current = CurrentAttributes();
}

void DrawingStore::resetAttributes() {
  CurrentAttributes defaults;
  current.group = defaults.group;
  current.layer = defaults.layer;
  current.colour = defaults.colour;
  current.lineType = defaults.lineType;
  current.lineWidth = defaults.lineWidth;
  current.styleNumber = defaults.styleNumber;
  current.charWidth = defaults.charWidth;
  current.charHeight = defaults.charHeight;
  current.charSpacing = defaults.charSpacing;
  current.styleColour = defaults.styleColour;
  current.ccValue = defaults.ccValue;
  current.fontName = defaults.fontName;
  current.pointColour = defaults.pointColour;
  current.solidRgb = defaults.solidRgb;
  FirstValues& first = settings.first;
  first.colourSeen = first.lineTypeSeen = first.lineWidthSeen = false;
  first.styleSeen = first.groupSeen = first.layerSeen = false;
  first.fontName.clear();
}

void DrawingStore::appendOutputLine(std::string_view text) {
  outputLines.emplace_back(text.substr(0, kMaxOutputLineBytes));
}

void DrawingStore::release() {
  // Swapping with empty vectors gives the memory back, which clear() would keep.
  lines = {};
  circles = {};
  arcs = {};
  texts = {};
  points = {};
  extendedPoints = {};
  linesWithText = {};
  blocks = {};
  solidLines = {};
  solidTriangles = {};
  solidQuads = {};
  for (auto& list : solidCurveLists) list = {};
  figureOrder = {};
  outputLines = {};
}

FigureHeader DrawingStore::currentHeader() const {
  FigureHeader h;
  h.hhpIndex = current.hhpIndex;
  h.group = current.group;
  h.layer = current.layer;
  h.colour = current.colour;
  h.lineType = current.lineType;
  h.lineWidth = current.lineWidth;
  h.flags = current.flags;
  return h;
}

template <typename Figure>
Figure& DrawingStore::appendTo(std::vector<Figure>& list, FigureKind kind) {
  Figure& figure = list.emplace_back();
  figure.header = currentHeader();
  figureOrder.push_back({kind, static_cast<int32_t>(list.size() - 1)});
  return figure;
}

LineFigure& DrawingStore::appendLine() {
  return appendTo(lines, FigureKind::Line);
}
CircleFigure& DrawingStore::appendCircle() {
  return appendTo(circles, FigureKind::Circle);
}
ArcFigure& DrawingStore::appendArc() {
  return appendTo(arcs, FigureKind::Arc);
}
TextFigure& DrawingStore::appendText() {
  return appendTo(texts, FigureKind::Text);
}
PointFigure& DrawingStore::appendPoint() {
  return appendTo(points, FigureKind::Point);
}
ExtendedPointFigure& DrawingStore::appendExtendedPoint() {
  return appendTo(extendedPoints, FigureKind::ExtendedPoint);
}
LineWithTextFigure& DrawingStore::appendLineWithText() {
  return appendTo(linesWithText, FigureKind::LineWithText);
}
BlockFigure& DrawingStore::appendBlock() {
  return appendTo(blocks, FigureKind::Block);
}
SolidLineFigure& DrawingStore::appendSolidLine() {
  return appendTo(solidLines, FigureKind::SolidLine);
}
SolidTriangleFigure& DrawingStore::appendSolidTriangle() {
  return appendTo(solidTriangles, FigureKind::SolidTriangle);
}
SolidQuadFigure& DrawingStore::appendSolidQuad() {
  return appendTo(solidQuads, FigureKind::SolidQuad);
}
SolidCurveFigure& DrawingStore::appendSolidCurve(FigureKind code) {
  int slot = static_cast<int>(code) - kFirstSolidCurveCode;
  if (slot < 0 || slot >= kSolidCurveCodeCount) slot = 0;
  return appendTo(solidCurveLists[slot], static_cast<FigureKind>(slot + kFirstSolidCurveCode));
}

const std::vector<SolidCurveFigure>& DrawingStore::solidCurves(FigureKind code) const {
  int slot = static_cast<int>(code) - kFirstSolidCurveCode;
  if (slot < 0 || slot >= kSolidCurveCodeCount) slot = 0;
  return solidCurveLists[slot];
}

size_t DrawingStore::countOfKind(FigureKind kind) const {
  switch (kind) {
    case FigureKind::Line:
      return lines.size();
    case FigureKind::Circle:
      return circles.size();
    case FigureKind::Arc:
      return arcs.size();
    case FigureKind::Text:
      return texts.size();
    case FigureKind::Point:
      return points.size();
    case FigureKind::ExtendedPoint:
      return extendedPoints.size();
    case FigureKind::LineWithText:
      return linesWithText.size();
    case FigureKind::Block:
      return blocks.size();
    case FigureKind::SolidLine:
      return solidLines.size();
    case FigureKind::SolidTriangle:
      return solidTriangles.size();
    case FigureKind::SolidQuad:
      return solidQuads.size();
    default:
      return solidCurves(kind).size();
  }
}

}  // namespace zf61
