// The reduced depths as GDI makes them: its colour tables and its own colour mapping.
#include <gtest/gtest.h>

#include "output/BmpWriter.h"
#include "platform/GdiDepthConverter.h"

namespace zf61::win32 {
namespace {

constexpr uint32_t kWhitePixel = 0xFFFFFFFFu;
constexpr uint32_t kBlackPixel = 0xFF000000u;
constexpr uint32_t kRedPixel = 0xFFFF0000u;

// Five columns: white, black, red, dark red, a light grey.
RasterImage Sample() {
  RasterImage image{5, 3, {}};
  for (int y = 0; y < 3; ++y) {
    for (uint32_t c : {kWhitePixel, kBlackPixel, kRedPixel, 0xFF800000u, 0xFFD0D0D0u}) {
      image.pixels.push_back(c);
    }
  }
  return image;
}

TEST(GdiDepth, EveryDepthKeepsThePlainColoursAndItsTable) {
  GdiDepthConverter converter;
  RasterImage image = Sample();
  for (ColourDepth depth : {ColourDepth::Bits1, ColourDepth::Bits4, ColourDepth::Bits8}) {
    IndexedImage indexed = converter.convert(image, depth);
    ASSERT_EQ(indexed.width, 5);
    ASSERT_EQ(indexed.indices.size(), image.pixels.size());
    EXPECT_EQ(indexed.palette, GdiColourTable(depth));
    RasterImage shown = ShownAsSaved(indexed);
    EXPECT_EQ(shown.at(0, 1), kWhitePixel) << BitsPerPixel(depth);
    EXPECT_EQ(shown.at(1, 2), kBlackPixel) << BitsPerPixel(depth);
    // The file carries the same table and indices.
    std::string bmp = EncodeBmp(indexed);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), BitsPerPixel(depth));
  }
  IndexedImage sixteen = converter.convert(image, ColourDepth::Bits4);
  EXPECT_EQ(sixteen.palette.size(), 16u);
  EXPECT_EQ(ShownAsSaved(sixteen).at(2, 0), kRedPixel);
  EXPECT_EQ(ShownAsSaved(sixteen).at(3, 0), 0xFF800000u);
  IndexedImage halftone = converter.convert(image, ColourDepth::Bits8);
  EXPECT_EQ(halftone.palette.size(), 256u);
  EXPECT_EQ(ShownAsSaved(halftone).at(2, 0), kRedPixel);
  IndexedImage two = converter.convert(image, ColourDepth::Bits1);
  EXPECT_EQ(two.palette, (std::vector<uint32_t>{kBlackPixel, kWhitePixel}));
  for (uint32_t p : ShownAsSaved(two).pixels) EXPECT_TRUE(p == kBlackPixel || p == kWhitePixel);
  // 24 and 32 bits keep every pixel.
  EXPECT_EQ(converter.convert(image, ColourDepth::Bits24).pixels, image.pixels);
  EXPECT_EQ(converter.convert(image, ColourDepth::Bits32).pixels, image.pixels);
}

}  // namespace
}  // namespace zf61::win32
