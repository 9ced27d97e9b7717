// Headless rendering through the same view and renderer as the window.
#include "inspect/Render.h"

#include "model/UnitGraAtt.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "view/CanvasPrimitives.h"
#include "view/EntityRenderer.h"
#include "view/ViewNavigator.h"

namespace zf61 {

bool RenderToPng(const DrawingStore& store, int width, int height, const char* path) {
  TgraAttribute att;
  QtCanvas canvas(width, height);
  ViewNavigator navigator(store, [=] { return PaintBoxSize{width, height}; }, nullptr);
  navigator.FitWithoutRedraw();
  DrawContext ctx(canvas, navigator.view(), att);
  ClearCanvas(canvas, att, width, height);
  QtPictureSource pictures;
  NoEscKey esc;
  EntityRenderer renderer(store, pictures, esc);
  renderer.DrawAll(ctx);
  return canvas.image().save(QString::fromLocal8Bit(path), "PNG");
}

}  // namespace zf61
