// EMF files: the records after the header, played into a scene whose frame is the header's
// frame (in 0.01 mm), reached from the reference device the header describes.
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

constexpr uint32_t kHeaderType = 1;
constexpr uint32_t kSignature = 0x464D4520u;  // " EMF"
constexpr uint32_t kStockObject = 0x80000000u;
constexpr double kScreenPixelsPerMm = 96.0 / 25.4;

enum Emf : uint32_t {
  kPolyBezier = 2, kPolygon = 3, kPolyline = 4, kPolyBezierTo = 5, kPolylineTo = 6,
  kPolyPolyline = 7, kPolyPolygon = 8, kSetWindowExtEx = 9, kSetWindowOrgEx = 10,
  kSetViewportExtEx = 11, kSetViewportOrgEx = 12, kEof = 14, kSetPixelV = 15, kSetMapMode = 17,
  kSetBkMode = 18, kSetPolyFillMode = 19, kSetTextAlign = 22, kSetTextColor = 24,
  kSetBkColor = 25, kMoveToEx = 27, kIntersectClipRect = 30, kScaleViewportExtEx = 31,
  kScaleWindowExtEx = 32, kSaveDc = 33, kRestoreDc = 34, kSetWorldTransform = 35,
  kModifyWorldTransform = 36, kSelectObject = 37, kCreatePen = 38, kCreateBrushIndirect = 39,
  kDeleteObject = 40, kEllipse = 42, kRectangle = 43, kRoundRect = 44, kArc = 45, kChord = 46,
  kPie = 47, kCreatePalette = 49, kLineTo = 54, kArcTo = 55, kSetArcDirection = 57,
  kBeginPath = 59, kEndPath = 60, kCloseFigure = 61, kFillPath = 62, kStrokeAndFillPath = 63,
  kStrokePath = 64, kAbortPath = 68, kExtSelectClipRgn = 75, kBitBlt = 76, kStretchBlt = 77,
  kStretchDiBits = 81, kExtCreateFontIndirectW = 82, kExtTextOutW = 84, kPolyBezier16 = 85,
  kPolygon16 = 86, kPolyline16 = 87, kPolyBezierTo16 = 88, kPolylineTo16 = 89,
  kPolyPolyline16 = 90, kPolyPolygon16 = 91, kCreateMonoBrush = 93,
  kCreateDibPatternBrushPt = 94, kExtCreatePen = 95,
};

class EmfPlayer {
 public:
  EmfPlayer(double width, double height, const FrameMapping& mapping)
      : scene_(width, height, mapping) {}

  // False at the end of the metafile.
  bool play(uint32_t type, const RecordBytes& r);
  MetafileScene take() { return scene_.take(); }
  bool full() const { return scene_.full(); }

 private:
  double i32(const RecordBytes& r, size_t at) const { return r.i32(at).value_or(0); }
  ScenePoint pointAt(const RecordBytes& r, size_t at) const { return {i32(r, at), i32(r, at + 4)}; }
  EllipseBox boxAt(const RecordBytes& r, size_t at) const {
    return {i32(r, at), i32(r, at + 4), i32(r, at + 8), i32(r, at + 12)};
  }
  std::vector<ScenePoint> points(const RecordBytes& r, size_t at, size_t count, bool small) const;
  void select(uint32_t index);
  bool polys(uint32_t type, const RecordBytes& r);
  bool shapes(uint32_t type, const RecordBytes& r);
  bool mapping(uint32_t type, const RecordBytes& r);
  bool objects(uint32_t type, const RecordBytes& r);
  void text(const RecordBytes& r);
  void bitmap(uint32_t type, const RecordBytes& r);

  SceneBuilder scene_;
  GdiObjectTable objects_;
};

std::vector<ScenePoint> EmfPlayer::points(const RecordBytes& r, size_t at, size_t count,
                                          bool small) const {
  std::vector<ScenePoint> out;
  size_t size = small ? 4 : 8;
  if (count > r.size() / size || !r.has(at, count * size)) return out;
  out.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    size_t p = at + i * size;
    if (small) out.push_back({static_cast<double>(*r.i16(p)), static_cast<double>(*r.i16(p + 2))});
    else out.push_back({i32(r, p), i32(r, p + 4)});
  }
  return out;
}

