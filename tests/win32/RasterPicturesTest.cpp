// Photos and other raster pictures through GDI+, drawn as bitmaps of the same pixels are: in the
// generated picture, in a crop window, turned, over what lies beneath where they are
// transparent; damaged files draw nothing. The pictures are made here with GDI+'s own encoders.
#include <gtest/gtest.h>

#include <windows.h>
// GDI+ needs the Windows types first.
#include <gdiplus.h>

#include <algorithm>
#include <string>
#include <vector>

#include "output/BmpWriter.h"
#include "platform/GdiCanvas.h"
#include "platform/WideText.h"
#include "platform/Win32PictureSource.h"
#include "support/PictureScenes.h"
#include "support/TempDir.h"
#include "view/PictureFormat.h"

namespace zf61::win32 {
namespace {

namespace flat = Gdiplus::DllExports;

bool EncoderFor(const wchar_t* mimeType, CLSID& clsid) {
  UINT count = 0, bytes = 0;
  flat::GdipGetImageEncodersSize(&count, &bytes);
  std::vector<char> buffer(bytes);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (bytes == 0 || flat::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (std::wstring(codecs[i].MimeType) == mimeType) {
      clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

// The image as a GDI+ bitmap: 32 bits a pixel, or indexed for GIF (Wine's GIF encoder takes
// nothing else); the caller disposes of it. `pixels` must outlive it.
Gdiplus::GpBitmap* BitmapOf(const RasterImage& image, std::vector<uint32_t>& pixels, bool indexed) {
  pixels = image.pixels;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (!indexed) {
    flat::GdipCreateBitmapFromScan0(image.width, image.height, image.width * 4,
                                    PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels.data()),
                                    &bitmap);
    return bitmap;
  }
  std::vector<uint32_t> colours;
  std::vector<BYTE> indices;
  for (uint32_t p : image.pixels) {
    auto at = std::find(colours.begin(), colours.end(), p);
    if (at == colours.end()) at = colours.insert(colours.end(), p);
    indices.push_back(static_cast<BYTE>(at - colours.begin()));
  }
  flat::GdipCreateBitmapFromScan0(image.width, image.height, 0, PixelFormat8bppIndexed, nullptr,
                                  &bitmap);
  std::vector<char> paletteBytes(sizeof(Gdiplus::ColorPalette) + 256 * sizeof(Gdiplus::ARGB));
  auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(paletteBytes.data());
  palette->Flags = 0;
  palette->Count = static_cast<UINT>(colours.size());
  std::copy(colours.begin(), colours.end(), palette->Entries);
  flat::GdipSetImagePalette(bitmap, palette);
  Gdiplus::BitmapData data = {};
  Gdiplus::GpRect all(0, 0, image.width, image.height);
  flat::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeWrite, PixelFormat8bppIndexed,
                           &data);
  for (int y = 0; y < image.height; ++y) {
    std::copy_n(indices.begin() + y * image.width, image.width,
                static_cast<BYTE*>(data.Scan0) + y * data.Stride);
  }
  flat::GdipBitmapUnlockBits(bitmap, &data);
  return bitmap;
}

// The MIME type of GDI+'s encoder for the format a file name's extension names.
std::wstring MimeTypeOf(const char* name) {
  const std::string ext = PictureExtension(name);
  if (ext == ".PNG") return L"image/png";
  if (ext == ".JPG" || ext == ".JPEG") return L"image/jpeg";
  if (ext == ".GIF") return L"image/gif";
  if (ext == ".TIF" || ext == ".TIFF") return L"image/tiff";
  return L"image/bmp";
}

// The name a drawing gives the file at `path`: Shift-JIS.
std::string DrawingName(const std::filesystem::path& path) {
  return WideToCp932(path.wstring());
}

// The image written as `name` in `dir` by GDI+'s encoder for the format its extension names, or
// as a BMP by the program's own writer; its name in Shift-JIS, as a drawing gives it.
std::string Write(const test::TempDir& dir, const RasterImage& image, const char* name) {
  std::filesystem::path path = dir.path() / Utf8ToWide(name);
  const std::wstring mimeType = MimeTypeOf(name);
  if (mimeType == L"image/bmp") {
    EXPECT_TRUE(WriteBmpFile(path, ConvertToDepth(image, ColourDepth::Bits24)));
  } else {
    CLSID clsid;
    EXPECT_TRUE(EncoderFor(mimeType.c_str(), clsid)) << name;
    std::vector<uint32_t> pixels;
    Gdiplus::GpBitmap* bitmap = BitmapOf(image, pixels, mimeType == L"image/gif");
    EXPECT_EQ(flat::GdipSaveImageToFile(bitmap, path.c_str(), &clsid, nullptr), Gdiplus::Ok)
        << name;
    flat::GdipDisposeImage(bitmap);
  }
  return DrawingName(path);
}

// The files of the scenes: named in Shift-JIS, written with GDI+'s encoders, BMPs read by the
// picture source.
test::PictureFiles Win32Files() {
  return {
      DrawingName,
      Write,
      [](const std::filesystem::path& path) -> std::optional<RasterImage> {
        std::optional<Picture> saved = Win32PictureSource().load(DrawingName(path));
        if (!saved) return std::nullopt;
        return saved->raster;
      },
  };
}

TEST(Win32RasterPictures, EachFormatAndATurnedBitmapInTheGeneratedPicture) {
  test::CheckEachFormatAndATurnedBitmap<GdiCanvas, Win32PictureSource>(Win32Files(), "写真.png");
}

TEST(Win32RasterPictures, ACropWindowOfAJpegAndTurnsOfThirtyDegrees) {
  test::CheckCropWindowsAndAThirtyDegreeTurn<GdiCanvas, Win32PictureSource>(Win32Files());
}

TEST(Win32RasterPictures, TransparentPartsShowWhatLiesBeneath) {
  test::TempDir dir;
  Win32PictureSource source;
  std::optional<Picture> picture = source.load(Write(dir, test::HalfSeeThrough(), "t.png"));
  ASSERT_TRUE(picture);
  ASSERT_TRUE(picture->raster.translucent);
  RasterImage px = test::SeeThroughOverBlue<GdiCanvas>(*picture);
  test::CheckSeeThroughOverBlue(px, "t.png", true);
  EXPECT_EQ(px.at(50, 50), test::kBluePixel);  // nothing beyond the box
}

TEST(Win32RasterPictures, DamagedOrCutFilesDrawNothing) {
  test::CheckDamagedFilesDrawNothing<Win32PictureSource>(Win32Files());
}

TEST(Win32RasterPictures, MetafilesAndIconsTurnWithTheirBox) {
  test::CheckMetafilesAndIconsTurnWithTheirBox<GdiCanvas, Win32PictureSource>(DrawingName);
}

}  // namespace
}  // namespace zf61::win32
