// Device-independent bitmaps inside metafile records, made into whole BMP files that the
// platform's image reader decodes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "metafile/MetafileScene.h"

namespace zf61 {

struct DibFile {
  std::string bmp;  // file header, then the bitmap's header, colours and bits
  int width = 0;
  int height = 0;   // positive, whether the rows run down or up
  bool bottomUp = true;
};

// The bitmap whose header starts `info`, with its bits at `bits` (or right after its colours
// when `bits` is empty); nothing when its header is not one a BMP file can carry.
std::optional<DibFile> DibToBmp(std::string_view info, std::string_view bits = {});

// The source rectangle in rows counted from the top. `fromBottom`: y counts from the bottom
// row, as a bitmap's own coordinates do when its rows run upwards.
SceneRect DibSourceRect(const DibFile& dib, double x, double y, double width, double height,
                        bool fromBottom);

}  // namespace zf61
