// Draws the figures of the store by kind: pictures under solids under lines, circles and arcs.
#pragma once

#include "model/DrawingStore.h"
#include "model/EscKey.h"
#include "view/DrawContext.h"
#include "view/PictureSource.h"

namespace zf61 {

// Esc is polled after every this-many drawn figures of a kind (the 1st, 11th, 21st, ...).
inline constexpr int kEscPollInterval = 10;

class EntityRenderer {
 public:
  EntityRenderer(const DrawingStore& store, PictureSource& pictures, EscKey& esc)
      : store_(store), pictures_(pictures), esc_(esc) {}

  // Everything the view shows. True when Escape interrupted the pass; what was drawn stays.
  bool DrawAll(DrawContext& ctx);
  // Only pictures and solids, for the generated picture.
  void DrawPicturesAndSolids(DrawContext& ctx);

  void DrawPictureText(DrawContext& ctx, const TextFigure& text);

 private:
  bool DrawBackground(DrawContext& ctx, bool pollEsc);
  template <typename List, typename DrawOne>
  bool DrawKind(DrawContext& ctx, const List& list, bool pollEsc, bool honourHiddenFlag,
                DrawOne drawOne);
  bool Poll(bool pollEsc) { return pollEsc && esc_.EscPressed(); }

  void DrawSolidLine(DrawContext& ctx, const SolidLineFigure& f);
  void DrawSolidTriangle(DrawContext& ctx, const SolidTriangleFigure& f);
  void DrawSolidQuad(DrawContext& ctx, const SolidQuadFigure& f);
  void DrawSolidCurveFigure(DrawContext& ctx, const SolidCurveFigure& f, FigureKind kind);
  void DrawLine(DrawContext& ctx, const LineFigure& f);
  void DrawCircle(DrawContext& ctx, const CircleFigure& f);
  void DrawArc(DrawContext& ctx, const ArcFigure& f);
  void ApplySolidPenAndBrush(DrawContext& ctx, const FigureHeader& h, int32_t solidRgb);
  void ApplyLinePen(DrawContext& ctx, const FigureHeader& h);

  const DrawingStore& store_;
  PictureSource& pictures_;
  EscKey& esc_;
};

}  // namespace zf61
