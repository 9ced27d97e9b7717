#include "exchange/ExchangeWriter.h"

#include <gtest/gtest.h>

#include "support/FaultyFileOps.h"
#include "support/TempDir.h"

namespace zf61 {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(TextRecord, NumbersKeyAndRejectedRecords) {
  DrawingStore store;
  addTextRecord(store, 0, "^@BMa.bmp,297.500", 12.0, -0.5, 1.0, 0.0);
  ASSERT_EQ(store.outputLines.size(), 2u);
  EXPECT_EQ(store.outputLines[0], "ch 12 -0.5 1 0 \"");
  EXPECT_EQ(store.outputLines[1], "^@BMa.bmp,297.500");
  addTextRecord(store, 3, "x", 1e-3, 1234567.125, 0.0, 1.0);
  EXPECT_EQ(store.outputLines[2], "cr 0.001 1234567.125 0 1 \"");
  addTextRecord(store, 42, "y", 0, 0, 1, 0);
  EXPECT_EQ(store.outputLines[4].substr(0, 3), "ch ");
  // No direction, or data with nothing but blanks: nothing is added.
  addTextRecord(store, 0, "x", 0, 0, 0.5e-8, -0.5e-8);
  addTextRecord(store, 0, " \x81\x40\t ", 0, 0, 1, 0);
  EXPECT_EQ(store.outputLines.size(), 6u);
}

TEST(ExchangeFile, JoinsRecordLinesWithCrLf) {
  TempDir dir;
  DrawingStore store;
  EXPECT_TRUE(writeExchangeFile(store, dir / "JWC_TEMP.TXT"));
  EXPECT_EQ(ReadBytes(dir / "JWC_TEMP.TXT"), "hq\r\n");

  store.appendOutputLine("bz");
  addTextRecord(store, 0, "^@BMC:\\p.bmp,10.000", 1, 2, 1, 0);
  store.appendOutputLine("ends with \"");
  EXPECT_TRUE(writeExchangeFile(store, dir / "JWC_TEMP.TXT"));
  EXPECT_EQ(ReadBytes(dir / "JWC_TEMP.TXT"),
            "bz\r\nch 1 2 1 0 \"^@BMC:\\p.bmp,10.000\r\nends with \"");
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"JWC_TEMP.TXT"});
}

TEST(ExchangeFile, AnyFailureLeavesNeitherFileNorTemporary) {
  for (int fault = 0; fault < 4; ++fault) {
    TempDir dir;
    WriteBytes(dir / "JWC_TEMP.TXT", "hq\r\n0 0 1 1\r\n");
    test::FaultyFileOps ops;
    ops.failOpen = fault == 0;
    ops.failWriteAfterBytes = fault == 1 ? 3 : -1;
    ops.failClose = fault == 2;
    ops.failRename = fault == 3;
    DrawingStore store;
    store.appendOutputLine("bz");
    addTextRecord(store, 0, "^@BMx.bmp,1.000", 1, 2, 1, 0);
    EXPECT_FALSE(writeExchangeFile(store, dir / "JWC_TEMP.TXT", ops)) << fault;
    EXPECT_TRUE(dir.entries().empty()) << fault;
  }
}

TEST(FileCopy, KeepsTheTimeAndReplacesReadOnlyTargets) {
  TempDir dir;
  std::string content(5000, 'p');  // more than two blocks
  WriteBytes(dir / "src.bmp", content);
  auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(50);
  std::filesystem::last_write_time(dir / "src.bmp", old);
  WriteBytes(dir / "dst.bmp", "old");
  std::filesystem::permissions(dir / "dst.bmp", std::filesystem::perms::owner_read);
  auto kept = std::filesystem::last_write_time(dir / "src.bmp");
  ASSERT_TRUE(copyFileKeepingTime(dir / "src.bmp", dir / "dst.bmp"));
  EXPECT_EQ(ReadBytes(dir / "dst.bmp"), content);
  // To the precision the standard library reads (whole seconds on Windows; the Windows suite
  // checks the time there to its full precision).
  EXPECT_EQ(std::filesystem::last_write_time(dir / "dst.bmp"), kept);
  EXPECT_LT(std::chrono::abs(kept - old), std::chrono::seconds(2));
  EXPECT_FALSE(copyFileKeepingTime(dir / "none.bmp", dir / "x.bmp"));
  EXPECT_FALSE(std::filesystem::exists(dir / "x.bmp"));
}

TEST(FileCopy, AFailedCopyLeavesTheOldTargetWhole) {
  TempDir dir;
  WriteBytes(dir / "src.bmp", std::string(5000, 'n'));
  WriteBytes(dir / "dst.bmp", "previous");
  test::FaultyFileOps ops;
  ops.failWriteAfterBytes = 2048;
  EXPECT_FALSE(copyFileKeepingTime(dir / "src.bmp", dir / "dst.bmp", ops));
  EXPECT_EQ(ReadBytes(dir / "dst.bmp"), "previous");
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"dst.bmp", "src.bmp"}));
}

TEST(HandBack, CopiesThePictureAndAddsOneRecordInPaperUnits) {
  TempDir dir;
  WriteBytes(dir / "zf61_temp.BMP", "BMdata");
  PicturePlacement placement{-10.0, 20.25, 297.5};
  DrawingStore store;
  handBackPicture(store, dir / "out.bmp", "C:\\pics\\out.bmp", dir / "zf61_temp.BMP", placement);
  EXPECT_EQ(ReadBytes(dir / "out.bmp"), "BMdata");
  ASSERT_EQ(store.outputLines.size(), 3u);
  EXPECT_EQ(store.outputLines[0], "bz");  // the record is in paper millimetres
  EXPECT_EQ(store.outputLines[1], "ch -10 20.25 1 0 \"");
  EXPECT_EQ(store.outputLines[2], "^@BMC:\\pics\\out.bmp,297.500");

  // With "bz" in the input it is already the first output line and is not repeated.
  DrawingStore withBz;
  withBz.settings.bzFlag = true;
  withBz.appendOutputLine("bz");
  handBackPicture(withBz, dir / "out.bmp", "out.bmp", dir / "zf61_temp.BMP", placement);
  EXPECT_EQ(withBz.outputLines.size(), 3u);
}

TEST(HandBack, NothingWithoutAPictureOrWhenTheCopyFails) {
  TempDir dir;
  PicturePlacement placement{0, 0, 100};
  DrawingStore store;
  handBackPicture(store, dir / "out.bmp", "", dir / "zf61_temp.BMP", placement);
  handBackPicture(store, dir / "out.bmp", "out.bmp", dir / "zf61_temp.BMP", placement);
  EXPECT_TRUE(store.outputLines.empty());

  WriteBytes(dir / "zf61_temp.BMP", "BMnew");
  WriteBytes(dir / "out.bmp", "BMold");
  test::FaultyFileOps ops;
  ops.failRename = true;
  handBackPicture(store, dir / "out.bmp", "out.bmp", dir / "zf61_temp.BMP", placement, ops);
  EXPECT_TRUE(store.outputLines.empty());  // no record pointing at the old picture
  EXPECT_EQ(ReadBytes(dir / "out.bmp"), "BMold");

  handBackPicture(store, dir / "out.bmp", "out.bmp", dir / "zf61_temp.BMP", {0, 0, 1e-11});
  EXPECT_TRUE(store.outputLines.empty());
}

}  // namespace
}  // namespace zf61
