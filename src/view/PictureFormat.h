// Picture files by kind: which extensions are drawn and how, and the checks made on a file's
// bytes before a platform decoder sees them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zf61 {

// Pictures of more pixels than this, a gigabyte at four bytes each, are not drawn.
inline constexpr int64_t kLargestPicturePixels = int64_t{1} << 28;

enum class PictureFormat {
  Bitmap,    // .BMP: pixels, always drawn opaque
  Raster,    // .PNG, .TIF, .TIFF, .JPG, .JPE, .JPEG, .GIF: pixels, transparent where the file is
  Metafile,  // .WMF, .EMF: drawn as vectors
  Icon,      // .ICO: drawn through its mask
  Undrawn,   // .PCX, .FPX and every other extension
};

// Upper-cased extension from the last dot, dot included ("" when there is none).
std::string PictureExtension(std::string_view fileName);

PictureFormat PictureFormatOf(std::string_view fileName);

// Bitmaps and the raster formats are drawn from their pixels, which a crop window can cut.
inline bool IsPixelFormat(PictureFormat format) {
  return format == PictureFormat::Bitmap || format == PictureFormat::Raster;
}

// True for bytes that start like a JPEG file.
bool LooksLikeJpeg(std::string_view bytes);

// False for a JPEG file cut short: no end-of-image marker follows its last start-of-scan marker.
// Decoders show such a file with its missing part grey instead of failing.
bool JpegIsWhole(std::string_view bytes);

}  // namespace zf61
