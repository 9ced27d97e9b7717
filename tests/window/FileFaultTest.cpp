// Every file the window writes, made to fail in every way: the run goes on silently, no partial
// and no temporary file is left, and a file that could not be replaced keeps its content.
#include <gtest/gtest.h>

#include "FakeFrontEnd.h"

namespace zf61 {
namespace {

const std::string kSquare = "hq\r\n0 0 100 0\r\n100 0 100 100\r\n100 100 0 100\r\n0 100 0 0\r\n";

enum class Fault { OpenFails, WriteFailsAfterN, RenameFails, DiskFull };

void Inject(test::FaultyFileOps& ops, Fault fault) {
  ops.failOpen = fault == Fault::OpenFails;
  ops.failWriteAfterBytes = fault == Fault::WriteFailsAfterN ? 2 : -1;
  ops.failRename = fault == Fault::RenameFails;
  ops.failClose = fault == Fault::DiskFull;
}

bool NoTemporaryFiles(const test::TempDir& dir) {
  for (const std::string& name : dir.entries()) {
    if (name.find("zf61-tmp") != std::string::npos) return false;
  }
  return true;
}

TEST(FileFaults, GenerationAndTheCloseSequence) {
  for (Fault fault :
       {Fault::OpenFails, Fault::WriteFailsAfterN, Fault::RenameFails, Fault::DiskFull}) {
    test::FormFixture f(kSquare);
    test::WriteBytes(f.dir / "zf61.dat",
                     "5\r\n6\r\n500\r\n400\r\n0\r\n\r\n128\r\n0\r\n24\r\n4\r\n");
    test::WriteBytes(f.dir / "fill.bmp", "previous picture");
    f.start();
    f.text(TextControl::Edit1) = (f.dir / "fill.bmp").string();
    Inject(f.files, fault);
    f.form->Button3Click();  // the temporary picture cannot be written
    EXPECT_TRUE(f.text(TextControl::Label2).empty());
    EXPECT_TRUE(f.frontEnd.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(f.dir / "zf61_temp.BMP"));
    f.form->Button1Click();  // nothing to hand back; settings and exchange file fail to write
    EXPECT_EQ(test::ReadBytes(f.dir / "fill.bmp"), "previous picture");
    EXPECT_EQ(test::ReadBytes(f.dir / "zf61.dat").substr(0, 3), "5\r\n");  // intact
    EXPECT_FALSE(std::filesystem::exists(f.dir / "JWC_TEMP.TXT"));         // Jw_cad applies nothing
    EXPECT_TRUE(NoTemporaryFiles(f.dir));
  }
}

// OK whose copy fails keeps the window open and says so: the picture is not lost, and another
// try (after the fault is gone, or with another name) hands it back.
TEST(FileFaults, TheCopyToTheTargetFailsAfterAGoodPicture) {
  for (Fault fault :
       {Fault::OpenFails, Fault::WriteFailsAfterN, Fault::RenameFails, Fault::DiskFull}) {
    test::FormFixture f(kSquare);
    test::WriteBytes(f.dir / "fill.bmp", "previous picture");
    f.start();
    f.text(TextControl::Edit1) = (f.dir / "fill.bmp").string();
    f.form->Button3Click();
    ASSERT_FALSE(f.text(TextControl::Label2).empty());
    Inject(f.files, fault);
    f.form->Button1Click();
    EXPECT_FALSE(f.frontEnd.closed);
    EXPECT_EQ(f.text(TextControl::LabelA1),
              "画像ファイルを書き込めませんでした。画像ファイル名を変えて作図し直して下さい。");
    EXPECT_EQ(test::ReadBytes(f.dir / "fill.bmp"), "previous picture");
    EXPECT_TRUE(std::filesystem::exists(f.dir / "zf61_temp.BMP"));
    EXPECT_TRUE(NoTemporaryFiles(f.dir));
    EXPECT_EQ(f.exchangeFile(), kSquare);  // not yet written: the window is open
    f.files = test::FaultyFileOps();       // the fault is gone
    f.form->Button1Click();
    EXPECT_TRUE(f.frontEnd.closed);
    EXPECT_NE(test::ReadBytes(f.dir / "fill.bmp"), "previous picture");
    EXPECT_NE(f.exchangeFile().find("^@BM"), std::string::npos);
  }
}

}  // namespace
}  // namespace zf61
