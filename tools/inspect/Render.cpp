// Headless rendering through the same view and renderer as the window.
#include "inspect/Render.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fill/RegionTracer.h"
#include "fill/RoomSelection.h"
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

namespace {

bool ParseNumber(const char* text, double& value) {
  char* end = nullptr;
  value = std::strtod(text, &end);
  return *end == '\0' && std::isfinite(value);
}

// "--pick X Y RRGGBB" or "--skip X Y" at argv[i] (the name already read); false when malformed.
bool ParseClick(std::string_view name, int argc, char** argv, int& i, RoomClickOption& click) {
  click.skip = name == "--skip";
  int needed = click.skip ? 2 : 3;
  if (i + needed > argc || !ParseNumber(argv[i], click.x) || !ParseNumber(argv[i + 1], click.y)) {
    return false;
  }
  if (!click.skip) {
    char* end = nullptr;
    click.colour = static_cast<unsigned>(std::strtoul(argv[i + 2], &end, 16)) & 0xFFFFFF;
    if (*end != '\0') return false;
  }
  i += needed;
  return true;
}

Colour FromRgb(unsigned rgb) {
  return MakeColour(static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8 & 0xFF),
                    static_cast<int>(rgb & 0xFF));
}

}  // namespace

bool ParsePictureOptions(int argc, char** argv, PictureOptions& options) {
  for (int i = 0; i < argc;) {
    std::string_view name = argv[i++];
    if (name == "--rooms") {
      options.rooms = true;
      continue;
    }
    if (name == "--pick" || name == "--skip") {
      if (!ParseClick(name, argc, argv, i, options.clicks.emplace_back())) return false;
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
  return options.clicks.empty() || options.rooms;
}

bool ApplyClicks(const std::vector<RoomClickOption>& clicks, RoomSelection& selection) {
  for (const RoomClickOption& click : clicks) {
    PointD at{click.x, click.y};
    bool done = click.skip ? selection.skipAt(at).has_value()
                           : selection.pickAt(at, FromRgb(click.colour)).has_value();
    if (!done) {
      std::fprintf(stderr, "zf61-inspect: no room at %g %g\n", click.x, click.y);
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
  controls.fillColour = FromRgb(options.colour);
  controls.depthIndex = options.depth;
  controls.methodIndex = options.rooms ? 1 : 0;
  controls.edit4 = options.gap;
  controls.magnification = options.magnification;
  std::string drawingFolder = Cp932ToUnicode(store.settings.drawingFileName).toStdString();
  GenerationRequest request = CheckControls(controls, drawingFolder, "");
  bool clicksFound = true;
  GenerationResult result = generator.generate(
      request, scene.canvas, std::filesystem::path(path),
      [&](const GenerationRequest& r, FillPlan& plan) {
        RegionQuery query{r.method, r.divisions, r.gap, false};
        FoundRegions found;
        if (!FindRegions(query, store, scene.att, tracer, &rooms, nullptr, found)) return false;
        if (options.clicks.empty()) {
          plan = MakeFillPlan(found, nullptr, r.fillColour, r.opacity);
          return true;
        }
        RoomSelection selection(query, std::move(found),
                                RealScale::OfDrawing(store, scene.att, r.divisions));
        clicksFound = ApplyClicks(options.clicks, selection);
        plan = selection.plan(r.fillColour, r.opacity);
        return clicksFound;
      });
  if (result.outcome != GenerationOutcome::Generated && clicksFound) {
    std::fprintf(stderr, "zf61-inspect: cannot write %s\n", path);
  }
  return result.outcome == GenerationOutcome::Generated;
}

}  // namespace zf61
