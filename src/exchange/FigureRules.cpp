// Figure lines of the exchange file: circles and arcs, texts, points, blocks, solids, and the
// plain four-number line.
#include <cmath>

#include "exchange/ReaderRules.h"
#include "exchange/SolidCorners.h"
#include "model/Numbers.h"

namespace zf61 {
namespace {

struct Corner {
  double x, y;
};

bool SameCorner(const Corner& a, const Corner& b) {
  return SameSolidCorner(a.x, a.y, b.x, b.y);
}

Corner CornerAt(const Fields& f, int firstField) {
  return {ParseFloat(f[firstField]), ParseFloat(f[firstField + 1])};
}

// Text keys in the order of their variant numbers.
constexpr std::string_view kTextKeys[] = {"ch", "cv", "cs", "cr", "co",
                                          "cp", "ct", "ck", "cz", "c2"};

int TextVariantOf(std::string_view f0) {
  for (int i = 0; i < 10; ++i) {
    if (f0 == kTextKeys[i]) return i;
  }
  return -1;
}

// Every stored figure but a plain line clears the flags and ends chain and pair mode.
void EndModes(DrawingStore& store) {
  store.current.flags = 0;
  store.current.inChain = false;
  store.current.pairMode = false;
}

void FillText(DrawingStore& store, TextFigure& text, int variant, const Fields& f) {
  const CurrentAttributes& cur = store.current;
  text.textVariant = variant;
  text.ccValue = cur.ccValue;
  text.styleNumber = cur.styleNumber;
  if (cur.styleNumber >= 1 && cur.styleNumber <= kTextStyleCount) {
    const TextStyle& style = store.settings.textStyles[cur.styleNumber - 1];
    text.charWidth = style.width;
    text.charHeight = style.height;
    text.charSpacing = style.spacing;
    text.header.colour = style.colour;
  } else {
    text.charWidth = cur.charWidth;
    text.charHeight = cur.charHeight;
    text.charSpacing = cur.charSpacing;
    text.header.colour = cur.styleColour;
  }
  text.x = ParseFloat(f[1]);
  text.y = ParseFloat(f[2]);
  text.dirX = ParseFloat(f[3]);
  text.dirY = ParseFloat(f[4]);
  text.fontName = cur.fontName;
  text.text.assign(f[5].substr(0, kMaxTextBytes));
}

void StoreText(DrawingStore& store, int variant, const Fields& f) {
  if (store.current.pairMode && variant == 2) {
    LineWithTextFigure& dimension = store.appendLineWithText();
    dimension.line = store.current.heldLine;
    dimension.text.header = dimension.header;
    FillText(store, dimension.text, variant, f);
  } else {
    TextFigure& text = store.appendText();
    FillText(store, text, variant, f);
  }
  EndModes(store);
}

void StoreCircleOrArc(DrawingStore& store, const Fields& f) {
  if (f.count == 4) {
    CircleFigure& c = store.appendCircle();
    c.centreX = ParseFloat(f[1]);
    c.centreY = ParseFloat(f[2]);
    c.radius = ParseFloat(f[3]);
  } else {
    ArcFigure& a = store.appendArc();
    a.centreX = ParseFloat(f[1]);
    a.centreY = ParseFloat(f[2]);
    a.radius = ParseFloat(f[3]);
    a.startAngle = ParseFloat(f[4]);
    a.endAngle = ParseFloat(f[5]);
    a.flatness = ParseFloat(f[6]);
    a.tiltAngle = ParseFloat(f[7]);
  }
  EndModes(store);
}

void StorePoint(DrawingStore& store, const Fields& f) {
  if (f.count == 3) {
    PointFigure& p = store.appendPoint();
    p.header.colour = store.current.pointColour;
    p.x = ParseFloat(f[1]);
    p.y = ParseFloat(f[2]);
  } else {
    ExtendedPointFigure& p = store.appendExtendedPoint();
    p.header.colour = store.current.pointColour;
    p.x = ParseFloat(f[1]);
    p.y = ParseFloat(f[2]);
    p.value3 = ParseFloat(f[3]);
    p.value4 = ParseFloat(f[4]);
    p.code5 = ParseInt(f[5]);
  }
  EndModes(store);
}

void StoreBlock(DrawingStore& store, const Fields& f) {
  BlockFigure& b = store.appendBlock();
  b.x = ParseFloat(f[1]);
  b.y = ParseFloat(f[2]);
  b.blockName.assign(f[3]);
  EndModes(store);
}

void StoreSolidLine(DrawingStore& store, Corner a, Corner b) {
  SolidLineFigure& s = store.appendSolidLine();
  s.solidRgb = store.current.solidRgb;
  s.x1 = a.x, s.y1 = a.y, s.x2 = b.x, s.y2 = b.y;
}

void StoreSolidTriangle(DrawingStore& store, Corner a, Corner b, Corner c) {
  SolidTriangleFigure& s = store.appendSolidTriangle();
  s.solidRgb = store.current.solidRgb;
  s.x1 = a.x, s.y1 = a.y, s.x2 = b.x, s.y2 = b.y, s.x3 = c.x, s.y3 = c.y;
}

void StoreSolidQuad(DrawingStore& store, Corner a, Corner b, Corner c, Corner d) {
  SolidQuadFigure& s = store.appendSolidQuad();
  s.solidRgb = store.current.solidRgb;
  s.x1 = a.x, s.y1 = a.y, s.x2 = b.x, s.y2 = b.y;
  s.x3 = c.x, s.y3 = c.y, s.x4 = d.x, s.y4 = d.y;
}

// Three corners: collapses to a solid line when two neighbours coincide.
void StoreThreeCornerSolid(DrawingStore& store, const Fields& f) {
  Corner p1 = CornerAt(f, 1), p2 = CornerAt(f, 3), p3 = CornerAt(f, 5);
  if (SameCorner(p1, p2)) {
    StoreSolidLine(store, p1, p3);
  } else if (SameCorner(p2, p3)) {
    StoreSolidLine(store, p1, p2);
  } else {
    StoreSolidTriangle(store, p1, p2, p3);
  }
}

// Four corners: the first matching case decides what the solid collapses to.
void StoreFourCornerSolid(DrawingStore& store, const Fields& f) {
  Corner p1 = CornerAt(f, 1), p2 = CornerAt(f, 3), p3 = CornerAt(f, 5), p4 = CornerAt(f, 7);
  bool s12 = SameCorner(p1, p2), s23 = SameCorner(p2, p3), s34 = SameCorner(p3, p4);
  if (s12 && s23) {
    StoreSolidLine(store, p1, p4);
  } else if (s23 && s34) {
    StoreSolidLine(store, p1, p2);
  } else if (s12 && s34) {
    StoreSolidLine(store, p1, p3);
  } else if (SameCorner(p4, p1) || SameCorner(p4, p2) || s34) {
    StoreSolidTriangle(store, p1, p2, p3);
  } else if (SameCorner(p3, p1) || s23) {
    StoreSolidTriangle(store, p1, p2, p4);
  } else if (s12) {
    StoreSolidTriangle(store, p1, p3, p4);
  } else {
    StoreSolidQuad(store, p1, p2, p3, p4);
  }
}

void StoreSolidCurve(DrawingStore& store, FigureKind code, const Fields& f) {
  SolidCurveFigure& s = store.appendSolidCurve(code);
  s.solidRgb = store.current.solidRgb;
  s.centreX = ParseFloat(f[1]);
  s.centreY = ParseFloat(f[2]);
  s.radius = ParseFloat(f[3]);
  s.flatness = ParseFloat(f[4]);
  s.tilt = ParseFloat(f[5]);
  s.start = ParseFloat(f[6]);
  s.sweep = ParseFloat(f[7]);
  if (code == FigureKind::SolidCurveSc || code == FigureKind::SolidCurveSe) {
    s.parameter8Int = ParseInt(f[8]);
  } else {
    s.parameter8Length = ParseFloat(f[8]);
  }
}

FigureKind SolidCurveKindOf(std::string_view f0) {
  if (f0 == "sc") return FigureKind::SolidCurveSc;
  if (f0 == "se") return FigureKind::SolidCurveSe;
  if (f0 == "so") return FigureKind::SolidCurveSo;
  if (f0 == "sg") return FigureKind::SolidCurveSg;
  return FigureKind::Line;  // not a solid curve
}

bool StoreSolid(DrawingStore& store, const Fields& f) {
  std::string_view f0 = f[0];
  if (f0 == "sl") {
    if (f.count == 5) {
      StoreSolidLine(store, CornerAt(f, 1), CornerAt(f, 3));
    } else if (f.count == 7) {
      StoreThreeCornerSolid(store, f);
    } else if (f.count >= 9) {
      StoreFourCornerSolid(store, f);
    } else {
      return false;
    }
  } else {
    FigureKind curve = SolidCurveKindOf(f0);
    if (curve == FigureKind::Line || f.count < 9) return false;
    StoreSolidCurve(store, curve, f);
  }
  EndModes(store);
  return true;
}

void StorePlainLine(DrawingStore& store, const Fields& f) {
  StoreLine(store, ParseFloat(f[0]), ParseFloat(f[1]), ParseFloat(f[2]), ParseFloat(f[3]));
}

}  // namespace

void StoreLine(DrawingStore& store, double x1, double y1, double x2, double y2) {
  CurrentAttributes& cur = store.current;
  if (cur.pairMode) {
    LineFigure held;
    held.header = store.currentHeader();
    held.x1 = x1, held.y1 = y1, held.x2 = x2, held.y2 = y2;
    cur.heldLine = held;
  } else {
    LineFigure& line = store.appendLine();
    line.chainNumber = cur.inChain ? cur.chainCounter : 0;
    line.x1 = x1, line.y1 = y1, line.x2 = x2, line.y2 = y2;
  }
  cur.flags = 0;
}

void ApplyFigureLine(DrawingStore& store, const Fields& f) {
  std::string_view f0 = f[0];
  if (f0 == "ci" && (f.count == 4 || f.count >= 8)) {
    StoreCircleOrArc(store, f);
    return;
  }
  int variant = TextVariantOf(f0);
  if (variant >= 0 && f.count >= 6) {
    StoreText(store, variant, f);
    return;
  }
  if (f0 == "pt" && (f.count == 3 || f.count >= 6)) {
    StorePoint(store, f);
    return;
  }
  if (f0 == "BL" && f.count >= 4) {
    StoreBlock(store, f);
    return;
  }
  if (StoreSolid(store, f)) return;
  if (f.count == 4) StorePlainLine(store, f);
}

}  // namespace zf61
