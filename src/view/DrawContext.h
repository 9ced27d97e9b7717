// What the drawing operations share during one pass: the canvas, the view, the attributes, the
// continuity of line-type patterns and the point list of solids and rectangles.
#pragma once

#include <vector>

#include "model/Geometry.h"
#include "model/UnitGraAtt.h"
#include "view/Canvas.h"
#include "view/Clipping.h"
#include "view/EllipseFrame.h"
#include "view/ViewWindow.h"

namespace zf61 {

// Pattern continuity between consecutive stroked segments.
struct StrokeState {
  int32_t lastLayer = -1;
  int32_t lastLineType = -1;
  double lastEndX = 0.0;
  double lastEndY = 0.0;
  int32_t elementIndex = 0;
  double consumedLength = 0.0;
};

struct DrawContext {
  DrawContext(Canvas& c, const ViewWindow& v, const TgraAttribute& a)
      : canvas(c), view(v), att(a) {}

  Canvas& canvas;
  const ViewWindow& view;
  const TgraAttribute& att;
  StrokeState stroke;
  std::vector<PointD> points;  // the point list, in drawing units
  CurveAngleCache curveAngles;
  // Pairs of line ends gathered while one figure is stroked, handed to the canvas at once.
  std::vector<PixelPoint> segmentEnds;
  // While one figure is stroked with a pen whose pieces the canvas lets be written straight
  // into its pixels: those pixels and the pen's value. Pieces with an end off them are gathered.
  bool thinDirect = false;
  // While one figure is stroked: points in it need no clipping.
  InsideBox insideBox;
  // The inside box of the view as it was when last worked out, kept while the view stays.
  ViewRect insideBoxView{0.0, 0.0, 0.0, 0.0, 0.0};
  InsideBox viewInsideBox;
  PixelRows thinRows;
  uint32_t thinPixel = 0;
  // Every chord and dash issued one by one through the line primitive, without the shortcuts
  // for curves inside the view; the shortcuts give the same pixels, which tests compare.
  bool plainDrawing = false;
};

inline void ResetStrokeState(DrawContext& ctx) {
  ctx.stroke = StrokeState();
}

}  // namespace zf61
