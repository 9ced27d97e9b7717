// The fill's options read from the command line, and the plan they make.
#include "inspect/FillOptions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fill/RoomSelection.h"
#include "rooms/CgalRoomFinder.h"

namespace zf61 {

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

bool ParseFillOptions(int argc, char** argv, FillOptions& options) {
  for (int i = 0; i < argc;) {
    std::string_view name = argv[i++];
    if (name == "--rooms" || name == "--labels") {
      (name == "--rooms" ? options.rooms : options.labels) = true;
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

namespace {

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

}  // namespace

PictureControls ControlsOf(const FillOptions& options) {
  PictureControls controls;
  controls.edit2 = std::to_string(options.opacity);
  controls.edit3 = std::to_string(options.divisions);
  controls.fillColour = FromRgb(options.colour);
  controls.depthIndex = options.depth;
  controls.methodIndex = options.rooms ? 1 : 0;
  controls.edit4 = options.gap;
  controls.magnification = options.magnification;
  return controls;
}

bool MakePlan(const DrawingStore& store, const TgraAttribute& att, const FillOptions& options,
              const GenerationRequest& request, FillPlan& plan) {
  RegionTracer tracer(store, att);
  CgalRoomFinder rooms;
  if (options.clicks.empty()) return FindPlan(request, att, tracer, &rooms, nullptr, plan);
  RegionQuery query = QueryOf(request);
  FoundRegions found;
  if (!FindRegions(query, store, att, tracer, &rooms, nullptr, found)) return false;
  RoomSelection selection(query, std::move(found),
                          RealScale::OfDrawing(store, att, request.divisions));
  if (!ApplyClicks(options.clicks, selection)) return false;
  plan = selection.plan(request.fillColour, request.opacity);
  return true;
}

}  // namespace zf61
