// BMP files of every depth read back byte by byte and through Qt's reader.
#include "output/BmpWriter.h"

#include <gtest/gtest.h>

#include <QImage>

#include "support/FaultyFileOps.h"
#include "support/TempDir.h"

namespace zf61 {
namespace {

uint32_t U32(const std::string& b, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
uint32_t U16(const std::string& b, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

// 13 x 7 pixels (every row needs padding at every depth): a colour per column and row.
RasterImage TestImage() {
  const uint32_t colours[] = {0xFF000000, 0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00,
                              0xFF0000FF, 0xFF808080, 0xFFC0C0C0, 0xFF336699};
  RasterImage image;
  image.width = 13;
  image.height = 7;
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 13; ++x) image.pixels.push_back(colours[(x + y) % 8]);
  }
  return image;
}

TEST(BmpWriter, EveryDepthReadsBackByteForByteAndThroughQt) {
  test::TempDir dir;
  RasterImage image = TestImage();
  for (int d = 0; d <= 4; ++d) {
    auto depth = static_cast<ColourDepth>(d);
    IndexedImage indexed = ConvertToDepth(image, depth);
    std::string name = "depth";
    name += static_cast<char>('0' + d);
    auto path = dir / (name + ".bmp");
    ASSERT_TRUE(WriteBmpFile(path, indexed)) << d;
    std::string b = test::ReadBytes(path);
    int bits = BitsPerPixel(depth);
    size_t paletteSize = PaletteOf(depth).size();
    uint32_t rowBytes = (13 * bits + 31) / 32 * 4;
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 10), 54 + 4 * paletteSize);
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ(U32(b, 18), 13u);
    EXPECT_EQ(U32(b, 22), 7u);  // positive: bottom-up
    EXPECT_EQ(U16(b, 26), 1u);
    EXPECT_EQ(U16(b, 28), static_cast<uint32_t>(bits));
    EXPECT_EQ(U32(b, 30), 0u);  // BI_RGB
    EXPECT_EQ(b.size(), 54 + 4 * paletteSize + rowBytes * 7);
    // The first stored row is the bottom one; its first pixel is colours[(0 + 6) % 8].
    size_t row0 = 54 + 4 * paletteSize;
    if (bits == 32) {
      EXPECT_EQ(U32(b, row0), 0x00C0C0C0u);      // B, G, R, 0
      EXPECT_EQ(U32(b, row0 + 4), 0x00336699u);  // next pixel
    } else if (bits == 24) {
      EXPECT_EQ(U32(b, row0) & 0xFFFFFF, 0xC0C0C0u);
    }
    QImage loaded(QString::fromStdString(path.string()));
    ASSERT_FALSE(loaded.isNull()) << d;
    RasterImage shown = ShownAsSaved(indexed);
    for (int y = 0; y < 7; ++y) {
      for (int x = 0; x < 13; ++x) {
        ASSERT_EQ(loaded.pixel(x, y) | 0xFF000000u, shown.at(x, y)) << d << " " << x << "," << y;
      }
    }
  }
}

TEST(Palette, NearestEntryWithTiesToTheLowerIndex) {
  RasterImage image;
  image.width = 4;
  image.height = 1;
  image.pixels = {0xFF7F7F7F, 0xFF808080, 0xFFFF0000, 0xFF3A3A3A};
  IndexedImage two = ConvertToDepth(image, ColourDepth::Bits1);
  EXPECT_EQ(two.indices, (std::vector<uint8_t>{0, 1, 0, 0}));  // 127 nearer black, 128 white
  IndexedImage sixteen = ConvertToDepth(image, ColourDepth::Bits4);
  EXPECT_EQ(sixteen.indices[1], 7);  // exactly (128, 128, 128)
  EXPECT_EQ(sixteen.indices[2], 9);  // (255, 0, 0)
  EXPECT_EQ(PaletteOf(ColourDepth::Bits8).size(), 256u);
  EXPECT_TRUE(PaletteOf(ColourDepth::Bits24).empty());
  // (64, 0, 0) is 64^2 from both black (index 0) and (128, 0, 0) (index 1): the lower wins.
  image.pixels = {0xFF400000, 0, 0, 0};
  EXPECT_EQ(ConvertToDepth(image, ColourDepth::Bits4).indices[0], 0);
}

TEST(BmpWriter, AFailedWriteLeavesNoFile) {
  test::TempDir dir;
  test::FaultyFileOps ops;
  ops.failWriteAfterBytes = 100;
  EXPECT_FALSE(WriteBmpFile(dir / "x.bmp", ConvertToDepth(TestImage(), ColourDepth::Bits24), ops));
  EXPECT_TRUE(dir.entries().empty());
}

}  // namespace
}  // namespace zf61
