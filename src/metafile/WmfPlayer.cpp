// Placeable WMF files: the records after the placeable and standard headers, played into a
// scene whose frame is the placeable header's box. The metafile's window fills the frame.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "metafile/DibBitmap.h"
#include "metafile/MetafilePlayers.h"
#include "metafile/RecordBytes.h"
#include "metafile/SceneBuilder.h"

namespace zf61 {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr size_t kPlaceableSize = 22;

enum Wmf : uint16_t {
  kEof = 0x0000, kSaveDc = 0x001E, kSetBkMode = 0x0102, kSetPolyFillMode = 0x0106,
  kRestoreDc = 0x0127, kSelectObject = 0x012D, kSetTextAlign = 0x012E,
  kDibCreatePatternBrush = 0x0142, kDeleteObject = 0x01F0, kSetBkColor = 0x0201,
  kSetTextColor = 0x0209, kSetWindowOrg = 0x020B, kSetWindowExt = 0x020C,
  kOffsetWindowOrg = 0x020F, kLineTo = 0x0213, kMoveTo = 0x0214, kCreatePenIndirect = 0x02FA,
  kCreateFontIndirect = 0x02FB, kCreateBrushIndirect = 0x02FC, kPolygon = 0x0324,
  kPolyline = 0x0325, kScaleWindowExt = 0x0410, kIntersectClipRect = 0x0416, kEllipse = 0x0418,
  kRectangle = 0x041B, kSetPixel = 0x041F, kTextOut = 0x0521, kPolyPolygon = 0x0538,
  kRoundRect = 0x061C, kPatBlt = 0x061D, kArc = 0x0817, kPie = 0x081A, kChord = 0x0830,
  kDibBitBlt = 0x0940, kExtTextOut = 0x0A32, kDibStretchBlt = 0x0B41, kStretchDib = 0x0F43,
};

bool ByteSet(const RecordBytes& r, size_t at) {
  std::string_view b = r.slice(at, 1);
  return !b.empty() && b[0] != '\0';
}

class WmfPlayer {
 public:
  WmfPlayer(double width, double height, ScenePoint origin)
      : scene_(width, height, FrameMapping{true, {}, 1.0, 1.0}) {
    scene_.state().windowOrg = origin;
    scene_.mappingChanged();
  }

  // False at the end of the metafile.
  bool play(uint16_t function, const RecordBytes& r);
  MetafileScene take() { return scene_.take(); }
  bool full() const { return scene_.full(); }

 private:
  // The i-th 16-bit parameter; coordinates come last parameter first.
  double p(const RecordBytes& r, size_t i) const { return r.i16(6 + 2 * i).value_or(0); }
  ScenePoint pointAt(const RecordBytes& r, size_t i) const { return {p(r, i + 1), p(r, i)}; }
  EllipseBox boxAt(const RecordBytes& r, size_t i) const {
    return {p(r, i + 3), p(r, i + 2), p(r, i + 1), p(r, i)};
  }
  std::vector<ScenePoint> points(const RecordBytes& r, size_t at, size_t count) const;
  void select(size_t index);
  void mapping(uint16_t function, const RecordBytes& r);
  void shapes(uint16_t function, const RecordBytes& r);
  void text(uint16_t function, const RecordBytes& r);
  void bitmap(uint16_t function, const RecordBytes& r);

  SceneBuilder scene_;
  GdiObjectTable objects_;
};

std::vector<ScenePoint> WmfPlayer::points(const RecordBytes& r, size_t at, size_t count) const {
  std::vector<ScenePoint> out;
  if (!r.has(at, count * 4)) return out;
  out.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    out.push_back({static_cast<double>(*r.i16(at + 4 * i)),
                   static_cast<double>(*r.i16(at + 4 * i + 2))});
  }
  return out;
}

void WmfPlayer::select(size_t index) {
  if (const GdiObject* object = objects_.at(index)) scene_.select(*object);
}

void WmfPlayer::mapping(uint16_t function, const RecordBytes& r) {
  DcState& s = scene_.state();
  if (function == kSetWindowOrg) s.windowOrg = pointAt(r, 0);
  if (function == kSetWindowExt) s.windowExt = pointAt(r, 0);
  if (function == kOffsetWindowOrg) {
    s.windowOrg.x += p(r, 1);
    s.windowOrg.y += p(r, 0);
  }
  if (function == kScaleWindowExt && p(r, 0) != 0 && p(r, 2) != 0) {
    s.windowExt.x = s.windowExt.x * p(r, 3) / p(r, 2);
    s.windowExt.y = s.windowExt.y * p(r, 1) / p(r, 0);
  }
  scene_.mappingChanged();
}

