// An image laid into a parallelogram: the affine map from image pixels to canvas pixels that
// both platforms' canvases hand to their drawing engines, and the part of the image that can
// reach the canvas, so that a picture zoomed far beyond the canvas is drawn from no more of its
// pixels than the canvas shows, at coordinates the engines handle.
#pragma once

#include <cstdint>
#include <optional>

#include "view/Canvas.h"

namespace zf61 {

// Canvas x = m11 u + m21 v + dx and canvas y = m12 u + m22 v + dy for the image point (u, v),
// in pixels from the image's top-left corner (the order of QTransform and XFORM).
struct ImagePlacement {
  double m11 = 1.0, m12 = 0.0, m21 = 0.0, m22 = 1.0, dx = 0.0, dy = 0.0;
};

// A rectangle of whole image pixels.
struct ImagePart {
  int32_t x = 0, y = 0, width = 0, height = 0;
};

// The length of a side of a turned box in whole pixels, at least one: the size of the upright
// box a picture drawn natively is played into before the box is turned.
int32_t SideLength(PixelPoint from, PixelPoint to);

// The map that takes the image's top-left, top-right and bottom-left corners to `corners`.
ImagePlacement PlacementOf(const ImageCorners& corners, int32_t imageWidth, int32_t imageHeight);

// The image pixels whose place overlaps the canvas, with one to spare on each side; nothing when
// none does or the parallelogram has no area.
std::optional<ImagePart> PartOnCanvas(const ImagePlacement& placement, int32_t imageWidth,
                                      int32_t imageHeight, int32_t canvasWidth,
                                      int32_t canvasHeight);

}  // namespace zf61
