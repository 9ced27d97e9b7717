// The entity renderer's two passes and the drawing of each figure kind.
#include "view/EntityRenderer.h"

#include <cmath>

#include "view/CanvasPrimitives.h"
#include "view/PictureDrawing.h"
#include "view/PictureReference.h"
#include "view/PointDrawing.h"
#include "view/Stroking.h"

namespace zf61 {
namespace {

constexpr int kHiddenLayerState = 3;
// Pen number whose solids take their own RGB colour.
constexpr int32_t kRgbColourNumber = 10;
// Line widths are given in hundredths of a millimetre.
constexpr double kLineWidthUnitMm = 0.01;
// A crop value within this of its default means the picture is shown whole.
constexpr double kWholePictureTolerance = 1e-8;
constexpr double kArcWholeTolerance = 1e-8;

Colour RgbOf(int32_t solidRgb) {
  return static_cast<Colour>(solidRgb) & 0x00FFFFFFu;
}

}  // namespace

template <typename List, typename DrawOne>
bool EntityRenderer::DrawKind(DrawContext& ctx, const List& list, bool pollEsc,
                              bool honourHiddenFlag, DrawOne drawOne) {
  for (size_t i = 0; i < list.size(); ++i) {
    const FigureHeader& h = list[i].header;
    if (ctx.att.LayerDrawState(h.LayerIndex()) == kHiddenLayerState) continue;
    if (honourHiddenFlag && (h.flags & kFlagHidden)) continue;
    drawOne(list[i]);
    if (i % kEscPollInterval == 0 && Poll(pollEsc)) return true;
  }
  return Poll(pollEsc);
}

bool EntityRenderer::DrawBackground(DrawContext& ctx, bool pollEsc) {
  auto text = [&](const TextFigure& f) { DrawPictureText(ctx, f); };
  auto solidLine = [&](const SolidLineFigure& f) { DrawSolidLine(ctx, f); };
  auto triangle = [&](const SolidTriangleFigure& f) { DrawSolidTriangle(ctx, f); };
  auto quad = [&](const SolidQuadFigure& f) { DrawSolidQuad(ctx, f); };
  if (DrawKind(ctx, store_.texts, pollEsc, false, text)) return true;
  if (DrawKind(ctx, store_.solidLines, pollEsc, false, solidLine)) return true;
  if (DrawKind(ctx, store_.solidTriangles, pollEsc, false, triangle)) return true;
  if (DrawKind(ctx, store_.solidQuads, pollEsc, false, quad)) return true;
  for (int code = kFirstSolidCurveCode; code < kFirstSolidCurveCode + kSolidCurveCodeCount;
       ++code) {
    FigureKind kind = static_cast<FigureKind>(code);
    auto curve = [&](const SolidCurveFigure& f) { DrawSolidCurveFigure(ctx, f, kind); };
    if (DrawKind(ctx, store_.solidCurves(kind), pollEsc, false, curve)) return true;
  }
  return false;
}

bool EntityRenderer::DrawAll(DrawContext& ctx) {
  ResetStrokeState(ctx);
  if (DrawBackground(ctx, true)) return true;
  ctx.canvas.setBrush(kBlack, BrushStyle::Clear);
  auto line = [&](const LineFigure& f) { DrawLine(ctx, f); };
  auto circle = [&](const CircleFigure& f) { DrawCircle(ctx, f); };
  auto arc = [&](const ArcFigure& f) { DrawArc(ctx, f); };
  if (DrawKind(ctx, store_.lines, true, true, line)) return true;
  if (DrawKind(ctx, store_.circles, true, true, circle)) return true;
  return DrawKind(ctx, store_.arcs, true, true, arc);
}

void EntityRenderer::DrawPicturesAndSolids(DrawContext& ctx) {
  ResetStrokeState(ctx);
  DrawBackground(ctx, false);
  ctx.canvas.setBrush(kBlack, BrushStyle::Clear);
}

void EntityRenderer::ApplySolidPenAndBrush(DrawContext& ctx, const FigureHeader& h,
                                           int32_t solidRgb) {
  if (h.colour == kRgbColourNumber) {
    SetPen(ctx.canvas, RgbOf(solidRgb), 0, 0);
    SetBrush(ctx.canvas, RgbOf(solidRgb), 1);
  } else {
    ApplyFigurePen(ctx.canvas, ctx.att, ctx.view.Scale, h.LayerIndex(), h.colour, 0.0);
    ApplyFigureBrush(ctx.canvas, ctx.att, h.LayerIndex(), h.colour, 1);
  }
}

void EntityRenderer::ApplyLinePen(DrawContext& ctx, const FigureHeader& h) {
  double widthMm = h.lineWidth != 0 ? h.lineWidth * kLineWidthUnitMm : ctx.att.PenWidth(h.colour);
  ApplyFigurePen(ctx.canvas, ctx.att, ctx.view.Scale, h.LayerIndex(), h.colour, widthMm);
}

void EntityRenderer::DrawSolidLine(DrawContext& ctx, const SolidLineFigure& f) {
  double d = store_.groupDivisor(f.header.group);
  ApplySolidPenAndBrush(ctx, f.header, f.solidRgb);
  ctx.points = {{f.x1 / d, f.y1 / d}, {f.x2 / d, f.y2 / d}};
  DrawPointPolyline(ctx);
  ctx.points.clear();
}

void EntityRenderer::DrawSolidTriangle(DrawContext& ctx, const SolidTriangleFigure& f) {
  double d = store_.groupDivisor(f.header.group);
  ApplySolidPenAndBrush(ctx, f.header, f.solidRgb);
  ctx.points = {{f.x1 / d, f.y1 / d}, {f.x2 / d, f.y2 / d}, {f.x3 / d, f.y3 / d}};
  FillPointPolygon(ctx);
  ctx.points.clear();
}

void EntityRenderer::DrawSolidQuad(DrawContext& ctx, const SolidQuadFigure& f) {
  double d = store_.groupDivisor(f.header.group);
  ApplySolidPenAndBrush(ctx, f.header, f.solidRgb);
  ctx.points = {
      {f.x1 / d, f.y1 / d}, {f.x2 / d, f.y2 / d}, {f.x3 / d, f.y3 / d}, {f.x4 / d, f.y4 / d}};
  FillPointPolygon(ctx);
  ctx.points.clear();
}

void EntityRenderer::DrawSolidCurveFigure(DrawContext& ctx, const SolidCurveFigure& f,
                                          FigureKind kind) {
  double d = store_.groupDivisor(f.header.group);
  ApplySolidPenAndBrush(ctx, f.header, f.solidRgb);
  SolidCurveMode mode = SolidCurveMode::Ring;
  double parameter = f.parameter8Length / d;
  if (kind == FigureKind::SolidCurveSc) mode = SolidCurveMode::Filled;
  if (kind == FigureKind::SolidCurveSe) mode = SolidCurveMode::Outline;
  if (mode != SolidCurveMode::Ring) parameter = f.parameter8Int;
  DrawSolidCurve(ctx, mode, parameter, f.sweep, f.start, f.tilt, f.flatness, f.radius / d,
                 f.centreX / d, f.centreY / d);
}

void EntityRenderer::DrawLine(DrawContext& ctx, const LineFigure& f) {
  double d = store_.groupDivisor(f.header.group);
  ApplyLinePen(ctx, f.header);
  StrokeSegment(ctx, f.header.LayerIndex(), f.header.lineType, f.x1 / d, f.y1 / d, f.x2 / d,
                f.y2 / d);
}

void EntityRenderer::DrawCircle(DrawContext& ctx, const CircleFigure& f) {
  double d = store_.groupDivisor(f.header.group);
  ApplyLinePen(ctx, f.header);
  StrokeEllipseArc(ctx, f.header.LayerIndex(), f.header.lineType, kTwoPi, 0.0, 0.0, 1.0,
                   f.radius / d, f.centreX / d, f.centreY / d);
}

void EntityRenderer::DrawArc(DrawContext& ctx, const ArcFigure& f) {
  double d = store_.groupDivisor(f.header.group);
  ApplyLinePen(ctx, f.header);
  double s = NormalizeDegrees(f.startAngle);
  double w = NormalizeDegrees(f.endAngle - f.startAngle);
  double start = 0.0, sweep = kTwoPi;
  if (std::fabs(w) > kArcWholeTolerance) {
    start = s * kPi / 180.0;
    sweep = w * kPi / 180.0;
  }
  StrokeEllipseArc(ctx, f.header.LayerIndex(), f.header.lineType, sweep, start,
                   f.tiltAngle * kPi / 180.0, f.flatness, f.radius / d, f.centreX / d,
                   f.centreY / d);
}

void EntityRenderer::DrawPictureText(DrawContext& ctx, const TextFigure& text) {
  std::optional<PictureReference> ref = ParsePictureReference(text.text);
  if (!ref) return;
  double d = store_.groupDivisor(text.header.group);
  double x0 = text.x / d, y0 = text.y / d;
  PictureBox box{x0, y0, x0 + ref->width, y0 + ref->height, text.dirX, text.dirY};
  bool whole = std::fabs(ref->cropLeft) < kWholePictureTolerance &&
               std::fabs(ref->cropBottom) < kWholePictureTolerance &&
               std::fabs(ref->cropScale - 1.0) < kWholePictureTolerance;
  if (whole) {
    DrawPlainPicture(ctx, pictures_, ref->fileName, box);
  } else {
    DrawTransformedPicture(ctx, pictures_, ref->fileName, box,
                           {ref->cropLeft, ref->cropBottom, ref->cropScale});
  }
}

}  // namespace zf61
