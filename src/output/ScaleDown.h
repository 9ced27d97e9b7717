// A picture k times finer than the drawing area, shown in the drawing area.
#pragma once

#include "view/Canvas.h"

namespace zf61 {

// Each k x k block of `fine` becomes one pixel, the average of its colours (rounded to
// nearest); the result is fine.width / k x fine.height / k, opaque.
RasterImage ScaleDown(const RasterImage& fine, int k);

}  // namespace zf61
