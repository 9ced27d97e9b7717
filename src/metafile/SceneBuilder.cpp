// The drawing records of both metafile kinds, as paths, texts and bitmaps in frame units.
#include "metafile/SceneBuilder.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zf61 {
namespace {

constexpr double kFullTurn = 6.283185307179586;
constexpr double kQuarterTurn = kFullTurn / 4;
constexpr size_t kMaxItems = size_t{1} << 20;
constexpr size_t kMaxPoints = size_t{1} << 22;
constexpr size_t kMaxSavedStates = 4096;
// The size of the font a metafile selects with height 0, in its logical units.
constexpr double kDefaultFontHeight = 12.0;

double MillimetresPerUnit(MapMode mode) {
  switch (mode) {
    case MapMode::LoMetric: return 0.1;
    case MapMode::HiMetric: return 0.01;
    case MapMode::LoEnglish: return 0.254;
    case MapMode::HiEnglish: return 0.0254;
    case MapMode::Twips: return 25.4 / 1440;
    default: return 0.0;
  }
}

double Ratio(double num, double den) {
  return den == 0.0 ? 1.0 : num / den;
}

bool Finite(const ScenePath& path) {
  return std::all_of(path.points.begin(), path.points.end(),
                     [](ScenePoint p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

void Add(ScenePath& path, PathVerb verb, ScenePoint p) {
  path.verbs.push_back(verb);
  path.points.push_back(p);
}

}  // namespace

SceneBuilder::SceneBuilder(double width, double height, FrameMapping mapping)
    : mapping_(mapping) {
  scene_.width = width;
  scene_.height = height;
  if (mapping_.windowFillsFrame) state_.windowExt = {width, height};
  mappingChanged();
}

Affine SceneBuilder::pageMapping() const {
  const DcState& s = state_;
  double sx = 1.0, sy = 1.0;
  ScenePoint viewportOrg = s.viewportOrg;
  if (mapping_.windowFillsFrame) {
    sx = Ratio(scene_.width, s.windowExt.x);
    sy = Ratio(scene_.height, s.windowExt.y);
    viewportOrg = {0.0, 0.0};
  } else if (double mm = MillimetresPerUnit(s.mapMode); mm > 0.0) {
    sx = mm * mapping_.pixelsPerMmX;
    sy = -mm * mapping_.pixelsPerMmY;  // these modes count upwards
  } else if (s.mapMode == MapMode::Isotropic || s.mapMode == MapMode::Anisotropic) {
    sx = Ratio(s.viewportExt.x, s.windowExt.x);
    sy = Ratio(s.viewportExt.y, s.windowExt.y);
    if (s.mapMode == MapMode::Isotropic) {
      double m = std::min(std::fabs(sx), std::fabs(sy));
      sx = std::copysign(m, sx);
      sy = std::copysign(m, sy);
    }
  }
  return {sx, 0.0, 0.0, sy, viewportOrg.x - s.windowOrg.x * sx, viewportOrg.y - s.windowOrg.y * sy};
}

void SceneBuilder::mappingChanged() {
  toFrame_ = state_.world.then(pageMapping()).then(mapping_.deviceToFrame);
}

void SceneBuilder::select(const GdiObject& object) {
  if (auto* pen = std::get_if<LogicalPen>(&object)) state_.pen = *pen;
  if (auto* brush = std::get_if<LogicalBrush>(&object)) state_.brush = *brush;
  if (auto* font = std::get_if<LogicalFont>(&object)) state_.font = *font;
}

void SceneBuilder::save() {
  if (saved_.size() < kMaxSavedStates) saved_.push_back(state_);
}

void SceneBuilder::restore(int which) {
  size_t keep;
  if (which < 0) {
    size_t back = static_cast<size_t>(-static_cast<int64_t>(which));
    if (back > saved_.size()) return;
    keep = saved_.size() - back;
  } else {
    if (which == 0 || static_cast<size_t>(which) > saved_.size()) return;
    keep = static_cast<size_t>(which) - 1;
  }
  state_ = saved_[keep];
  saved_.resize(keep);
  mappingChanged();
}

void SceneBuilder::moveTo(ScenePoint p) {
  state_.current = toFrame(p);
  if (inBracket_) Add(bracket_, PathVerb::Move, state_.current);
}

void SceneBuilder::startAtCurrent(ScenePath& path) const {
  // Within a path bracket, drawing on from where the last figure ended continues that figure.
  bool continues = inBracket_ && !bracket_.empty() && bracket_.verbs.back() != PathVerb::Close;
  if (!continues) Add(path, PathVerb::Move, state_.current);
}

void SceneBuilder::lineTo(ScenePoint p) {
  polyline({p}, true);
}

void SceneBuilder::polyline(const std::vector<ScenePoint>& points, bool fromCurrent) {
  if (points.empty() || (!fromCurrent && points.size() < 2)) return;
  ScenePath path;
  size_t first = 0;
  if (fromCurrent) {
    startAtCurrent(path);
  } else {
    Add(path, PathVerb::Move, toFrame(points[0]));
    first = 1;
  }
  for (size_t i = first; i < points.size(); ++i) Add(path, PathVerb::Line, toFrame(points[i]));
  if (fromCurrent) state_.current = path.points.back();
  finish(std::move(path), true, false);
}

void SceneBuilder::polyPolygon(const std::vector<std::vector<ScenePoint>>& polygons) {
  ScenePath path;
  for (const auto& polygon : polygons) {
    if (polygon.size() < 2) continue;
    Add(path, PathVerb::Move, toFrame(polygon[0]));
    for (size_t i = 1; i < polygon.size(); ++i) Add(path, PathVerb::Line, toFrame(polygon[i]));
    Add(path, PathVerb::Close, path.points.back());
  }
  finish(std::move(path), true, true);
}

void SceneBuilder::bezier(const std::vector<ScenePoint>& points, bool fromCurrent) {
  size_t first = fromCurrent ? 0 : 1;
  if (points.size() < first + 3) return;
  ScenePath path;
  if (fromCurrent) startAtCurrent(path);
  else Add(path, PathVerb::Move, toFrame(points[0]));
  for (size_t i = first; i + 2 < points.size(); i += 3) {
    path.verbs.push_back(PathVerb::Cubic);
    for (size_t k = 0; k < 3; ++k) path.points.push_back(toFrame(points[i + k]));
  }
  if (fromCurrent) state_.current = path.points.back();
  finish(std::move(path), true, false);
}

void SceneBuilder::rectangle(const EllipseBox& b) {
  polygon({{b.left, b.top}, {b.right, b.top}, {b.right, b.bottom}, {b.left, b.bottom}});
}

void SceneBuilder::fillRect(const EllipseBox& b, uint32_t rgb) {
  DcState kept = state_;
  state_.pen.style = LineStyle::None;
  state_.brush = LogicalBrush{FillStyle::Solid, rgb, 0};
  rectangle(b);
  state_ = kept;
}

void SceneBuilder::blitWithoutSource(const EllipseBox& box, uint32_t rop) {
  if (rop == 0x00F00021u) fillRect(box, state_.brush.rgb);  // PATCOPY
  if (rop == 0x00000042u) fillRect(box, 0x000000);          // BLACKNESS
  if (rop == 0x00FF0062u) fillRect(box, 0xFFFFFF);          // WHITENESS
}

void SceneBuilder::roundRect(const EllipseBox& b, double cornerWidth, double cornerHeight) {
  double left = std::min(b.left, b.right), right = std::max(b.left, b.right);
  double top = std::min(b.top, b.bottom), bottom = std::max(b.top, b.bottom);
  double rx = std::min(std::fabs(cornerWidth), right - left) / 2;
  double ry = std::min(std::fabs(cornerHeight), bottom - top) / 2;
  ScenePath path;
  Add(path, PathVerb::Move, toFrame({left + rx, top}));
  // Clockwise as seen: the top edge, then each corner a quarter turn back.
  const EllipseBox corners[] = {{right - 2 * rx, top, right, top + 2 * ry},
                                {right - 2 * rx, bottom - 2 * ry, right, bottom},
                                {left, bottom - 2 * ry, left + 2 * rx, bottom},
                                {left, top, left + 2 * rx, top + 2 * ry}};
  const ScenePoint edgeEnds[] = {{right - rx, top}, {right, bottom - ry}, {left + rx, bottom},
                                 {left, top + ry}};
  for (int i = 0; i < 4; ++i) {
    Add(path, PathVerb::Line, toFrame(edgeEnds[i]));
    addArc(path, corners[i], kQuarterTurn * (1 - i), -kQuarterTurn);
  }
  Add(path, PathVerb::Close, path.points.back());
  finish(std::move(path), true, true);
}

void SceneBuilder::ellipse(const EllipseBox& box) {
  ScenePath path;
  Add(path, PathVerb::Move, toFrame(EllipsePoint(box, 0.0)));
  addArc(path, box, 0.0, kFullTurn);
  Add(path, PathVerb::Close, path.points.back());
  finish(std::move(path), true, true);
}

double SceneBuilder::sweepBetween(const EllipseBox& box, ScenePoint start, ScenePoint end) const {
  double from = EllipseAngleToward(box, start), to = EllipseAngleToward(box, end);
  double sweep = std::fmod(to - from, kFullTurn);
  if (sweep <= 0.0) sweep += kFullTurn;  // the same radial twice: the whole ellipse
  // The direction holds as seen on the frame, also where the mapping turns y upwards.
  bool clockwise = state_.clockwise != (toFrame_.determinant() < 0.0);
  return clockwise ? sweep - kFullTurn : sweep;
}

void SceneBuilder::arc(ArcKind kind, const EllipseBox& box, ScenePoint start, ScenePoint end) {
  double from = EllipseAngleToward(box, start);
  double sweep = sweepBetween(box, start, end);
  ScenePoint first = toFrame(EllipsePoint(box, from));
  ScenePath path;
  if (kind == ArcKind::Pie) {
    Add(path, PathVerb::Move, toFrame({box.centreX(), box.centreY()}));
    Add(path, PathVerb::Line, first);
  } else if (kind == ArcKind::ArcTo) {
    startAtCurrent(path);
    Add(path, PathVerb::Line, first);
  } else {
    Add(path, PathVerb::Move, first);
  }
  addArc(path, box, from, sweep);
  bool closed = kind == ArcKind::Chord || kind == ArcKind::Pie;
  if (closed) Add(path, PathVerb::Close, path.points.back());
  if (kind == ArcKind::ArcTo) state_.current = path.points.back();
  finish(std::move(path), true, closed);
}

void SceneBuilder::addArc(ScenePath& path, const EllipseBox& box, double start, double sweep) {
  for (const ArcPiece& piece : ArcPieces(box, start, sweep)) {
    path.verbs.push_back(PathVerb::Cubic);
    path.points.push_back(toFrame(piece.control1));
    path.points.push_back(toFrame(piece.control2));
    path.points.push_back(toFrame(piece.end));
  }
}

void SceneBuilder::beginPath() {
  bracket_ = ScenePath();
  inBracket_ = true;
}

void SceneBuilder::abortPath() {
  bracket_ = ScenePath();
  inBracket_ = false;
}

void SceneBuilder::closeFigure() {
  if (inBracket_ && !bracket_.empty()) Add(bracket_, PathVerb::Close, bracket_.points.back());
}

void SceneBuilder::drawPath(bool stroke, bool fill) {
  inBracket_ = false;
  ScenePath path = std::move(bracket_);
  bracket_ = ScenePath();
  finish(std::move(path), stroke, fill);
}

void SceneBuilder::finish(ScenePath&& path, bool stroke, bool fill) {
  if (path.empty() || !Finite(path)) return;
  if (inBracket_) {
    bracket_.verbs.insert(bracket_.verbs.end(), path.verbs.begin(), path.verbs.end());
    bracket_.points.insert(bracket_.points.end(), path.points.begin(), path.points.end());
    pointCount_ += path.points.size();
    return;
  }
  SceneShape shape;
  shape.pen.style = stroke ? state_.pen.style : LineStyle::None;
  shape.pen.width = state_.pen.width * toFrame_.xScale();
  shape.pen.rgb = state_.pen.rgb;
  shape.brush = {fill ? state_.brush.style : FillStyle::None, state_.brush.rgb, state_.brush.hatch};
  if (shape.pen.style == LineStyle::None && shape.brush.style == FillStyle::None) return;
  shape.evenOdd = state_.evenOdd;
  shape.backgroundRgb = state_.backgroundRgb;
  shape.opaqueBackground = state_.opaqueBackground;
  pointCount_ += path.points.size();
  shape.path = std::move(path);
  push(SceneItem{std::move(shape), {}});
}

void SceneBuilder::text(ScenePoint reference, std::string bytes, bool utf16,
                        const std::optional<EllipseBox>& opaqueBox) {
  if (bytes.empty() && !opaqueBox) return;
  SceneText text;
  bool fromCurrent = (state_.textAlign & 1) != 0;
  text.origin = fromCurrent ? state_.current : toFrame(reference);
  double height = state_.font.height == 0.0 ? kDefaultFontHeight : std::fabs(state_.font.height);
  text.height = height * toFrame_.yScale();
  text.angle = state_.font.escapement / 10.0;
  text.face = state_.font.face;
  text.weight = state_.font.weight;
  text.italic = state_.font.italic;
  text.underline = state_.font.underline;
  text.strikeOut = state_.font.strikeOut;
  text.rgb = state_.textRgb;
  text.align = state_.textAlign;
  text.backgroundRgb = state_.backgroundRgb;
  if (opaqueBox) text.opaqueBox = frameRect(*opaqueBox);
  text.bytes = std::move(bytes);
  text.utf16 = utf16;
  if (!std::isfinite(text.origin.x) || !std::isfinite(text.origin.y) ||
      !std::isfinite(text.height)) {
    return;
  }
  pointCount_ += text.bytes.size() / 4 + 1;
  push(SceneItem{std::move(text), {}});
}

void SceneBuilder::image(std::string bmp, const SceneRect& source, const EllipseBox& target,
                         ImageBlend blend) {
  ScenePoint a = toFrame({target.left, target.top}), b = toFrame({target.right, target.bottom});
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) {
    return;
  }
  pointCount_ += bmp.size() / 16 + 1;
  push(SceneItem{SceneImage{std::move(bmp), source, {a.x, a.y, b.x, b.y}, blend}, {}});
}

SceneRect SceneBuilder::frameRect(const EllipseBox& box) const {
  ScenePoint a = toFrame({box.left, box.top}), b = toFrame({box.right, box.bottom});
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

void SceneBuilder::intersectClip(const EllipseBox& box) {
  SceneRect r = frameRect(box);
  if (state_.clip) {
    r = {std::max(r.left, state_.clip->left), std::max(r.top, state_.clip->top),
         std::min(r.right, state_.clip->right), std::min(r.bottom, state_.clip->bottom)};
  }
  state_.clip = r;
}

void SceneBuilder::push(SceneItem&& item) {
  if (full()) return;
  item.clip = state_.clip;
  scene_.items.push_back(std::move(item));
}

bool SceneBuilder::full() const {
  return scene_.items.size() >= kMaxItems || pointCount_ >= kMaxPoints;
}

}  // namespace zf61
