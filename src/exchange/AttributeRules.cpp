// Setting and attribute keys of the exchange file: everything that changes the reader's state
// or the drawing-wide settings rather than storing a figure.
#include <algorithm>
#include <cmath>
#include <string>

#include "exchange/ReaderRules.h"
#include "model/Numbers.h"

namespace zf61 {
namespace {

// The third character of "lgX" / "lyX" as one hexadecimal digit; anything else is 0.
int32_t HexDigitAt(std::string_view f0, size_t position) {
  if (f0.size() <= position) return 0;
  char c = f0[position];
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

// A scale of 0, below 0 or not finite would make every coordinate of its group infinite or
// flip it, since every coordinate is divided by it; such a scale reads as 1.
double UsableScale(double scale) {
  return (std::isfinite(scale) && scale > 0.0) ? scale : 1.0;
}

void ReadGroupScales(DrawingSettings& s, const Fields& f) {
  for (int g = 0; g < kGroupCount; ++g) s.groupScale[g] = UsableScale(ParseFloat(f[g + 1]));
}

void ReadTextStyleColumn(DrawingSettings& s, const Fields& f, std::string_view key) {
  for (int i = 0; i < kTextStyleCount; ++i) {
    TextStyle& style = s.textStyles[i];
    std::string_view value = f[i + 1];
    if (key == "hcw") style.width = ParseFloat(value);
    if (key == "hch") style.height = ParseFloat(value);
    if (key == "hcd") style.spacing = ParseFloat(value);
    if (key == "hcc") style.colour = ParseInt(value);
  }
}

void SelectGroup(DrawingStore& store, const Fields& f) {
  int32_t group = HexDigitAt(f[0], 2);
  store.current.group = group;
  FirstValues& first = store.settings.first;
  if (!first.groupSeen) {
    store.settings.firstGroup = group;
    first.groupSeen = true;
  }
  if (f.count >= 2) store.settings.groupState[group] = ParseInt(f[1]);
}

void SelectLayer(DrawingStore& store, const Fields& f) {
  int32_t layer = HexDigitAt(f[0], 2);
  store.current.layer = layer;
  FirstValues& first = store.settings.first;
  if (!first.layerSeen) {
    store.settings.firstLayer = layer;
    first.layerSeen = true;
  }
  if (f.count >= 2) store.settings.layerState[store.current.group * 16 + layer] = ParseInt(f[1]);
}

void SetColour(DrawingStore& store, const Fields& f) {
  CurrentAttributes& cur = store.current;
  cur.colour = ParseInt(f[0].substr(2));
  if (cur.colour == 10 && f.count >= 2) cur.solidRgb = ParseInt(f[1]);
  FirstValues& first = store.settings.first;
  if (!first.colourSeen) {
    first.colour = cur.colour;
    first.colourSeen = true;
  }
}

void SetLineType(DrawingStore& store, const Fields& f) {
  store.current.lineType = ParseInt(f[0].substr(2));
  FirstValues& first = store.settings.first;
  if (!first.lineTypeSeen) {
    first.lineType = store.current.lineType;
    first.lineTypeSeen = true;
  }
}

void SetLineWidth(DrawingStore& store, const Fields& f) {
  store.current.lineWidth = ParseInt(f[0].substr(2));
  FirstValues& first = store.settings.first;
  if (!first.lineWidthSeen) {
    first.lineWidth = store.current.lineWidth;
    first.lineWidthSeen = true;
  }
}

void SetFontName(DrawingStore& store, const Fields& f) {
  std::string_view name = f[0].substr(3, kMaxTextBytes);
  store.current.fontName.assign(name);
  if (store.settings.first.fontName.empty()) store.settings.first.fontName.assign(name);
}

void SetTextStyle(DrawingStore& store, const Fields& f) {
  CurrentAttributes& cur = store.current;
  cur.styleNumber = ParseInt(f[0].substr(2));
  if (cur.styleNumber == 0 && f.count >= 5) {
    cur.charWidth = ParseFloat(f[1]);
    cur.charHeight = ParseFloat(f[2]);
    cur.charSpacing = ParseFloat(f[3]);
    cur.styleColour = ParseInt(f[4]);
  }
  FirstValues& first = store.settings.first;
  if (!first.styleSeen) {
    first.styleNumber = cur.styleNumber;
    first.styleCharWidth = cur.charWidth;
    first.styleCharHeight = cur.charHeight;
    first.styleCharSpacing = cur.charSpacing;
    first.styleColour = cur.styleColour;
    first.styleSeen = true;
  }
}

// "ccN": the digit N, 0..8; anything else is 0.
void SetCcValue(DrawingStore& store, const Fields& f) {
  char c = f[0].size() > 2 ? f[0][2] : '\0';
  store.current.ccValue = (c >= '0' && c <= '8') ? c - '0' : 0;
}

// "hpK" with an optional suffix "-", "ln", "ci" or "ch"; when several are present the later in
// that order gives the pick kind, and the number ends where the first of them begins.
void ReadReferencePoint(DrawingStore& store, const Fields& f) {
  std::string_view f0 = f[0];
  static constexpr std::string_view kSuffixes[] = {"-", "ln", "ci", "ch"};
  int32_t pickKind = 0;
  size_t numberEnd = f0.size();
  for (int kind = 1; kind <= 4; ++kind) {
    size_t at = f0.find(kSuffixes[kind - 1], 2);
    if (at != std::string_view::npos) {
      pickKind = kind;
      numberEnd = std::min(numberEnd, at);
    }
  }
  int32_t k = ParseInt(f0.substr(2, numberEnd - 2));
  if (k < 1 || k >= kReferencePointCount) return;
  ReferencePoint& point = store.settings.referencePoints[k];
  point.used = true;
  point.x = ParseFloat(f[1]);
  point.y = ParseFloat(f[2]);
  point.pickKind = pickKind;
  ++store.settings.referencePointCount;
}

// "hhpN" with an optional suffix from the fifth character on; "ch" over "ci" over "ln".
void ReadHhpNumber(DrawingStore& store, const Fields& f) {
  std::string_view f0 = f[0];
  size_t end = f0.size();
  for (std::string_view suffix : {"ch", "ci", "ln"}) {
    size_t at = f0.find(suffix, 4);
    if (at != std::string_view::npos) {
      end = at;
      break;
    }
  }
  store.current.hhpIndex = ParseInt(f0.substr(3, end - 3));
}

void AddFlag(DrawingStore& store, std::string_view f0) {
  int bit = 1 << (f0[1] - '1');
  store.current.flags |= bit;
}

bool ApplyHeaderLine(DrawingStore& store, const Fields& f) {
  std::string_view f0 = f[0];
  DrawingSettings& s = store.settings;
  if (f0.find("file=") != std::string_view::npos) {
    s.drawingFileName.assign(f0.substr(5));
  } else if (f0 == "hk") {
    if (f.count >= 2) s.hkValue = ParseFloat(f[1]);
  } else if (f0 == "hs") {
    if (f.count >= 17) ReadGroupScales(s, f);
  } else if (f0 == "hzs") {
    if (f.count >= 3) s.hzsValues = {ParseFloat(f[1]), ParseFloat(f[2])};
  } else if (f0 == "hcw" || f0 == "hch" || f0 == "hcd" || f0 == "hcc") {
    if (f.count >= 11) ReadTextStyleColumn(s, f, f0);
  } else if (f0 == "bz") {
    s.bzFlag = true;
  } else if (f0 == "hn") {
    if (f.count >= 5) {
      for (int i = 0; i < 4; ++i) s.hnValues[i] = ParseFloat(f[i + 1]);
    }
  } else {
    return false;
  }
  return true;
}

bool ApplyLayerAndPenLine(DrawingStore& store, const Fields& f) {
  std::string_view f0 = f[0];
  DrawingSettings& s = store.settings;
  if (StartsWith(f0, "lgn")) {
    s.groupName[store.current.group].assign(f0.substr(3));
  } else if (StartsWith(f0, "lyn")) {
    s.layerName[store.current.group * 16 + store.current.layer].assign(f0.substr(3));
  } else if (StartsWith(f0, "lg")) {
    SelectGroup(store, f);
  } else if (StartsWith(f0, "ly")) {
    SelectLayer(store, f);
  } else if (StartsWith(f0, "lc")) {
    SetColour(store, f);
  } else if (StartsWith(f0, "lt")) {
    SetLineType(store, f);
  } else if (StartsWith(f0, "lw")) {
    SetLineWidth(store, f);
  } else if (StartsWith(f0, "cn$")) {
    SetFontName(store, f);
  } else if (StartsWith(f0, "cn")) {
    SetTextStyle(store, f);
  } else if (StartsWith(f0, "cc")) {
    SetCcValue(store, f);
  } else {
    return false;
  }
  return true;
}

bool ApplyModeLine(DrawingStore& store, const Fields& f) {
  std::string_view f0 = f[0];
  CurrentAttributes& cur = store.current;
  if (f0.size() == 2 && f0[0] == 'z' && f0[1] >= '1' && f0[1] <= '5') {
    AddFlag(store, f0);
  } else if (StartsWith(f0, "pn")) {
    cur.pointColour = ParseInt(f0.substr(2));
  } else if (f0 == "pl") {
    ++cur.chainCounter;
    cur.inChain = true;
    cur.pairMode = false;
  } else if (f0 == "msg") {
    cur.pairMode = true;
    cur.inChain = false;
  } else if (f0 == "#") {
    cur.inChain = false;
    cur.pairMode = false;
  } else if (StartsWith(f0, "hp")) {
    if (f.count >= 3) ReadReferencePoint(store, f);
  } else if (StartsWith(f0, "hhp")) {
    ReadHhpNumber(store, f);
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool ApplyAttributeLine(DrawingStore& store, const Fields& f) {
  return ApplyHeaderLine(store, f) || ApplyLayerAndPenLine(store, f) || ApplyModeLine(store, f);
}

}  // namespace zf61
