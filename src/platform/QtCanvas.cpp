// QtCanvas: GDI-like drawing on a QImage.
#include "platform/QtCanvas.h"
#include "platform/QtMetafilePicture.h"

#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <cmath>

#include "view/PolygonClip.h"
#include "view/TurnedImage.h"

namespace zf61 {
namespace {

// Qt's raster engine works in fixed point; geometry is kept within the guard band around the
// canvas so that far-away points cannot wrap around.
std::vector<QPointF> ClipToGuard(const std::vector<PointD>& points, const QImage& image) {
  std::vector<PointD> clipped = ClipPolygonToGuard(points, image.width(), image.height());
  std::vector<QPointF> out;
  out.reserve(clipped.size());
  for (const PointD& p : clipped) out.emplace_back(p.x, p.y);
  return out;
}

// The pixels of a RasterImage seen as a QImage, without a copy.
QImage WrapPixels(const RasterImage& image) {
  return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                image.width * 4, image.translucent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

// Opaque pictures are copied plainly; translucent ones are drawn over what lies beneath.
QPainter::CompositionMode CompositionFor(const RasterImage& image) {
  return image.translucent ? QPainter::CompositionMode_SourceOver
                           : QPainter::CompositionMode_Source;
}

}  // namespace

QColor ToQColor(Colour c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

uint32_t ToRgb32(Colour c) {
  return 0xFF000000u | (static_cast<uint32_t>(RedOf(c)) << 16) |
         (static_cast<uint32_t>(GreenOf(c)) << 8) | static_cast<uint32_t>(BlueOf(c));
}

QtCanvas::QtCanvas(int32_t width, int32_t height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
  image_.fill(Qt::white);
  beginPainter();
}

std::unique_ptr<Canvas> QtCanvas::makeCanvas(int32_t width, int32_t height) const {
  auto canvas = std::make_unique<QtCanvas>(width, height);
  if (canvas->image_.isNull()) return nullptr;  // Qt could not have the memory
  return canvas;
}

QtCanvas::~QtCanvas() {
  painter_->end();
}

void QtCanvas::beginPainter() {
  painter_ = std::make_unique<QPainter>(&image_);
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
  bits_ = image_.bits();
  stride_ = image_.bytesPerLine();
  width_ = image_.width();
  height_ = image_.height();
  painterStale_ = true;
}

QPainter& QtCanvas::painter() {
  if (!painterStale_) return *painter_;
  painterStale_ = false;
  QPen pen(ToQColor(penColour_));
  // One-pixel lines leave out their last pixel as GDI's do; wider pens are round like GDI's.
  if (penWidth_ <= 1) {
    pen.setWidth(0);
    pen.setCapStyle(Qt::FlatCap);
  } else {
    pen.setWidth(penWidth_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  painter_->setPen(pen);
  painter_->setCompositionMode(penMode_ == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                        : QPainter::CompositionMode_SourceOver);
  if (brushStyle_ == BrushStyle::Solid) {
    painter_->setBrush(ToQColor(brushColour_));
  } else {
    painter_->setBrush(Qt::NoBrush);
  }
  return *painter_;
}

void QtCanvas::setPen(Colour colour, int32_t width) {
  if (colour == penColour_ && width == penWidth_) return;
  penColour_ = colour;
  penPixel_ = ToRgb32(colour);
  penWidth_ = width;
  painterStale_ = true;
}

void QtCanvas::setPenMode(PenMode mode) {
  if (mode == penMode_) return;
  penMode_ = mode;
  painterStale_ = true;
}

void QtCanvas::setBrush(Colour colour, BrushStyle style) {
  if (style == brushStyle_ && (style == BrushStyle::Clear || colour == brushColour_)) return;
  brushColour_ = colour;
  brushStyle_ = style;
  painterStale_ = true;
}

void QtCanvas::moveTo(int32_t x, int32_t y) {
  currentX_ = x;
  currentY_ = y;
}

void QtCanvas::thinLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  // Bresenham's walk from the first point up to, not including, the last.
  const uint32_t colour = ToRgb32(penColour_);
  int32_t dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  int32_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int32_t err = dx + dy;
  while (x0 != x1 || y0 != y1) {
    if (x0 >= 0 && y0 >= 0 && x0 < width_ && y0 < height_) row(y0)[x0] = colour;
    int32_t e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}

void QtCanvas::thinSegment(PixelPoint a, PixelPoint b, uint32_t colour) {
  // The walk of thinLine with its end pixel, which the line primitive sets afterwards, checking
  // each pixel against the canvas.
  int32_t x0 = a.x, y0 = a.y;
  const int32_t x1 = b.x, y1 = b.y;
  const int32_t dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int32_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int32_t err = dx + dy;
  for (;;) {
    if (x0 >= 0 && y0 >= 0 && x0 < width_ && y0 < height_) row(y0)[x0] = colour;
    if (x0 == x1 && y0 == y1) break;
    int32_t e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}

void QtCanvas::lineTo(int32_t x, int32_t y) {
  if (x != currentX_ || y != currentY_) {
    if (thinPen() && nearCanvas(currentX_, currentY_) && nearCanvas(x, y)) {
      thinLine(currentX_, currentY_, x, y);
    } else {
      painter().drawLine(QLineF(currentX_, currentY_, x, y));
    }
  }
  currentX_ = x;
  currentY_ = y;
}

void QtCanvas::setPixel(int32_t x, int32_t y, Colour colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  row(y)[x] = ToRgb32(colour);
}

void QtCanvas::segments(const std::vector<PixelPoint>& ends) {
  if (!thinPen()) {
    Canvas::segments(ends);
    return;
  }
  const uint32_t colour = ToRgb32(penColour_);
  const PixelRows pixelRows = rows();
  for (size_t i = 1; i < ends.size(); i += 2) {
    PixelPoint a = ends[i - 1], b = ends[i];
    if (onCanvas(a) && onCanvas(b)) {
      ThinLine(pixelRows, a, b, colour);
    } else if (nearCanvas(a.x, a.y) && nearCanvas(b.x, b.y)) {
      thinSegment(a, b, colour);
    } else {
      moveTo(a.x, a.y);
      lineTo(b.x, b.y);
      setPixel(b.x, b.y, penColour_);
    }
  }
  if (ends.size() >= 2) moveTo(ends[ends.size() - 1].x, ends[ends.size() - 1].y);
}

void QtCanvas::chain(const PixelPoint* points, size_t count) {
  bool allOnCanvas = count > 0 && thinPen();
  for (size_t i = 0; allOnCanvas && i < count; ++i) allOnCanvas = onCanvas(points[i]);
  if (!allOnCanvas) {
    Canvas::chain(points, count);
    return;
  }
  ThinChain(rows(), points, count, ToRgb32(penColour_));
  currentX_ = points[count - 1].x;
  currentY_ = points[count - 1].y;
}

bool QtCanvas::thinLineRows(PixelRows& pixelRows, uint32_t& pixel) {
  if (!thinPen()) return false;
  pixelRows = rows();
  pixel = penPixel_;
  return true;
}

void QtCanvas::rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  int32_t left = std::min(x1, x2), right = std::max(x1, x2);
  int32_t top = std::min(y1, y2), bottom = std::max(y1, y2);
  // GDI's Rectangle leaves out the right and bottom edges: a one-pixel outline of the pixels
  // left..right-1 and top..bottom-1.
  painter().drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::polyline(const std::vector<PixelPoint>& points) {
  if (points.size() < 2) return;
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const PixelPoint& p : points) polygon.append(QPoint(p.x, p.y));
  painter().drawPolyline(polygon);
}

void QtCanvas::polygon(const std::vector<PixelPoint>& points) {
  if (points.size() < 3) return;
  std::vector<PointD> outline;
  outline.reserve(points.size());
  for (const PixelPoint& p : points) outline.push_back({double(p.x), double(p.y)});
  std::vector<QPointF> corners = ClipToGuard(outline, image_);
  if (corners.size() < 3) return;
  painter().drawPolygon(corners.data(), static_cast<int>(corners.size()), Qt::OddEvenFill);
}

void QtCanvas::fillPathEvenOdd(const std::vector<std::vector<FloatPoint>>& figures, uint32_t argb) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  for (const auto& figure : figures) {
    if (figure.size() < 2) continue;
    std::vector<PointD> outline;
    outline.reserve(figure.size());
    for (const FloatPoint& p : figure) outline.push_back({p.x, p.y});
    std::vector<QPointF> points = ClipToGuard(outline, image_);
    if (points.size() < 2) continue;
    path.moveTo(points[0]);
    for (size_t i = 1; i < points.size(); ++i) path.lineTo(points[i]);
    path.closeSubpath();
  }
  QPainter::CompositionMode mode = painter_->compositionMode();
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->fillPath(path, QColor::fromRgba(argb));
  painter_->setCompositionMode(mode);
}

void QtCanvas::drawStretched(const QImage& image, int32_t left, int32_t top, int32_t right,
                             int32_t bottom, QPainter::CompositionMode mode) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  if (right == left || bottom == top) return;
  // Only the part of the target that lies on the canvas is drawn, from the matching part of the
  // source, so a picture zoomed far beyond the canvas costs no more than the canvas.
  QRectF target(left, top, right - left, bottom - top);
  QRectF visible = target.intersected(QRectF(0, 0, image_.width(), image_.height()));
  if (visible.isEmpty()) return;
  double sx = image.width() / target.width(), sy = image.height() / target.height();
  QRectF sourceRect((visible.left() - target.left()) * sx, (visible.top() - target.top()) * sy,
                    visible.width() * sx, visible.height() * sy);
  painter_->save();
  painter_->setCompositionMode(mode);
  painter_->drawImage(visible, image, sourceRect);
  painter_->restore();
}

void QtCanvas::drawTurned(const QImage& image, const ImageCorners& corners,
                          QPainter::CompositionMode mode) {
  ImagePlacement p = PlacementOf(corners, image.width(), image.height());
  std::optional<ImagePart> part = PartOnCanvas(p, image.width(), image.height(), width_, height_);
  if (!part) return;
  QRectF drawn(part->x, part->y, part->width, part->height);
  painter_->save();
  painter_->setCompositionMode(mode);
  painter_->setTransform(QTransform(p.m11, p.m12, p.m21, p.m22, p.dx, p.dy));
  painter_->drawImage(drawn, image, drawn);
  painter_->restore();
}

void QtCanvas::drawImage(const RasterImage& image, int32_t left, int32_t top, int32_t right,
                         int32_t bottom) {
  if (image.pixels.empty() || image.width <= 0 || image.height <= 0) return;
  drawStretched(WrapPixels(image), left, top, right, bottom, CompositionFor(image));
}

void QtCanvas::drawImageTurned(const RasterImage& image, const ImageCorners& corners) {
  if (image.pixels.empty() || image.width <= 0 || image.height <= 0) return;
  drawTurned(WrapPixels(image), corners, CompositionFor(image));
}

void QtCanvas::drawPicture(const Picture& picture, int32_t left, int32_t top, int32_t right,
                           int32_t bottom) {
  if (auto* metafile = dynamic_cast<const QtMetafilePicture*>(picture.native.get())) {
    if (right == left || bottom == top) return;
    QRectF target(QPointF(left, top), QPointF(right, bottom));  // in doubles: no overflow
    metafile->draw(painter(), target.normalized());
    return;
  }
  if (auto* translucent = dynamic_cast<const QtTranslucentPicture*>(picture.native.get())) {
    drawStretched(translucent->image(), left, top, right, bottom,
                  QPainter::CompositionMode_SourceOver);
    return;
  }
  Canvas::drawPicture(picture, left, top, right, bottom);
}

void QtCanvas::drawPictureTurned(const Picture& picture, const ImageCorners& corners) {
  if (auto* metafile = dynamic_cast<const QtMetafilePicture*>(picture.native.get())) {
    // Played into an upright box the size of the turned one, which the painter then turns, so
    // that pens and texts keep the sizes they have in an unturned box.
    int32_t width = SideLength(corners.topLeft, corners.topRight);
    int32_t height = SideLength(corners.topLeft, corners.bottomLeft);
    ImagePlacement p = PlacementOf(corners, width, height);
    QPainter& turned = painter();
    turned.save();
    turned.setTransform(QTransform(p.m11, p.m12, p.m21, p.m22, p.dx, p.dy));
    metafile->draw(turned, QRectF(0, 0, width, height));
    turned.restore();
    return;
  }
  if (auto* translucent = dynamic_cast<const QtTranslucentPicture*>(picture.native.get())) {
    drawTurned(translucent->image(), corners, QPainter::CompositionMode_SourceOver);
    return;
  }
  Canvas::drawPictureTurned(picture, corners);
}

void QtCanvas::blit(const QImage& image, int x, int y) {
  painter_->save();
  painter_->setCompositionMode(QPainter::CompositionMode_Source);
  painter_->drawImage(x, y, image);
  painter_->restore();
}

RasterImage QtCanvas::readPixels() const {
  RasterImage out;
  out.width = image_.width();
  out.height = image_.height();
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(image_.constScanLine(y));
    std::copy(row, row + out.width, out.pixels.begin() + static_cast<ptrdiff_t>(y) * out.width);
  }
  return out;
}

void QtCanvas::writePixels(const RasterImage& image) {
  int w = std::min(image.width, static_cast<int32_t>(image_.width()));
  int h = std::min(image.height, static_cast<int32_t>(image_.height()));
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image_.bits() +
                                            static_cast<qsizetype>(y) * image_.bytesPerLine());
    const uint32_t* src = image.pixels.data() + static_cast<size_t>(y) * image.width;
    for (int x = 0; x < w; ++x) row[x] = 0xFF000000u | src[x];
  }
}

}  // namespace zf61
