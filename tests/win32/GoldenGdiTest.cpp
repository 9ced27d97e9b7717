// The golden floor plan drawn through the GDI canvas, beside the same drawing through the Qt
// canvas (the golden image). The two raster engines are held to the same rules; where they
// still differ, the pixels are counted and written out (golden_floor_plan_gdi.bmp and
// golden_floor_plan_gdi_diff.bmp in the build's test-output) for a person to look at.
#include <gtest/gtest.h>

#include <windows.h>
// GDI+ needs the Windows types first.
#include <gdiplus.h>

#include <filesystem>

#include "output/BmpWriter.h"
#include "platform/GdiCanvas.h"
#include "platform/Win32PictureSource.h"
#include "support/GoldenFloorPlan.h"

namespace zf61::win32 {
namespace {

using test::kGoldenDir;

RasterImage RenderWithGdi() {
  GdiCanvas canvas(test::kGoldenWidth, test::kGoldenHeight);
  Win32PictureSource pictures;
  EXPECT_TRUE(test::DrawGoldenFloorPlan(canvas, pictures));
  return canvas.readPixels();
}

// The golden PNG read with GDI+.
std::optional<RasterImage> ReadPng(const std::filesystem::path& path) {
  namespace flat = Gdiplus::DllExports;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (flat::GdipCreateBitmapFromFile(path.c_str(), &bitmap) != Gdiplus::Ok) return std::nullopt;
  RasterImage image;
  UINT w = 0, h = 0;
  flat::GdipGetImageWidth(bitmap, &w);
  flat::GdipGetImageHeight(bitmap, &h);
  image.width = static_cast<int32_t>(w);
  image.height = static_cast<int32_t>(h);
  for (UINT y = 0; y < h; ++y) {
    for (UINT x = 0; x < w; ++x) {
      Gdiplus::ARGB pixel = 0;
      flat::GdipBitmapGetPixel(bitmap, static_cast<INT>(x), static_cast<INT>(y), &pixel);
      image.pixels.push_back(pixel | 0xFF000000u);
    }
  }
  flat::GdipDisposeImage(bitmap);
  return image;
}

TEST(GoldenGdi, FloorPlanBesideTheQtCanvas) {
  RasterImage gdi = RenderWithGdi();
  std::optional<RasterImage> golden = ReadPng(kGoldenDir / "floor_plan.png");
  ASSERT_TRUE(golden) << "missing golden image";
  ASSERT_EQ(golden->width, gdi.width);
  ASSERT_EQ(golden->height, gdi.height);
  RasterImage diff{gdi.width, gdi.height, std::vector<uint32_t>(gdi.pixels.size(), 0xFFFFFFFFu)};
  size_t differing = 0, drawn = 0;
  for (size_t i = 0; i < gdi.pixels.size(); ++i) {
    drawn += gdi.pixels[i] != 0xFFFFFFFFu;
    if (gdi.pixels[i] != golden->pixels[i]) {
      ++differing;
      diff.pixels[i] = 0xFFFF0000u;
    }
  }
  WriteBmpFile(test::kTestOutputDir / "golden_floor_plan_gdi.bmp",
               ConvertToDepth(gdi, ColourDepth::Bits24));
  WriteBmpFile(test::kTestOutputDir / "golden_floor_plan_gdi_diff.bmp",
               ConvertToDepth(diff, ColourDepth::Bits24));
  std::printf("GDI against Qt: %zu of %zu pixels differ (%zu drawn by GDI)\n", differing,
              gdi.pixels.size(), drawn);
  EXPECT_GT(drawn, 10000u);
}

}  // namespace
}  // namespace zf61::win32
