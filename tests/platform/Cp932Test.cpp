#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include "platform/QtTextCodec.h"
#include "support/TempDir.h"
#include "window/ControlChecks.h"

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
  // A picture name is checked character by character before Jw_cad is given it.
  QtTextCodec codec;
  EXPECT_EQ(CharacterNotInCp932("図面～①.bmp", codec), std::nullopt);
  EXPECT_EQ(CharacterNotInCp932("pl\xC3\xB6t.bmp", codec), "\xC3\xB6");
  EXPECT_EQ(CharacterNotInCp932("\xE6\x96\xB9\xE4\xBD\x93\xEB\xB0\xA9.bmp", codec),
            "\xEB\xB0\xA9");  // 方体 are Japanese, 방 is Korean
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