GdiObject StockObject(uint32_t which) {
  switch (which) {
    case 0: case 18: return LogicalBrush{FillStyle::Solid, 0xFFFFFF, 0};
    case 1: return LogicalBrush{FillStyle::Solid, 0xC0C0C0, 0};
    case 2: return LogicalBrush{FillStyle::Solid, 0x808080, 0};
    case 3: return LogicalBrush{FillStyle::Solid, 0x404040, 0};
    case 4: return LogicalBrush{FillStyle::Solid, 0x000000, 0};
    case 5: return LogicalBrush{FillStyle::None, 0, 0};
    case 6: return LogicalPen{LineStyle::Solid, 0.0, 0xFFFFFF};
    case 7: case 19: return LogicalPen{LineStyle::Solid, 0.0, 0x000000};
    case 8: return LogicalPen{LineStyle::None, 0.0, 0};
    default: return which >= 10 && which <= 17 ? GdiObject(LogicalFont{}) : GdiObject();
  }
}

void EmfPlayer::select(uint32_t index) {
  if (index & kStockObject) {
    scene_.select(StockObject(index & ~kStockObject));
  } else if (const GdiObject* object = objects_.at(index)) {
    scene_.select(*object);
  }
}

bool EmfPlayer::polys(uint32_t type, const RecordBytes& r) {
  bool small = type >= kPolyBezier16;
  uint32_t kind = small ? type - kPolyBezier16 + kPolyBezier : type;
  if (kind == kPolyPolyline || kind == kPolyPolygon) {
    size_t count = r.u32(24).value_or(0);
    if (count > r.size() / 4) return true;
    size_t at = 32 + 4 * count;
    std::vector<std::vector<ScenePoint>> all;
    for (size_t i = 0; i < count; ++i) {
      size_t n = r.u32(32 + 4 * i).value_or(0);
      all.push_back(points(r, at, n, small));
      at += n * (small ? 4 : 8);
      if (kind == kPolyPolyline) scene_.polyline(all.back(), false);
    }
    if (kind == kPolyPolygon) scene_.polyPolygon(all);
    return true;
  }
  std::vector<ScenePoint> pts = points(r, 28, r.u32(24).value_or(0), small);
  switch (kind) {
    case kPolyBezier: scene_.bezier(pts, false); break;
    case kPolygon: scene_.polygon(pts); break;
    case kPolyline: scene_.polyline(pts, false); break;
    case kPolyBezierTo: scene_.bezier(pts, true); break;
    case kPolylineTo: scene_.polyline(pts, true); break;
    default: return false;
  }
  return true;
}

bool EmfPlayer::shapes(uint32_t type, const RecordBytes& r) {
  switch (type) {
    case kMoveToEx: scene_.moveTo(pointAt(r, 8)); break;
    case kLineTo: scene_.lineTo(pointAt(r, 8)); break;
    case kRectangle: scene_.rectangle(boxAt(r, 8)); break;
    case kEllipse: scene_.ellipse(boxAt(r, 8)); break;
    case kRoundRect: scene_.roundRect(boxAt(r, 8), i32(r, 24), i32(r, 28)); break;
    case kArc: case kChord: case kPie: case kArcTo: {
      ArcKind kind = type == kArc ? ArcKind::Arc : type == kChord ? ArcKind::Chord
                     : type == kPie ? ArcKind::Pie : ArcKind::ArcTo;
      scene_.arc(kind, boxAt(r, 8), pointAt(r, 24), pointAt(r, 32));
      break;
    }
    case kSetPixelV: {
      ScenePoint p = pointAt(r, 8);
      scene_.fillRect({p.x, p.y, p.x + 1, p.y + 1}, RgbOfColorRef(r.u32(16).value_or(0)));
      break;
    }
    case kBeginPath: scene_.beginPath(); break;
    case kEndPath: scene_.endPath(); break;
    case kAbortPath: scene_.abortPath(); break;
    case kCloseFigure: scene_.closeFigure(); break;
    case kFillPath: scene_.drawPath(false, true); break;
    case kStrokePath: scene_.drawPath(true, false); break;
    case kStrokeAndFillPath: scene_.drawPath(true, true); break;
    case kIntersectClipRect: scene_.intersectClip(boxAt(r, 8)); break;
    case kExtSelectClipRgn:
      if (r.u32(12) == 5u) scene_.resetClip();  // a copy of no region: no clipping
      break;
    default: return polys(type, r);
  }
  return true;
}

Affine XformAt(const RecordBytes& r, size_t at) {
  auto f = [&](size_t i) { return static_cast<double>(r.f32(at + 4 * i).value_or(0.0f)); };
  return {f(0), f(1), f(2), f(3), f(4), f(5)};
}

