// Code page 932 through Windows itself, and the wide file layer: Japanese names, file times to
// the 100-nanosecond, read-only pictures replaced.
#include <gtest/gtest.h>

#include <windows.h>

#include "exchange/ExchangeWriter.h"
#include "platform/WideText.h"
#include "platform/Win32FileOps.h"
#include "platform/Win32TextCodec.h"
#include "support/TempDir.h"
#include "window/ControlChecks.h"

namespace zf61::win32 {
namespace {

FILETIME LastWrite(const std::filesystem::path& path) {
  FILETIME t = {};
  HANDLE h = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  GetFileTime(h, nullptr, nullptr, &t);
  CloseHandle(h);
  return t;
}

void SetLastWrite(const std::filesystem::path& path, FILETIME t) {
  HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  SetFileTime(h, nullptr, nullptr, &t);
  CloseHandle(h);
}

TEST(Win32Text, ShiftJisRoundTripsAndUnmappableBecomesQuestionMark) {
  Win32TextCodec codec;
  const std::string plan = "\x90\x7d\x96\xca.jww";  // 図面.jww
  EXPECT_EQ(codec.cp932ToUtf8(plan), "図面.jww");
  EXPECT_EQ(codec.utf8ToCp932("図面.jww"), plan);
  EXPECT_EQ(codec.utf8ToCp932("a\xC3\xA9"), "a?");  // é has no place in code page 932
  EXPECT_EQ(codec.cp932ToUtf8("\x81\x60"), "～");   // the Windows mapping, not JIS's wave dash
  EXPECT_EQ(Cp932ToPath(plan).wstring(), L"図面.jww");
  // A picture name is checked character by character before Jw_cad is given it.
  EXPECT_EQ(CharacterNotInCp932("図面～①.bmp", codec), std::nullopt);
  EXPECT_EQ(CharacterNotInCp932("pl\xC3\xB6t.bmp", codec), "\xC3\xB6");
  EXPECT_EQ(CharacterNotInCp932("\xE6\x96\xB9\xE4\xBD\x93\xEB\xB0\xA9.bmp", codec),
            "\xEB\xB0\xA9");  // 方体 are Japanese, 방 is Korean
}

TEST(Win32Files, TheCopyKeepsTheTimeExactlyAndReplacesReadOnlyPictures) {
  test::TempDir dir;
  std::filesystem::path folder = dir.path() / Utf8ToWide("図面");
  std::filesystem::create_directories(folder);
  std::filesystem::path source = folder / L"zf61_temp.BMP", target = folder / L"塗り.bmp";
  test::WriteBytes(source, std::string(5000, 'p'));
  FILETIME odd = {};
  odd.dwLowDateTime = 0x12345677;  // not a whole second
  odd.dwHighDateTime = 0x01D9A000;
  SetLastWrite(source, odd);
  test::WriteBytes(target, "old");
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(copyFileKeepingTime(source, target));
  EXPECT_EQ(test::ReadBytes(target), std::string(5000, 'p'));
  FILETIME kept = LastWrite(target);
  EXPECT_EQ(kept.dwLowDateTime, odd.dwLowDateTime);
  EXPECT_EQ(kept.dwHighDateTime, odd.dwHighDateTime);
  // Only the copy and the source are left: no temporary file beside them.
  EXPECT_EQ(dir.entries().size(), 1u);
  size_t files = 0;
  for (const auto& e : std::filesystem::directory_iterator(folder)) files += e.is_regular_file();
  EXPECT_EQ(files, 2u);
}

TEST(Win32Files, RemovingAndMakingWritableWhatIsNotThere) {
  test::TempDir dir;
  Win32FileOps ops;
  EXPECT_TRUE(ops.remove(dir / "none.bmp"));
  EXPECT_TRUE(ops.makeWritable(dir / "none.bmp"));
  EXPECT_FALSE(ops.copyLastWriteTime(dir / "none.bmp", dir / "other.bmp"));
  EXPECT_EQ(ops.create(dir / "no such folder" / "x.bmp"), nullptr);
  test::WriteBytes(dir / "a.txt", "a");
  test::WriteBytes(dir / "b.txt", "b");
  EXPECT_TRUE(ops.rename(dir / "a.txt", dir / "b.txt"));  // replaces what is there
  EXPECT_EQ(test::ReadBytes(dir / "b.txt"), "a");
  EXPECT_EQ(&SystemFileOps(), &SystemFileOps());
  EXPECT_NE(dynamic_cast<Win32FileOps*>(&SystemFileOps()), nullptr);
}

}  // namespace
}  // namespace zf61::win32
