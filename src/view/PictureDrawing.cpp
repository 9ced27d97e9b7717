// Drawing picture figures into their boxes.
#include "view/PictureDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "view/CanvasPrimitives.h"
#include "view/Clipping.h"

namespace zf61 {
namespace {

constexpr uint32_t kOutsideSourcePixel = 0xFFFFFFFFu;
constexpr uint32_t kOutsideTranslucentSourcePixel = 0x00FFFFFFu;
// The placeholder's outline: pen number 0 (the background colour) 0.5 mm wide.
constexpr double kPlaceholderPenMm = 0.5;

// The unit direction a turned picture is laid along; nothing for an unturned one.
std::optional<PointD> TurnOf(const PictureBox& box) {
  double length = std::hypot(box.dirX, box.dirY);
  if (!(length > 0.0) || !std::isfinite(length)) return std::nullopt;
  PointD dir{box.dirX / length, box.dirY / length};
  if (std::fabs(dir.y) < kUnturnedTolerance && dir.x > 0.0) return std::nullopt;
  return dir;
}

// A point given in the box's own axes, `along` the direction from the reference point and
// `across` it (to the left of the direction), in drawing units.
PointD OnTurnedBox(const PictureBox& box, PointD dir, double along, double across) {
  return {box.x0 + along * dir.x - across * dir.y, box.y0 + along * dir.y + across * dir.x};
}

// Whether the box, turned when its picture is, lies wholly outside the view on one side.
bool OutsideView(const ViewWindow& view, const PictureBox& box) {
  std::optional<PointD> dir = TurnOf(box);
  if (!dir) return ClassifyRect(view, box.x0, box.y0, box.x1, box.y1) == RectClass::Outside;
  double w = box.x1 - box.x0, h = box.y1 - box.y0;
  double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
  for (double along : {0.0, w}) {
    for (double across : {0.0, h}) {
      PointD p = OnTurnedBox(box, *dir, along, across);
      minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
  }
  return ClassifyRect(view, minX, minY, maxX, maxY) == RectClass::Outside;
}

// Steps 1 to 3 shared by both ways of drawing: a box too small, wholly outside the view, or a
// missing file ends the drawing before the file is touched.
bool WorthLoading(DrawContext& ctx, PictureSource& source, std::string_view fileName,
                  const PictureBox& box) {
  double w = box.x1 - box.x0, h = box.y1 - box.y0;
  if (std::fabs(w) * ctx.view.Scale < kMinimumPictureBoxPixels ||
      std::fabs(h) * ctx.view.Scale < kMinimumPictureBoxPixels) {
    return false;
  }
  if (OutsideView(ctx.view, box)) return false;
  return source.exists(fileName);
}

void ApplyPlaceholderPenAndBrush(DrawContext& ctx) {
  ApplyFigurePen(ctx.canvas, ctx.att, ctx.view.Scale, -1, 0, kPlaceholderPenMm);
  SetBrush(ctx.canvas, kWhite, 1);
}

// The box across the direction: from y0 up by the picture's height when h > 0, else down.
struct Span {
  double from, to;
};
Span AcrossSpan(const PictureBox& box, double aspect) {
  double height = std::fabs(box.x1 - box.x0) / aspect;
  return box.y1 - box.y0 > 0.0 ? Span{0.0, height} : Span{-height, 0.0};
}

void DrawUnturned(DrawContext& ctx, const Picture& picture, double aspect, const PictureBox& box) {
  double w = box.x1 - box.x0;
  double left = std::fmin(box.x0, box.x0 + w), right = std::fmax(box.x0, box.x0 + w);
  Span across = AcrossSpan(box, aspect);
  PixelPoint lb = ctx.view.DrawingToWindow(left, box.y0 + across.from);
  PixelPoint rt = ctx.view.DrawingToWindow(right, box.y0 + across.to);
  if (std::llabs(int64_t{rt.x} - lb.x) <= kPlaceholderPixels ||
      std::llabs(int64_t{rt.y} - lb.y) <= kPlaceholderPixels) {
    ApplyPlaceholderPenAndBrush(ctx);
    RectanglePx(ctx.canvas, lb.x, lb.y, rt.x, rt.y);
    return;
  }
  ctx.canvas.drawPicture(picture, lb.x, rt.y, rt.x, lb.y);
}

double PixelDistance(PixelPoint a, PixelPoint b) {
  return std::hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y);
}

// The box laid along the direction, with the picture's top edge on its upper side as seen from
// the direction: the picture turned about the reference point.
void DrawTurned(DrawContext& ctx, const Picture& picture, double aspect, const PictureBox& box,
                PointD dir) {
  double w = box.x1 - box.x0;
  double left = std::fmin(0.0, w), right = std::fmax(0.0, w);
  Span across = AcrossSpan(box, aspect);
  auto corner = [&](double along, double acrossAt) {
    PointD p = OnTurnedBox(box, dir, along, acrossAt);
    return ctx.view.DrawingToWindow(p.x, p.y);
  };
  ImageCorners corners{corner(left, across.to), corner(right, across.to),
                       corner(left, across.from)};
  if (PixelDistance(corners.topLeft, corners.topRight) <= kPlaceholderPixels ||
      PixelDistance(corners.topLeft, corners.bottomLeft) <= kPlaceholderPixels) {
    ApplyPlaceholderPenAndBrush(ctx);
    ctx.canvas.polygon(
        {corners.topLeft, corners.topRight, corner(right, across.from), corners.bottomLeft});
    return;
  }
  ctx.canvas.drawPictureTurned(picture, corners);
}

// Draws `picture` into the box with aspect ratio `aspect`, or the placeholder when the pixel
// rectangle is too small to show it.
void DrawIntoBox(DrawContext& ctx, const Picture& picture, double aspect, const PictureBox& box) {
  if (!(aspect > 0.0) || !std::isfinite(aspect)) return;
  if (std::optional<PointD> dir = TurnOf(box)) {
    DrawTurned(ctx, picture, aspect, box, *dir);
  } else {
    DrawUnturned(ctx, picture, aspect, box);
  }
}

int32_t RoundHalfEven(double v) {
  double r = std::nearbyint(v);
  if (!(r > -2147483648.0 && r < 2147483647.0)) return 0;
  return static_cast<int32_t>(r);
}

// A crop window's pixels: columns ox to ox + cw, and rows counted from the top of the source.
std::string CropKey(int32_t ox, int32_t top, int32_t cw, int32_t ch) {
  return "crop " + std::to_string(ox) + " " + std::to_string(top) + " " + std::to_string(cw) + " " +
         std::to_string(ch);
}

}  // namespace

RasterImage StretchCopy(const RasterImage& source, int32_t sx0, int32_t sy0, int32_t sx1,
                        int32_t sy1, int32_t width, int32_t height) {
  RasterImage out;
  if (width <= 0 || height <= 0) return out;
  out.width = width;
  out.height = height;
  out.translucent = source.translucent;
  out.pixels.assign(static_cast<size_t>(width) * height,
                    source.translucent ? kOutsideTranslucentSourcePixel : kOutsideSourcePixel);
  if (source.pixels.empty()) return out;
  double stepX = static_cast<double>(sx1 - sx0) / width;
  double stepY = static_cast<double>(sy1 - sy0) / height;
  // The source column of every target column, worked out once; -1 outside the source.
  std::vector<int32_t> columns(static_cast<size_t>(width));
  for (int32_t x = 0; x < width; ++x) {
    int64_t sx = sx0 + static_cast<int64_t>(std::floor((x + 0.5) * stepX));
    columns[x] = sx < 0 || sx >= source.width ? -1 : static_cast<int32_t>(sx);
  }
  int64_t previousRow = -1;
  for (int32_t y = 0; y < height; ++y) {
    int64_t sy = sy0 + static_cast<int64_t>(std::floor((y + 0.5) * stepY));
    if (sy < 0 || sy >= source.height) continue;
    uint32_t* to = out.pixels.data() + static_cast<size_t>(y) * width;
    if (sy == previousRow) {  // a row stretched taller: the row above again
      std::copy(to - width, to, to);
      continue;
    }
    previousRow = sy;
    const uint32_t* from = source.pixels.data() + static_cast<size_t>(sy) * source.width;
    for (int32_t x = 0; x < width; ++x) {
      if (columns[x] >= 0) to[x] = from[columns[x]];
    }
  }
  return out;
}

void DrawPlainPicture(DrawContext& ctx, PictureSource& source, std::string_view fileName,
                      const PictureBox& box) {
  if (!WorthLoading(ctx, source, fileName, box)) return;
  if (PictureFormatOf(fileName) == PictureFormat::Undrawn) return;
  std::shared_ptr<const Picture> picture = source.share(fileName);
  if (!picture || picture->height <= 0 || picture->width <= 0) return;
  DrawIntoBox(ctx, *picture, static_cast<double>(picture->width) / picture->height, box);
}

void DrawTransformedPicture(DrawContext& ctx, PictureSource& source, std::string_view fileName,
                            const PictureBox& box, CropWindow crop) {
  if (!WorthLoading(ctx, source, fileName, box)) return;
  PictureFormat format = PictureFormatOf(fileName);
  if (format == PictureFormat::Undrawn) return;
  if (crop.left <= kCropTolerance) crop.left = 0.0;
  if (crop.bottom <= kCropTolerance) crop.bottom = 0.0;
  if (crop.scale <= kCropTolerance) crop.scale = 1.0;
  std::shared_ptr<const Picture> picture = source.share(fileName);
  if (!picture || picture->width <= 0 || picture->height <= 0) return;
  const int32_t W = picture->width, H = picture->height;
  int32_t cw = RoundHalfEven(W * crop.scale), ch = RoundHalfEven(H * crop.scale);
  int32_t ox = RoundHalfEven(W * crop.left), oy = RoundHalfEven(H * crop.bottom);
  if (IsPixelFormat(format)) {
    // Rows of the crop window counted from the top of the source; the window is stretched to
    // the whole picture's size, once for as long as the source keeps the picture.
    int32_t top = crop.scale > 1.0 ? 0 : H - oy - ch;
    std::shared_ptr<const Picture> cropped =
        source.madeFrom(fileName, CropKey(ox, top, cw, ch), [&] {
          return Picture{W, H, StretchCopy(picture->raster, ox, top, ox + cw, top + ch, W, H),
                         nullptr};
        });
    if (cropped) DrawIntoBox(ctx, *cropped, static_cast<double>(W) / H, box);
  } else {
    // Metafiles and icons are shown whole, with the aspect ratio of the crop window's size.
    if (ch == 0) return;
    DrawIntoBox(ctx, *picture, static_cast<double>(cw) / ch, box);
  }
}

}  // namespace zf61
