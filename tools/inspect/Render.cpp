// Headless rendering through the same view and renderer as the window.
#include "inspect/Render.h"

#include <cstdio>

#include "fill/RegionTracer.h"
#include "model/UnitGraAtt.h"
#include "output/PictureGenerator.h"
#include "platform/Cp932.h"
#include "platform/GuiApplication.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "platform/QtTextCodec.h"
#include "rooms/CgalRoomFinder.h"
#include "view/CanvasPrimitives.h"
#include "view/EntityRenderer.h"
#include "view/ViewNavigator.h"
#include "window/ControlChecks.h"

namespace zf61 {

namespace {

// What both headless runs need: attributes, a canvas of the size asked for, the view fitted to
// it, and the renderer with its picture loading (a GUI application first, for the font
// database that texts in pictures need).
struct HeadlessScene {
  HeadlessScene(const DrawingStore& store, int width, int height, int background)
      : canvas((EnsureGuiApplication("zf61-inspect"), width), height),
        navigator(
            store,
            [=] {
              return PaintBoxSize{width, height};
            },
            nullptr),
        renderer(store, pictures, esc) {
    att.SetBackground(background);
    att.RecomputeColours();
    navigator.FitWithoutRedraw();
  }

  TgraAttribute att;
  QtCanvas canvas;
  ViewNavigator navigator;
  QtPictureSource pictures;
  NoEscKey esc;
  EntityRenderer renderer;
};

}  // namespace

bool RenderToPng(const DrawingStore& store, int width, int height, const char* path) {
  HeadlessScene scene(store, width, height, 0);
  DrawContext ctx(scene.canvas, scene.navigator.view(), scene.att);
  ClearCanvas(scene.canvas, scene.att, width, height);
  scene.renderer.DrawAll(ctx);
  return scene.canvas.image().save(QString::fromLocal8Bit(path), "PNG");
}

bool GeneratePictureFile(const DrawingStore& store, int width, int height, const char* path,
                         const FillOptions& options) {
  HeadlessScene scene(store, width, height, options.background);
  RegionTracer tracer(store, scene.att);
  CgalRoomFinder rooms;
  PictureGenerator generator(scene.att, scene.navigator.view(), tracer, scene.renderer,
                             SystemFileOps(), StandardDepthConverter(), &rooms);
  PictureControls controls = ControlsOf(options);
  controls.edit1 = path;
  std::string drawingFolder = Cp932ToUnicode(store.settings.drawingFileName).toStdString();
  bool clicksFound = true;
  QtTextCodec codec;
  GenerationResult result = generator.generate(
      CheckControls(controls, drawingFolder, "", &codec), scene.canvas, std::filesystem::path(path),
      [&](const GenerationRequest& r, FillPlan& plan) {
        clicksFound = MakePlan(store, scene.att, options, r, plan);
        return clicksFound;
      });
  if (result.outcome != GenerationOutcome::Generated && clicksFound) {
    std::fprintf(stderr, "zf61-inspect: cannot write %s\n", path);
  }
  return result.outcome == GenerationOutcome::Generated;
}

}  // namespace zf61
