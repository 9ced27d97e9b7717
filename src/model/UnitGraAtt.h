// TgraAttribute: Jw_cad's attribute numbers turned into what the screen needs: pen colours for
// the white or black background, pen widths, line-type dash patterns and layer draw states.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/Colour.h"

namespace zf61 {

inline constexpr int kPenCount = 265;
inline constexpr int kLineTypeCount = 50;
inline constexpr int kMaxPieces = 32;
inline constexpr int kLayerTableSize = 256;

struct TjwvLayer {
  int32_t drawState = 1;  // 1 normal, 2 grey, 3 hidden
  double ratio = 1.0;
  std::string groupLabel;
  std::string layerLabel;
};

struct PenEntry {
  Colour colour = kBlack;
  double width = 0.0;        // millimetres
  double secondWidth = 0.0;  // millimetres
};

// A dash pattern: positive pieces are drawn, negative pieces are gaps, lengths in millimetres.
struct LineTypeEntry {
  int32_t pieceCount = 0;  // 0: continuous
  double amplitude = 0.0;  // sideways offset of the random (zigzag) types
  std::array<double, kMaxPieces> pieces{};
  double patternLength = 0.0;
};

class TgraAttribute {
 public:
  TgraAttribute() { Reset(); }

  void Reset();
  void InitLayers();
  void SetBackground(int index);  // 0 white, 1 black; other values change nothing
  int32_t BackgroundIndex() const { return backgroundIndex_; }
  Colour BackgroundColour() const { return backgroundColour_; }
  void SetGreyColour(Colour c) { greyColour_ = c; }
  Colour GreyColour() const { return greyColour_; }
  void RecomputeColours();
  void InitPenWidths();
  void InitLineTypes();

  static int PenIndex(int number);
  Colour PenColour(int number) const;
  double PenWidth(int number) const;
  int32_t LayerDrawState(int layerIndex) const;
  // Nothing in the program changes a layer's state; tests and tools may.
  void SetLayerDrawState(int layerIndex, int32_t state);
  static int LineTypeIndex(int number);
  int32_t LineTypePieceCount(int number) const;
  double LineTypeAmplitude(int number) const;
  int32_t LineTypePieces(int number, double* out) const;  // out holds kMaxPieces doubles
  double LineTypePatternLength(int number) const;
  Colour FigureColour(int layerIndex, int penNumber) const;

  const std::array<TjwvLayer, kLayerTableSize>& layers() const { return layers_; }

 private:
  int32_t backgroundIndex_ = 0;
  Colour backgroundColour_ = kWhite;
  Colour defaultLineColour_ = kBlack;
  Colour greyColour_ = MakeColour(128, 128, 128);
  std::array<TjwvLayer, kLayerTableSize> layers_;
  std::array<PenEntry, kPenCount> pens_;
  std::array<LineTypeEntry, kLineTypeCount> lineTypes_;
};

}  // namespace zf61
