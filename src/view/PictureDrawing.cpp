// Drawing picture figures into their boxes.
#include "view/PictureDrawing.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "view/CanvasPrimitives.h"
#include "view/Clipping.h"

namespace zf61 {
namespace {

constexpr uint32_t kOutsideSourcePixel = 0xFFFFFFFFu;
// The placeholder's outline: pen number 0 (the background colour) 0.5 mm wide.
constexpr double kPlaceholderPenMm = 0.5;

bool IsDrawnFormat(const std::string& ext) {
  return ext == ".BMP" || ext == ".WMF" || ext == ".EMF" || ext == ".ICO";
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
  if (ClassifyRect(ctx.view, box.x0, box.y0, box.x1, box.y1) == RectClass::Outside) return false;
  return source.exists(fileName);
}

// Draws `picture` into the box with aspect ratio `aspect`, or the placeholder when the pixel
// rectangle is too small to show it.
void DrawIntoBox(DrawContext& ctx, const Picture& picture, double aspect, const PictureBox& box) {
  if (!(aspect > 0.0) || !std::isfinite(aspect)) return;
  double w = box.x1 - box.x0, h = box.y1 - box.y0;
  double left = std::fmin(box.x0, box.x0 + w), right = std::fmax(box.x0, box.x0 + w);
  double height = std::fabs(w) / aspect;
  double bottom = h > 0.0 ? box.y0 : box.y0 - height;
  double top = h > 0.0 ? box.y0 + height : box.y0;
  PixelPoint lb = ctx.view.DrawingToWindow(left, bottom);
  PixelPoint rt = ctx.view.DrawingToWindow(right, top);
  if (std::llabs(int64_t{rt.x} - lb.x) <= kPlaceholderPixels ||
      std::llabs(int64_t{rt.y} - lb.y) <= kPlaceholderPixels) {
    ApplyFigurePen(ctx.canvas, ctx.att, ctx.view.Scale, -1, 0, kPlaceholderPenMm);
    SetBrush(ctx.canvas, kWhite, 1);
    RectanglePx(ctx.canvas, lb.x, lb.y, rt.x, rt.y);
    return;
  }
  ctx.canvas.drawPicture(picture, lb.x, rt.y, rt.x, lb.y);
}

int32_t RoundHalfEven(double v) {
  double r = std::nearbyint(v);
  if (!(r > -2147483648.0 && r < 2147483647.0)) return 0;
  return static_cast<int32_t>(r);
}

}  // namespace

std::string PictureExtension(std::string_view fileName) {
  size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return "";
  std::string ext(fileName.substr(dot));
  for (char& c : ext) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return ext;
}

RasterImage StretchCopy(const RasterImage& source, int32_t sx0, int32_t sy0, int32_t sx1,
                        int32_t sy1, int32_t width, int32_t height) {
  RasterImage out;
  if (width <= 0 || height <= 0) return out;
  out.width = width;
  out.height = height;
  out.pixels.assign(static_cast<size_t>(width) * height, kOutsideSourcePixel);
  if (source.pixels.empty()) return out;
  double stepX = static_cast<double>(sx1 - sx0) / width;
  double stepY = static_cast<double>(sy1 - sy0) / height;
  for (int32_t y = 0; y < height; ++y) {
    int64_t sy = sy0 + static_cast<int64_t>(std::floor((y + 0.5) * stepY));
    if (sy < 0 || sy >= source.height) continue;
    for (int32_t x = 0; x < width; ++x) {
      int64_t sx = sx0 + static_cast<int64_t>(std::floor((x + 0.5) * stepX));
      if (sx < 0 || sx >= source.width) continue;
      out.pixels[static_cast<size_t>(y) * width + x] =
          source.at(static_cast<int32_t>(sx), static_cast<int32_t>(sy));
    }
  }
  return out;
}

void DrawPlainPicture(DrawContext& ctx, PictureSource& source, std::string_view fileName,
                      const PictureBox& box) {
  if (!WorthLoading(ctx, source, fileName, box)) return;
  if (!IsDrawnFormat(PictureExtension(fileName))) return;
  std::optional<Picture> picture = source.load(fileName);
  if (!picture || picture->height <= 0 || picture->width <= 0) return;
  DrawIntoBox(ctx, *picture, static_cast<double>(picture->width) / picture->height, box);
}

void DrawTransformedPicture(DrawContext& ctx, PictureSource& source, std::string_view fileName,
                            const PictureBox& box, CropWindow crop) {
  if (!WorthLoading(ctx, source, fileName, box)) return;
  // Other raster formats went through a conversion that never succeeded: nothing is drawn.
  std::string ext = PictureExtension(fileName);
  if (!IsDrawnFormat(ext)) return;
  if (crop.left <= kCropTolerance) crop.left = 0.0;
  if (crop.bottom <= kCropTolerance) crop.bottom = 0.0;
  if (crop.scale <= kCropTolerance) crop.scale = 1.0;
  std::optional<Picture> picture = source.load(fileName);
  if (!picture || picture->width <= 0 || picture->height <= 0) return;
  const int32_t W = picture->width, H = picture->height;
  int32_t cw = RoundHalfEven(W * crop.scale), ch = RoundHalfEven(H * crop.scale);
  int32_t ox = RoundHalfEven(W * crop.left), oy = RoundHalfEven(H * crop.bottom);
  if (ext == ".BMP") {
    // Rows of the crop window counted from the top of the source.
    int32_t top = crop.scale > 1.0 ? 0 : H - oy - ch;
    Picture cropped;
    cropped.width = W;
    cropped.height = H;
    cropped.raster = StretchCopy(picture->raster, ox, top, ox + cw, top + ch, W, H);
    DrawIntoBox(ctx, cropped, static_cast<double>(W) / H, box);
  } else {
    // Metafiles and icons are shown whole, with the aspect ratio of the crop window's size.
    if (ch == 0) return;
    DrawIntoBox(ctx, *picture, static_cast<double>(cw) / ch, box);
  }
}

}  // namespace zf61
