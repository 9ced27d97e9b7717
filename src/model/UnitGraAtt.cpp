// The attribute tables of TgraAttribute, built in code.
#include "model/UnitGraAtt.h"

#include <cmath>
#include <initializer_list>

namespace zf61 {
namespace {

struct PenColours {
  int number;
  Colour onWhite;
  Colour onBlack;
};

constexpr PenColours kPenColours[] = {
    {1, MakeColour(0, 192, 192), MakeColour(0, 255, 255)},
    {2, MakeColour(0, 0, 0), MakeColour(255, 255, 255)},
    {3, MakeColour(0, 192, 0), MakeColour(0, 255, 0)},
    {4, MakeColour(192, 192, 0), MakeColour(255, 255, 0)},
    {5, MakeColour(192, 0, 192), MakeColour(192, 0, 192)},
    {6, MakeColour(0, 0, 255), MakeColour(32, 32, 255)},
    {7, MakeColour(0, 128, 128), MakeColour(0, 128, 128)},
    {8, MakeColour(255, 0, 128), MakeColour(160, 0, 0)},
    {9, MakeColour(255, 128, 255), MakeColour(192, 128, 128)},
    {101, MakeColour(0, 0, 0), MakeColour(255, 255, 255)},
    {102, MakeColour(255, 0, 0), MakeColour(255, 0, 0)},
    {103, MakeColour(0, 255, 0), MakeColour(0, 255, 0)},
    {104, MakeColour(0, 0, 255), MakeColour(0, 0, 255)},
    {105, MakeColour(255, 255, 0), MakeColour(255, 255, 0)},
    {106, MakeColour(255, 0, 255), MakeColour(255, 0, 255)},
    {107, MakeColour(0, 255, 255), MakeColour(0, 255, 255)},
    {108, MakeColour(0, 0, 0), MakeColour(255, 255, 255)},
    {109, MakeColour(192, 0, 128), MakeColour(192, 0, 128)},
    {110, MakeColour(192, 128, 64), MakeColour(192, 128, 64)},
    {111, MakeColour(255, 128, 0), MakeColour(255, 128, 0)},
    {112, MakeColour(128, 192, 128), MakeColour(128, 192, 128)},
    {113, MakeColour(0, 128, 255), MakeColour(0, 128, 255)},
    {114, MakeColour(128, 64, 255), MakeColour(128, 64, 255)},
    {115, MakeColour(192, 192, 192), MakeColour(192, 192, 192)},
    {116, MakeColour(128, 128, 128), MakeColour(128, 128, 128)},
};

constexpr double kPenWidths[9] = {0.1, 0.15, 0.2, 0.25, 0.3, 0.35, 0.4, 0.5, 0.01};
constexpr double kPenSecondWidths[9] = {0.2, 0.3, 0.4, 0.5, 0.5, 0.5, 0.5, 0.5, 0.2};
constexpr double kDefaultPenWidth = 0.18;
constexpr double kDefaultSecondWidth = 0.2;

// Unit of the dash patterns of line types 2..9, in millimetres.
constexpr double kDashUnit = 0.36;

// The random line types: each "2" is a drawn piece one unit long, each "0" a gap of one unit.
constexpr char kRandomTemplate[] = "22002200202200202022002200202020";

struct RandomType {
  int number;
  double unit;
  double amplitude;
};
constexpr RandomType kRandomTypes[] = {
    {11, 0.6, 0.3}, {12, 1.2, 0.3}, {13, 1.8, 0.6}, {14, 2.4, 0.6}, {15, 3.0, 0.6}};

void SetPieces(LineTypeEntry& entry, std::initializer_list<double> pieces) {
  entry.pieceCount = 0;
  for (double p : pieces) entry.pieces[entry.pieceCount++] = p;
}

void SetDashFactors(LineTypeEntry& entry, std::initializer_list<double> factors) {
  entry.pieceCount = 0;
  for (double f : factors) entry.pieces[entry.pieceCount++] = f * kDashUnit;
}

char HexDigit(int v) {
  return "0123456789ABCDEF"[v & 15];
}

}  // namespace

void TgraAttribute::Reset() {
  backgroundIndex_ = 0;
  backgroundColour_ = kWhite;
  defaultLineColour_ = kBlack;
  greyColour_ = MakeColour(128, 128, 128);
  InitLayers();
  RecomputeColours();
  InitPenWidths();
  InitLineTypes();
}

void TgraAttribute::InitLayers() {
  for (int i = 0; i < kLayerTableSize; ++i) {
    TjwvLayer& layer = layers_[i];
    layer.drawState = 1;
    layer.ratio = 1.0;
    layer.groupLabel = std::string("[") + HexDigit(i / 16) + "] ";
    layer.layerLabel = std::string("(") + HexDigit(i % 16) + ") ";
  }
}

void TgraAttribute::SetBackground(int index) {
  if (index == 0) {
    backgroundIndex_ = 0;
    backgroundColour_ = kWhite;
    defaultLineColour_ = kBlack;
  } else if (index == 1) {
    backgroundIndex_ = 1;
    backgroundColour_ = kBlack;
    defaultLineColour_ = kWhite;
  }
}

void TgraAttribute::RecomputeColours() {
  for (PenEntry& pen : pens_) pen.colour = defaultLineColour_;
  for (const PenColours& entry : kPenColours) {
    pens_[PenIndex(entry.number)].colour = backgroundIndex_ == 1 ? entry.onBlack : entry.onWhite;
  }
}

void TgraAttribute::InitPenWidths() {
  for (PenEntry& pen : pens_) {
    pen.width = kDefaultPenWidth;
    pen.secondWidth = kDefaultSecondWidth;
  }
  for (int i = 0; i < 9; ++i) {
    pens_[i].width = kPenWidths[i];
    pens_[i].secondWidth = kPenSecondWidths[i];
  }
}

void TgraAttribute::InitLineTypes() {
  for (LineTypeEntry& entry : lineTypes_) entry = LineTypeEntry();
  auto at = [this](int number) -> LineTypeEntry& { return lineTypes_[LineTypeIndex(number)]; };
  SetDashFactors(at(2), {1, -2, 1});
  SetDashFactors(at(3), {2, -4, 2});
  SetDashFactors(at(4), {3, -2, 3});
  SetDashFactors(at(5), {5, -2, 2, -2, 5});
  SetDashFactors(at(6), {13, -2, 2, -2, 13});
  SetDashFactors(at(7), {4, -2, 1, -2, 1, -2, 4});
  SetDashFactors(at(8), {12, -2, 1, -2, 1, -2, 12});
  SetDashFactors(at(9), {0.5, -3, 0.5});
  for (const RandomType& type : kRandomTypes) {
    LineTypeEntry& entry = at(type.number);
    entry.pieceCount = kMaxPieces;
    entry.amplitude = type.amplitude;
    for (int k = 0; k < kMaxPieces; ++k) {
      entry.pieces[k] = (kRandomTemplate[k] - '0' - 1) * type.unit;
    }
  }
  SetPieces(at(16), {8.4, -1.2, 1.6, -1.2, 8.4});
  SetPieces(at(17), {10.6, -1.6, 1.2, -1.6, 1.2, -1.6, 10.6});
  SetPieces(at(18), {13.6, -1.6, 13.6});
  SetPieces(at(19), {22.0, -3.0, 22.0});
  SetPieces(at(32), {6.0, -1.5});
  SetPieces(at(33), {6.0, -6.0});
  SetPieces(at(34), {12.0, -1.5, 0.25, -1.5});
  SetPieces(at(35), {12.0, -1.5, 0.25, -1.5, 0.25, -1.5});
  SetPieces(at(36), {12.0, -1.5, 0.25, -1.5, 0.25, -1.5, 0.25, -1.5});
  SetPieces(at(37), {0.25, -1.5});
  SetPieces(at(38), {12.0, -1.5, 3.5, -1.5});
  SetPieces(at(39), {12.0, -1.5, 3.5, -1.5, 3.5, -1.5});
  SetPieces(at(40), {6.0, -1.5, 0.25, -1.5});
  SetPieces(at(41), {6.0, -1.5, 6.0, -1.5, 0.25, -1.5});
  SetPieces(at(42), {6.0, -1.5, 0.25, -1.5, 0.25, -1.5});
  SetPieces(at(43), {6.0, -1.5, 6.0, -1.5, 0.25, -1.5, 0.25, -1.5});
  SetPieces(at(44), {6.0, -1.5, 0.25, -1.5, 0.25, -1.5, 0.25, -1.5});
  SetPieces(at(45), {6.0, -1.5, 6.0, -1.5, 0.25, -1.5, 0.25, -1.5, 0.25, -1.5});
  for (LineTypeEntry& entry : lineTypes_) {
    entry.patternLength = 0.0;
    for (int k = 0; k < entry.pieceCount; ++k) entry.patternLength += std::fabs(entry.pieces[k]);
  }
}

int TgraAttribute::PenIndex(int number) {
  if (number >= 1 && number <= 9) return number - 1;
  if (number >= 101 && number <= 356) return number - 92;
  return -1;
}

Colour TgraAttribute::PenColour(int number) const {
  int i = PenIndex(number);
  return i < 0 ? backgroundColour_ : pens_[i].colour;
}

double TgraAttribute::PenWidth(int number) const {
  int i = PenIndex(number);
  return i < 0 ? 0.0 : pens_[i].width;
}

int32_t TgraAttribute::LayerDrawState(int layerIndex) const {
  if (layerIndex < 0 || layerIndex >= kLayerTableSize) return 1;
  return layers_[layerIndex].drawState;
}

void TgraAttribute::SetLayerDrawState(int layerIndex, int32_t state) {
  if (layerIndex >= 0 && layerIndex < kLayerTableSize) layers_[layerIndex].drawState = state;
}

int TgraAttribute::LineTypeIndex(int number) {
  if (number >= 1 && number <= 9) return number - 1;
  if (number >= 11 && number <= 19) return number - 2;
  if (number >= 31 && number <= 62) return number - 13;
  return -1;
}

int32_t TgraAttribute::LineTypePieceCount(int number) const {
  int i = LineTypeIndex(number);
  return i < 0 ? 0 : lineTypes_[i].pieceCount;
}

double TgraAttribute::LineTypeAmplitude(int number) const {
  int i = LineTypeIndex(number);
  return i < 0 ? 0.0 : lineTypes_[i].amplitude;
}

int32_t TgraAttribute::LineTypePieces(int number, double* out) const {
  int i = LineTypeIndex(number);
  if (i < 0) return 0;
  const LineTypeEntry& entry = lineTypes_[i];
  for (int k = 0; k < entry.pieceCount; ++k) out[k] = entry.pieces[k];
  return entry.pieceCount;
}

double TgraAttribute::LineTypePatternLength(int number) const {
  int i = LineTypeIndex(number);
  return i < 0 ? 0.0 : lineTypes_[i].patternLength;
}

Colour TgraAttribute::FigureColour(int layerIndex, int penNumber) const {
  int32_t state = LayerDrawState(layerIndex);
  if (state == 2) return greyColour_;
  if (state == 3) return backgroundColour_;
  return PenColour(penNumber);
}

}  // namespace zf61
