// The fill's options as zf61-inspect takes them (the side panel's values, the rooms' clicks,
// labels), and what they paint: the fill plan the window would make.
#pragma once

#include <string>
#include <vector>

#include "fill/FillPlan.h"
#include "model/UnitGraAtt.h"
#include "output/PictureGenerator.h"

namespace zf61 {

// A click in the drawing area, for rooms: a pick in a colour, or a skip.
struct RoomClickOption {
  double x = 0, y = 0;  // display units, as --regions prints them
  bool skip = false;
  unsigned colour = 0;  // RRGGBB, for a pick
};

struct FillOptions {
  unsigned colour = 0xFF0000;  // RRGGBB
  int opacity = 128;
  int divisions = 24;
  int depth = 4;
  int background = 0;
  bool rooms = false;
  std::string gap = "0";  // as typed, like the window's field
  int magnification = 1;
  std::vector<RoomClickOption> clicks;  // in the order given
  bool labels = false;                  // --solids only: rooms' areas written in
};

// Reads "--colour RRGGBB --opacity N ..." pairs, the "--rooms" and "--labels" switches and the
// rooms' clicks "--pick X Y RRGGBB" and "--skip X Y" (only with --rooms); false for anything
// else.
bool ParseFillOptions(int argc, char** argv, FillOptions& options);

// The side panel holding the options (the picture's name left to the caller).
PictureControls ControlsOf(const FillOptions& options);

// What a checked request paints, the clicks applied to the rooms in their order. A click
// outside every room is told on stderr: false.
bool MakePlan(const DrawingStore& store, const TgraAttribute& att, const FillOptions& options,
              const GenerationRequest& request, FillPlan& plan);

}  // namespace zf61