bool EmfPlayer::mapping(uint32_t type, const RecordBytes& r) {
  DcState& s = scene_.state();
  switch (type) {
    case kSetWindowExtEx: s.windowExt = pointAt(r, 8); break;
    case kSetWindowOrgEx: s.windowOrg = pointAt(r, 8); break;
    case kSetViewportExtEx: s.viewportExt = pointAt(r, 8); break;
    case kSetViewportOrgEx: s.viewportOrg = pointAt(r, 8); break;
    case kSetMapMode: {
      uint32_t mode = r.u32(8).value_or(1);
      if (mode >= 1 && mode <= 8) s.mapMode = static_cast<MapMode>(mode);
      break;
    }
    case kScaleViewportExtEx: case kScaleWindowExtEx: {
      ScenePoint& ext = type == kScaleWindowExtEx ? s.windowExt : s.viewportExt;
      if (i32(r, 12) != 0 && i32(r, 20) != 0) {
        ext.x = ext.x * i32(r, 8) / i32(r, 12);
        ext.y = ext.y * i32(r, 16) / i32(r, 20);
      }
      break;
    }
    case kSetWorldTransform: s.world = XformAt(r, 8); break;
    case kModifyWorldTransform: {
      Affine x = XformAt(r, 8);
      uint32_t mode = r.u32(32).value_or(0);
      if (mode == 1) s.world = Affine();
      if (mode == 2) s.world = x.then(s.world);
      if (mode == 3) s.world = s.world.then(x);
      if (mode == 4) s.world = x;
      break;
    }
    default: return false;
  }
  scene_.mappingChanged();
  return true;
}

bool EmfPlayer::objects(uint32_t type, const RecordBytes& r) {
  uint32_t index = r.u32(8).value_or(kStockObject);
  switch (type) {
    case kSelectObject: select(index); break;
    case kDeleteObject: objects_.remove(index); break;
    case kCreatePen:
      objects_.put(index, LogicalPen{LineStyleOf(r.u32(12).value_or(0)), std::fabs(i32(r, 16)),
                                  RgbOfColorRef(r.u32(24).value_or(0))});
      break;
    case kExtCreatePen: {
      uint32_t style = r.u32(28).value_or(0);
      bool geometric = (style & 0x00010000u) != 0;
      double width = geometric ? std::fabs(i32(r, 32)) : 0.0;
      LogicalPen pen{LineStyleOf(style), width, RgbOfColorRef(r.u32(40).value_or(0))};
      if (r.u32(36) == 1u) pen.style = LineStyle::None;  // drawn with the null brush
      objects_.put(index, pen);
      break;
    }
    case kCreateBrushIndirect:
      objects_.put(index, BrushOf(r.u32(12).value_or(0), r.u32(16).value_or(0),
                               r.u32(20).value_or(0)));
      break;
    case kCreateMonoBrush: case kCreateDibPatternBrushPt:
      objects_.put(index, BrushOf(5, 0, 0));
      break;
    case kCreatePalette: objects_.put(index, std::monostate{}); break;
    case kExtCreateFontIndirectW: {
      LogicalFont font;
      font.height = i32(r, 12);
      font.escapement = i32(r, 20);
      font.weight = static_cast<int>(i32(r, 28));
      std::string_view flags = r.slice(32, 3);
      font.italic = flags.size() == 3 && flags[0] != '\0';
      font.underline = flags.size() == 3 && flags[1] != '\0';
      font.strikeOut = flags.size() == 3 && flags[2] != '\0';
      std::string_view face = r.slice(40, 64);
      for (size_t i = 0; i + 1 < face.size() && (face[i] != '\0' || face[i + 1] != '\0'); i += 2) {
        font.face.append(face.substr(i, 2));
      }
      objects_.put(index, font);
      break;
    }
    default: return false;
  }
  return true;
}

void EmfPlayer::text(const RecordBytes& r) {
  size_t chars = r.u32(44).value_or(0), at = r.u32(48).value_or(0);
  uint32_t options = r.u32(52).value_or(0);
  std::optional<EllipseBox> opaque;
  if (options & 0x0002) opaque = boxAt(r, 56);
  if (chars > r.size() / 2) return;
  scene_.text(pointAt(r, 36), std::string(r.slice(at, 2 * chars)), true, opaque);
}