void WmfPlayer::shapes(uint16_t function, const RecordBytes& r) {
  switch (function) {
    case kMoveTo: scene_.moveTo(pointAt(r, 0)); break;
    case kLineTo: scene_.lineTo(pointAt(r, 0)); break;
    case kRectangle: scene_.rectangle(boxAt(r, 0)); break;
    case kEllipse: scene_.ellipse(boxAt(r, 0)); break;
    case kRoundRect: scene_.roundRect(boxAt(r, 2), p(r, 1), p(r, 0)); break;
    case kArc: case kPie: case kChord: {
      ArcKind kind = function == kArc ? ArcKind::Arc : function == kPie ? ArcKind::Pie
                                                                         : ArcKind::Chord;
      scene_.arc(kind, boxAt(r, 4), pointAt(r, 2), pointAt(r, 0));
      break;
    }
    case kPolygon: case kPolyline: {
      size_t count = r.u16(6).value_or(0);
      std::vector<ScenePoint> pts = points(r, 8, count);
      if (function == kPolygon) scene_.polygon(pts);
      else scene_.polyline(pts, false);
      break;
    }
    case kPolyPolygon: {
      size_t polygons = r.u16(6).value_or(0);
      size_t at = 8 + 2 * polygons;
      std::vector<std::vector<ScenePoint>> all;
      for (size_t i = 0; i < polygons && r.has(at, 0); ++i) {
        size_t count = r.u16(8 + 2 * i).value_or(0);
        all.push_back(points(r, at, count));
        at += 4 * count;
      }
      scene_.polyPolygon(all);
      break;
    }
    case kSetPixel:
      scene_.fillRect({p(r, 3), p(r, 2), p(r, 3) + 1, p(r, 2) + 1},
                      RgbOfColorRef(r.u32(6).value_or(0)));
      break;
    case kPatBlt:
      scene_.blitWithoutSource({p(r, 5), p(r, 4), p(r, 5) + p(r, 3), p(r, 4) + p(r, 2)},
                               r.u32(6).value_or(0));
      break;
    default: break;
  }
}

void WmfPlayer::text(uint16_t function, const RecordBytes& r) {
  if (function == kTextOut) {
    size_t count = r.u16(6).value_or(0);
    size_t after = 8 + (count + 1) / 2 * 2;  // the string is padded to whole words
    ScenePoint at{static_cast<double>(r.i16(after + 2).value_or(0)),
                  static_cast<double>(r.i16(after).value_or(0))};
    scene_.text(at, std::string(r.slice(8, count)), false, std::nullopt);
    return;
  }
  size_t count = r.u16(10).value_or(0);
  uint16_t options = r.u16(12).value_or(0);
  std::optional<EllipseBox> opaque;
  size_t at = 14;
  if (options & 0x0006) {  // a rectangle follows: opaque and/or clipped
    EllipseBox box{p(r, 4), p(r, 5), p(r, 6), p(r, 7)};
    if (options & 0x0002) opaque = box;
    at += 8;
  }
  scene_.text(pointAt(r, 0), std::string(r.slice(at, count)), false, opaque);
}

void WmfPlayer::bitmap(uint16_t function, const RecordBytes& r) {
  ImageBlend blend = BlendOfRop(r.u32(6).value_or(0));
  // Parameter indices of: source y, x, height, width, then target y, x, height, width.
  size_t first = function == kStretchDib ? 3 : 2;
  size_t dibAt = function == kStretchDib ? 28 : function == kDibStretchBlt ? 26 : 22;
  std::optional<DibFile> dib = DibToBmp(r.slice(dibAt, r.size() - std::min(r.size(), dibAt)));
  if (!dib) return;
  double sx, sy, sw, sh, tx, ty, tw, th;
  if (function == kDibBitBlt) {
    sy = p(r, 2), sx = p(r, 3), th = sh = p(r, 4), tw = sw = p(r, 5), ty = p(r, 6), tx = p(r, 7);
  } else {
    sh = p(r, first), sw = p(r, first + 1), sy = p(r, first + 2), sx = p(r, first + 3);
    th = p(r, first + 4), tw = p(r, first + 5), ty = p(r, first + 6), tx = p(r, first + 7);
  }
  SceneRect source = DibSourceRect(*dib, sx, sy, sw, sh, function == kStretchDib);
  scene_.image(std::move(dib->bmp), source, {tx, ty, tx + tw, ty + th}, blend);
}

