#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace zf61 {
namespace {

TEST(Cp932, WindowsMappingRoundTrips) {
  // "ＭＳ ゴシック", the full-width blank, the backslash and the wave dash of code page 932.
  std::string bytes = "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e\x81\x40\\\x81\x60";
  QString text = Cp932ToUnicode(bytes);
  EXPECT_EQ(text, QString::fromUtf8(u8"ＭＳ ゴシック\u3000\\～"));
  EXPECT_EQ(UnicodeToCp932(text), bytes);
  // NEC special characters as Jw_cad users type them.
  EXPECT_EQ(Cp932ToUnicode("\x87\x40\x87\x90"), QString::fromUtf8(u8"①≒"));
  EXPECT_EQ(UnicodeToCp932(QString::fromUtf8(u8"㎡")), "\x87\x75");
  EXPECT_EQ(UnicodeToCp932(QString::fromUtf8(u8"a\U0001F600b")), "a?b");
}

TEST(Cp932, JapanesePathsReachTheFileSystem) {
  test::TempDir dir;
  std::string name = "\x90\x7d\x96\xca\x81\x40\x82\x50.bmp";  // "図面　１.bmp"
  std::filesystem::path path = dir.path() / Cp932ToPath(name);
  test::WriteBytes(path, "x");
  EXPECT_TRUE(std::filesystem::exists(dir.path() / u8"図面　１.bmp"));
  EXPECT_EQ(PathToCp932(path.filename()), name);
  EXPECT_EQ(PathToQString(path.filename()), QString::fromUtf8(u8"図面　１.bmp"));
}

}  // namespace
}  // namespace zf61