void EmfPlayer::bitmap(uint32_t type, const RecordBytes& r) {
  bool dibits = type == kStretchDiBits;
  size_t infoAt = dibits ? 48 : 84;
  uint32_t rop = r.u32(dibits ? 68 : 40).value_or(0);
  double x = i32(r, 24), y = i32(r, 28);
  double w = i32(r, dibits ? 72 : 32), h = i32(r, dibits ? 76 : 36);
  std::string_view info = r.slice(r.u32(infoAt).value_or(0), r.u32(infoAt + 4).value_or(0));
  std::string_view bits = r.slice(r.u32(infoAt + 8).value_or(0), r.u32(infoAt + 12).value_or(0));
  if (info.empty()) {
    scene_.blitWithoutSource({x, y, x + w, y + h}, rop);
    return;
  }
  std::optional<DibFile> dib = DibToBmp(info, bits);
  if (!dib || bits.empty()) return;
  double sx = i32(r, dibits ? 32 : 44), sy = i32(r, dibits ? 36 : 48);
  double sw = dibits ? i32(r, 40) : type == kStretchBlt ? i32(r, 100) : w;
  double sh = dibits ? i32(r, 44) : type == kStretchBlt ? i32(r, 104) : h;
  SceneRect source = DibSourceRect(*dib, sx, sy, sw, sh, dibits);
  scene_.image(std::move(dib->bmp), source, {x, y, x + w, y + h}, BlendOfRop(rop));
}

bool EmfPlayer::play(uint32_t type, const RecordBytes& r) {
  DcState& s = scene_.state();
  switch (type) {
    case kEof: return false;
    case kSaveDc: scene_.save(); break;
    case kRestoreDc: scene_.restore(static_cast<int>(i32(r, 8))); break;
    case kSetBkMode: s.opaqueBackground = r.u32(8) == 2u; break;
    case kSetPolyFillMode: s.evenOdd = r.u32(8) != 2u; break;
    case kSetTextAlign: s.textAlign = static_cast<int>(r.u32(8).value_or(0)); break;
    case kSetTextColor: s.textRgb = RgbOfColorRef(r.u32(8).value_or(0)); break;
    case kSetBkColor: s.backgroundRgb = RgbOfColorRef(r.u32(8).value_or(0)); break;
    case kSetArcDirection: s.clockwise = r.u32(8) == 2u; break;
    case kExtTextOutW: text(r); break;
    case kBitBlt: case kStretchBlt: case kStretchDiBits: bitmap(type, r); break;
    default:
      if (!mapping(type, r) && !objects(type, r)) shapes(type, r);
  }
  return true;
}

FrameMapping MappingOf(const RecordBytes& h) {
  double left = h.i32(24).value_or(0), top = h.i32(28).value_or(0);
  double devX = h.i32(72).value_or(0), devY = h.i32(76).value_or(0);
  double mmX = h.i32(80).value_or(0), mmY = h.i32(84).value_or(0);
  FrameMapping m;
  m.pixelsPerMmX = devX > 0 && mmX > 0 ? devX / mmX : kScreenPixelsPerMm;
  m.pixelsPerMmY = devY > 0 && mmY > 0 ? devY / mmY : kScreenPixelsPerMm;
  // Reference pixels to the frame's 0.01 mm, counted from its top left.
  double sx = 100.0 / m.pixelsPerMmX, sy = 100.0 / m.pixelsPerMmY;
  m.deviceToFrame = {sx, 0.0, 0.0, sy, -left, -top};
  return m;
}

}  // namespace

std::optional<MetafileScene> ReadEmf(std::string_view bytes) {
  RecordBytes file(bytes);
  if (file.u32(0) != kHeaderType || file.u32(40) != kSignature) return std::nullopt;
  auto field = [&](size_t at) { return static_cast<double>(file.i32(at).value_or(0)); };
  double width = field(32) - field(24), height = field(36) - field(28);
  if (!(width > 0) || !(height > 0)) return std::nullopt;
  size_t headerSize = file.u32(4).value_or(0);
  EmfPlayer player(width, height, MappingOf(file));
  for (size_t at = headerSize; at >= 8 && file.has(at, 8) && !player.full();) {
    uint32_t type = *file.u32(at);
    size_t size = *file.u32(at + 4);
    if (size < 8 || size % 4 != 0 || size > bytes.size() - at) break;
    if (!player.play(type, RecordBytes(bytes.substr(at, size)))) break;
    at += size;
  }
  return player.take();
}

}  // namespace zf61
