// Picture formats by extension, and the completeness check of JPEG files.
#include "view/PictureFormat.h"

#include <array>
#include <utility>

namespace zf61 {
namespace {

constexpr std::array<std::pair<std::string_view, PictureFormat>, 13> kFormats = {{
    {".BMP", PictureFormat::Bitmap},
    {".PNG", PictureFormat::Raster},
    {".TIF", PictureFormat::Raster},
    {".TIFF", PictureFormat::Raster},
    {".JPG", PictureFormat::Raster},
    {".JPE", PictureFormat::Raster},
    {".JPEG", PictureFormat::Raster},
    {".GIF", PictureFormat::Raster},
    {".WMF", PictureFormat::Metafile},
    {".EMF", PictureFormat::Metafile},
    {".ICO", PictureFormat::Icon},
    {".PCX", PictureFormat::Undrawn},
    {".FPX", PictureFormat::Undrawn},
}};

constexpr std::string_view kJpegStart("\xFF\xD8\xFF", 3);
constexpr std::string_view kStartOfScan("\xFF\xDA", 2);
constexpr std::string_view kEndOfImage("\xFF\xD9", 2);

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

PictureFormat PictureFormatOf(std::string_view fileName) {
  std::string ext = PictureExtension(fileName);
  for (const auto& [known, format] : kFormats) {
    if (ext == known) return format;
  }
  return PictureFormat::Undrawn;
}

bool LooksLikeJpeg(std::string_view bytes) {
  return bytes.substr(0, kJpegStart.size()) == kJpegStart;
}

bool JpegIsWhole(std::string_view bytes) {
  // Inside the coded data a 0xFF byte is followed only by 0x00 or a restart marker, so the last
  // start-of-scan marker is the last scan's (a thumbnail's scans come before it).
  size_t lastScan = bytes.rfind(kStartOfScan);
  if (lastScan == std::string_view::npos) return false;
  return bytes.find(kEndOfImage, lastScan + kStartOfScan.size()) != std::string_view::npos;
}

}  // namespace zf61
