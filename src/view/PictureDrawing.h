// Pictures of the drawing: a picture file scaled into its box with its own aspect ratio, whole
// or a crop window of it, turned with its text figure.
#pragma once

#include <string_view>

#include "view/DrawContext.h"
#include "view/PictureFormat.h"
#include "view/PictureSource.h"

namespace zf61 {

// A picture box below this many pixels in either direction is not drawn at all.
inline constexpr double kMinimumPictureBoxPixels = 2.0;
// A picture rectangle of at most this many pixels in either direction shows a placeholder.
inline constexpr int32_t kPlaceholderPixels = 8;
// Crop values at or below this count as not given.
inline constexpr double kCropTolerance = 1e-10;
// A direction whose sine is within this of 0, pointing right, leaves the picture unturned.
inline constexpr double kUnturnedTolerance = 1e-8;

struct PictureBox {
  double x0, y0, x1, y1;  // two corners in drawing units: (x0, y0) and (x0 + w, y0 + h)
  // The direction of the picture's text figure, of any length: the box is laid along it,
  // turned about (x0, y0). A direction of no length leaves the picture unturned.
  double dirX = 1.0, dirY = 0.0;
};

struct CropWindow {
  double left = 0.0;    // fraction of the width from the left edge
  double bottom = 0.0;  // fraction of the height from the bottom edge
  double scale = 1.0;   // size as a fraction of the image size
};

void DrawPlainPicture(DrawContext& ctx, PictureSource& source, std::string_view fileName,
                      const PictureBox& box);
void DrawTransformedPicture(DrawContext& ctx, PictureSource& source, std::string_view fileName,
                            const PictureBox& box, CropWindow crop);

// Copies the source rectangle (columns sx0..sx1, rows sy0..sy1 from the top) stretched onto a
// new image of width x height; pixels outside the source are white, or transparent when the
// source is translucent.
RasterImage StretchCopy(const RasterImage& source, int32_t sx0, int32_t sy0, int32_t sx1,
                        int32_t sy1, int32_t width, int32_t height);

}  // namespace zf61
