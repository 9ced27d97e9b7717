// Headless rendering through the same view and renderer as the window.
#include "inspect/Render.h"

#include <cstdlib>
#include <string_view>

#include "fill/RegionTracer.h"
#include "model/UnitGraAtt.h"
#include "output/PictureGenerator.h"
#include "platform/Cp932.h"
#include "platform/GuiApplication.h"
#include "platform/QtCanvas.h"
#include "platform/QtPictureSource.h"
#include "rooms/CgalRoomFinder.h"
#include "view/CanvasPrimitives.h"
#include "view/EntityRenderer.h"
#include "view/ViewNavigator.h"

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

bool ParsePictureOptions(int argc, char** argv, PictureOptions& options) {
  for (int i = 0; i < argc;) {
    std::string_view name = argv[i++];
    if (name == "--rooms") {
      options.rooms = true;
      continue;
    }
    if (i >= argc) return false;
    const char* text = argv[i++];
    if (name == "--gap") {
      options.gap = text;
      continue;
    }
    char* end = nullptr;
    long value = std::strtol(text, &end, name == "--colour" ? 16 : 10);
    if (*end != '\0') return false;
    if (name == "--colour") {
      options.colour = static_cast<unsigned>(value) & 0xFFFFFF;
    } else if (name == "--opacity") {
      options.opacity = static_cast<int>(value);
    } else if (name == "--divisions") {
      options.divisions = static_cast<int>(value);
    } else if (name == "--depth" && value >= 0 && value <= 4) {
      options.depth = static_cast<int>(value);
    } else if (name == "--magnify" && value >= 1 && value <= kMaxMagnification) {
      options.magnification = static_cast<int>(value);
    } else if (name == "--background" && (value == 0 || value == 1)) {
      options.background = static_cast<int>(value);
    } else {
      return false;
    }
  }
  return true;
}

bool GeneratePictureFile(const DrawingStore& store, int width, int height, const char* path,
                         const PictureOptions& options) {
  HeadlessScene scene(store, width, height, options.background);
  RegionTracer tracer(store, scene.att);
  CgalRoomFinder rooms;
  PictureGenerator generator(scene.att, scene.navigator.view(), tracer, scene.renderer,
                             SystemFileOps(), StandardDepthConverter(), &rooms);
  PictureControls controls;
  controls.edit1 = path;
  controls.edit2 = std::to_string(options.opacity);
  controls.edit3 = std::to_string(options.divisions);
  unsigned rgb = options.colour;
  controls.fillColour = MakeColour(static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8 & 0xFF),
                                   static_cast<int>(rgb & 0xFF));
  controls.depthIndex = options.depth;
  controls.methodIndex = options.rooms ? 1 : 0;
  controls.edit4 = options.gap;
  controls.magnification = options.magnification;
  std::string drawingFolder = Cp932ToUnicode(store.settings.drawingFileName).toStdString();
  GenerationResult result = generator.generatePicture(controls, drawingFolder, scene.canvas,
                                                      std::filesystem::path(path), "");
  return result.outcome == GenerationOutcome::Generated;
}

}  // namespace zf61
