#include "platform/Win32PictureSource.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "platform/GdiplusImages.h"
#include "platform/NativePictures.h"
#include "platform/WideText.h"
#include "view/PictureFormat.h"

namespace zf61::win32 {
namespace {

// The pixels of a bitmap as 32-bit rows from the top.
std::optional<RasterImage> BitmapPixels(HBITMAP bitmap) {
  BITMAP described = {};
  if (!GetObjectW(bitmap, sizeof described, &described)) return std::nullopt;
  if (described.bmWidth <= 0 || described.bmHeight <= 0) return std::nullopt;
  RasterImage image;
  image.width = described.bmWidth;
  image.height = described.bmHeight;
  image.pixels.resize(static_cast<size_t>(image.width) * image.height);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(image.height), image.pixels.data(),
                       &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != image.height) return std::nullopt;
  for (uint32_t& p : image.pixels) p |= 0xFF000000u;
  return image;
}

std::optional<Picture> LoadBitmap(const std::wstring& name) {
  HANDLE handle =
      LoadImageW(nullptr, name.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  if (!handle) return std::nullopt;
  auto bitmap = static_cast<HBITMAP>(handle);
  std::optional<RasterImage> pixels = BitmapPixels(bitmap);
  DeleteObject(bitmap);
  if (!pixels) return std::nullopt;
  return Picture{pixels->width, pixels->height, std::move(*pixels), nullptr};
}

std::optional<Picture> LoadIcon(const std::wstring& name) {
  // Width and height 0 without LR_DEFAULTSIZE: the first image of the file at its own size.
  auto icon =
      static_cast<HICON>(LoadImageW(nullptr, name.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
  if (!icon) return std::nullopt;
  auto native = std::make_shared<const Icon>(icon);
  ICONINFO parts = {};
  if (!GetIconInfo(icon, &parts)) return std::nullopt;
  BITMAP described = {};
  HBITMAP measured = parts.hbmColor ? parts.hbmColor : parts.hbmMask;
  GetObjectW(measured, sizeof described, &described);
  // A monochrome icon keeps its AND and XOR masks one above the other in one bitmap.
  int32_t height = parts.hbmColor ? described.bmHeight : described.bmHeight / 2;
  if (parts.hbmColor) DeleteObject(parts.hbmColor);
  if (parts.hbmMask) DeleteObject(parts.hbmMask);
  if (described.bmWidth <= 0 || height <= 0) return std::nullopt;
  return Picture{described.bmWidth, height, RasterImage(), native};
}

std::optional<std::string> ReadFile(const std::wstring& name) {
  std::ifstream in(std::filesystem::path(name), std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<Picture> LoadMetafile(const std::wstring& name, bool enhanced) {
  std::optional<std::string> bytes = ReadFile(name);
  if (!bytes) return std::nullopt;
  std::optional<MetafileSize> size = ReadMetafileSize(*bytes);
  if (!size) return std::nullopt;
  std::shared_ptr<const EnhancedMetafile> native = MetafileFromBytes(*bytes, enhanced);
  if (!native) return std::nullopt;
  return Picture{size->width, size->height, RasterImage(), native};
}

// PNG, TIFF, JPEG and GIF pictures: their pixels from GDI+, unless a JPEG is cut short.
std::optional<Picture> LoadRaster(const std::wstring& name) {
  std::optional<std::string> bytes = ReadFile(name);
  if (!bytes || (LooksLikeJpeg(*bytes) && !JpegIsWhole(*bytes))) return std::nullopt;
  std::optional<RasterImage> pixels = DecodeWithGdiplus(*bytes);
  if (!pixels) return std::nullopt;
  return Picture{pixels->width, pixels->height, std::move(*pixels), nullptr};
}

}  // namespace

bool Win32PictureSource::exists(std::string_view cp932Name) {
  DWORD attributes = GetFileAttributesW(Cp932ToWide(cp932Name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<FileStamp> Win32PictureSource::stampOf(std::string_view cp932Name) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExW(Cp932ToWide(cp932Name).c_str(), GetFileExInfoStandard, &data)) {
    return std::nullopt;
  }
  auto join = [](DWORD high, DWORD low) {
    return static_cast<int64_t>(static_cast<uint64_t>(high) << 32 | low);
  };
  return FileStamp{join(data.nFileSizeHigh, data.nFileSizeLow),
                   join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

std::optional<Picture> Win32PictureSource::decode(std::string_view cp932Name) {
  std::wstring name = Cp932ToWide(cp932Name);
  if (name.empty()) return std::nullopt;
  switch (PictureFormatOf(cp932Name)) {
    case PictureFormat::Bitmap:
      return LoadBitmap(name);
    case PictureFormat::Icon:
      return LoadIcon(name);
    case PictureFormat::Metafile:
      return LoadMetafile(name, PictureExtension(cp932Name) == ".EMF");
    case PictureFormat::Raster:
      return LoadRaster(name);
    case PictureFormat::Undrawn:
      break;
  }
  return std::nullopt;
}

}  // namespace zf61::win32