bool WmfPlayer::play(uint16_t function, const RecordBytes& r) {
  DcState& s = scene_.state();
  switch (function) {
    case kEof: return false;
    case kSaveDc: scene_.save(); break;
    case kRestoreDc: scene_.restore(static_cast<int>(p(r, 0))); break;
    case kSetBkMode: s.opaqueBackground = p(r, 0) == 2; break;
    case kSetPolyFillMode: s.evenOdd = p(r, 0) != 2; break;
    case kSetTextAlign: s.textAlign = r.u16(6).value_or(0); break;
    case kSetBkColor: s.backgroundRgb = RgbOfColorRef(r.u32(6).value_or(0)); break;
    case kSetTextColor: s.textRgb = RgbOfColorRef(r.u32(6).value_or(0)); break;
    case kSelectObject: select(r.u16(6).value_or(0xFFFF)); break;
    case kDeleteObject: objects_.remove(r.u16(6).value_or(0xFFFF)); break;
    case kCreatePenIndirect: {
      uint16_t style = r.u16(6).value_or(0);
      uint32_t colour = RgbOfColorRef(r.u32(12).value_or(0));
      objects_.putInLowestFree(LogicalPen{LineStyleOf(style), std::fabs(p(r, 1)), colour});
      break;
    }
    case kCreateBrushIndirect:
      objects_.putInLowestFree(
          BrushOf(r.u16(6).value_or(0), r.u32(8).value_or(0), r.u16(12).value_or(0)));
      break;
    case kDibCreatePatternBrush: objects_.putInLowestFree(BrushOf(5, 0, 0)); break;
    case kCreateFontIndirect: {
      LogicalFont font;
      font.height = p(r, 0);
      font.escapement = p(r, 2);
      font.weight = static_cast<int>(p(r, 4));
      font.italic = ByteSet(r, 16);
      font.underline = ByteSet(r, 17);
      font.strikeOut = ByteSet(r, 18);
      std::string_view face = r.slice(24, std::min<size_t>(32, r.size() > 24 ? r.size() - 24 : 0));
      font.face = std::string(face.substr(0, face.find('\0')));
      objects_.putInLowestFree(font);
      break;
    }
    case kSetWindowOrg: case kSetWindowExt: case kOffsetWindowOrg: case kScaleWindowExt:
      mapping(function, r);
      break;
    case kIntersectClipRect: scene_.intersectClip(boxAt(r, 0)); break;
    case kTextOut: case kExtTextOut: text(function, r); break;
    case kStretchDib: case kDibStretchBlt: case kDibBitBlt: bitmap(function, r); break;
    default:
      // Records that create an object this player does not draw still take their slot.
      if (function == 0x00F7 || function == 0x01F9 || function == 0x06FF) {
        objects_.putInLowestFree(std::monostate{});
      } else {
        shapes(function, r);
      }
  }
  return true;
}

int16_t I16At(std::string_view b, size_t at) {
  return RecordBytes(b).i16(at).value_or(0);
}

}  // namespace

std::optional<MetafileScene> ReadWmf(std::string_view bytes) {
  RecordBytes file(bytes);
  if (file.u32(0) != kPlaceableKey || !file.has(0, kPlaceableSize + 18)) return std::nullopt;
  double left = I16At(bytes, 6), top = I16At(bytes, 8);
  double width = I16At(bytes, 10) - left, height = I16At(bytes, 12) - top;
  if (!(width > 0) || !(height > 0)) return std::nullopt;
  size_t headerWords = file.u16(kPlaceableSize + 2).value_or(0);
  WmfPlayer player(width, height, {left, top});
  for (size_t at = kPlaceableSize + 2 * headerWords; file.has(at, 6) && !player.full();) {
    size_t words = file.u32(at).value_or(0);
    if (words < 3 || words > (bytes.size() - at) / 2) break;
    RecordBytes record(bytes.substr(at, 2 * words));
    if (!player.play(*record.u16(4), record)) break;
    at += 2 * words;
  }
  return player.take();
}

}  // namespace zf61
