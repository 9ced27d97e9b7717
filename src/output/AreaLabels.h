// Where a room's area label goes: at the point of the room farthest from its walls (its pole
// of inaccessibility, found by narrowing a grid of cells), written only when the label's box
// fits inside the room there.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "model/DrawingStore.h"
#include "output/AreaSplitter.h"

namespace zf61 {

// The size of a text on paper (display units), from Jw_cad's text size of the drawing: the
// first text style it named ("cn"), a numbered style's size or style 0's own.
struct TextBox {
  double width = 0;
  double height = 0;
};

// The box of `utf8` at that size: a full-width character takes the style's width, a half-width
// one half of it, with the style's spacing between characters.
TextBox LabelBox(const DrawingSettings& settings, std::string_view utf8);

// The pieces of each part, by part.
std::vector<std::vector<const SolidPiece*>> PiecesByPart(const SplitArea& area);

// The lower-left corner of `box` centred on the part's pole of inaccessibility, when the box
// fits inside the part there (its corners inside, no wall across it); none otherwise.
std::optional<PointD> PlaceLabel(const PaintedPart& part,
                                 const std::vector<const SolidPiece*>& pieces, TextBox box);

}  // namespace zf61
