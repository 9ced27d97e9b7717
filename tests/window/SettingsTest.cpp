#include "window/SettingsFile.h"

#include <gtest/gtest.h>

#include "FakeFrontEnd.h"
#include "support/FaultyFileOps.h"

namespace zf61 {
namespace {

TEST(SettingsFile, DefaultsClampsAndRoundTrip) {
  test::TempDir dir;
  Settings none = readSettings(dir / "zf61.dat");
  EXPECT_EQ(none.width, 475);
  EXPECT_EQ(none.height, 475);
  EXPECT_EQ(none.fillColour, kWhite);
  EXPECT_EQ(none.opacity, "128");
  EXPECT_EQ(none.arcDivisions, "24");
  EXPECT_EQ(none.colourDepth, 4);
  test::WriteBytes(dir / "zf61.dat",
                   "10\r\n20\r\n300\r\n100\r\n255\r\n\x90\x7d.bmp\r\nabc\r\n7\r\n");
  Settings s = readSettings(dir / "zf61.dat");
  EXPECT_EQ(s.left, 10);
  EXPECT_EQ(s.width, 475);
  EXPECT_EQ(s.height, 200);
  EXPECT_EQ(s.fillColour, MakeColour(255, 0, 0));
  EXPECT_EQ(s.pictureFileName, "\x90\x7d.bmp");
  EXPECT_EQ(s.opacity, "abc");  // as typed
  EXPECT_EQ(s.background, 1);
  EXPECT_EQ(s.arcDivisions, "");  // missing lines read as empty
  EXPECT_EQ(s.colourDepth, 0);
  test::WriteBytes(dir / "zf61.dat", "0\n0\n475\n475\n0\n\n1\n0\n3\n9\n");
  EXPECT_EQ(readSettings(dir / "zf61.dat").colourDepth, 4);
  test::WriteBytes(dir / "zf61.dat", "0\n0\n475\n475\n0\n\n1\n0\n3\n-1\n");
  EXPECT_EQ(readSettings(dir / "zf61.dat").colourDepth, 0);
  // A file of ten lines keeps the defaults of the lines after them; more lines are read.
  EXPECT_EQ(readSettings(dir / "zf61.dat").fillMethod, 0);
  EXPECT_EQ(readSettings(dir / "zf61.dat").gap, "0");
  EXPECT_EQ(readSettings(dir / "zf61.dat").magnification, 1);
  test::WriteBytes(dir / "zf61.dat", "0\n0\n475\n475\n0\n\n1\n0\n3\n-1\n5\n0.5 mm\n4\n");
  EXPECT_EQ(readSettings(dir / "zf61.dat").fillMethod, 1);
  EXPECT_EQ(readSettings(dir / "zf61.dat").gap, "0.5 mm");
  EXPECT_EQ(readSettings(dir / "zf61.dat").magnification, 4);
  for (const char* factor : {"0", "9", "x"}) {
    test::WriteBytes(dir / "zf61.dat",
                     std::string("0\n0\n475\n475\n0\n\n1\n0\n3\n-1\n5\n0\n") + factor + "\n");
    EXPECT_EQ(readSettings(dir / "zf61.dat").magnification, 1) << factor;
  }
  // Lines 14 and 15: solids and area labels; a file of thirteen lines reads them as off.
  EXPECT_EQ(readSettings(dir / "zf61.dat").handBack, 0);
  EXPECT_EQ(readSettings(dir / "zf61.dat").areaLabels, 0);
  test::WriteBytes(dir / "zf61.dat", "0\n0\n475\n475\n0\n\n1\n0\n3\n-1\n5\n0\n2\n1\n7\n");
  EXPECT_EQ(readSettings(dir / "zf61.dat").handBack, 1);
  EXPECT_EQ(readSettings(dir / "zf61.dat").areaLabels, 1);
  test::WriteBytes(dir / "zf61.dat", "0\n0\n475\n475\n0\n\n1\n0\n3\n-1\n5\n0\n2\n2\n0\n");
  EXPECT_EQ(readSettings(dir / "zf61.dat").handBack, 0);  // no third way: the picture
  s.magnification = 7;
  s.handBack = 1;
  s.areaLabels = 1;
  ASSERT_TRUE(writeSettings(dir / "zf61.dat", s));
  Settings back = readSettings(dir / "zf61.dat");
  EXPECT_EQ(back.pictureFileName, s.pictureFileName);
  EXPECT_EQ(back.height, 200);
  EXPECT_EQ(back.magnification, 7);
  EXPECT_EQ(back.handBack, 1);
  EXPECT_EQ(back.areaLabels, 1);
  EXPECT_EQ(test::ReadBytes(dir / "zf61.dat").substr(0, 8), "10\r\n20\r\n");
  EXPECT_EQ(SettingsPathFor("/opt/tool/zf61.exe"), std::filesystem::path("/opt/tool/zf61.dat"));
}

// A stream whose reads fail after its first bytes, as a file on a failing disk does.
class FailingBuffer final : public std::streambuf {
 public:
  explicit FailingBuffer(std::string head) : head_(std::move(head)) {
    setg(head_.data(), head_.data(), head_.data() + head_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }

 private:
  std::string head_;
};

TEST(SettingsFile, WhatCouldNotBeReadKeepsItsDefaults) {
  FailingBuffer buffer("10\r\n20\r\n600\r\n");
  std::istream in(&buffer);
  Settings s = readSettings(in);
  EXPECT_EQ(s.left, 10);
  EXPECT_EQ(s.width, 600);
  EXPECT_EQ(s.height, 475);  // line 4 was not read
  EXPECT_EQ(s.fillColour, kWhite);
  EXPECT_EQ(s.opacity, "128");
  EXPECT_EQ(s.arcDivisions, "24");
  EXPECT_EQ(s.colourDepth, 4);
  // A file that is there but cannot be opened (here: a folder of that name) gives the defaults.
  test::TempDir dir;
  std::filesystem::create_directories(dir / "zf61.dat");
  EXPECT_EQ(readSettings(dir / "zf61.dat").opacity, "128");
}

TEST(SettingsFile, AFailedWriteKeepsTheOldFile) {
  test::TempDir dir;
  test::WriteBytes(dir / "zf61.dat", "old");
  test::FaultyFileOps ops;
  ops.failRename = true;
  EXPECT_FALSE(writeSettings(dir / "zf61.dat", Settings(), ops));
  EXPECT_EQ(test::ReadBytes(dir / "zf61.dat"), "old");
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"zf61.dat"});
}

TEST(SettingsFile, TheWindowReadsThemAtShowAndWritesThemAtClose) {
  test::FormFixture f("");
  test::WriteBytes(f.dir / "zf61.dat",
                   "7\r\n9\r\n600\r\n400\r\n65280\r\n\x90\x7d.bmp\r\n99\r\n1\r\n12\r\n2\r\n");
  f.start();
  EXPECT_EQ(f.form->fillColour(), MakeColour(0, 255, 0));
  EXPECT_EQ(f.frontEnd.swatch, MakeColour(0, 255, 0));
  EXPECT_EQ(f.text(TextControl::Edit1), "図.bmp");
  EXPECT_EQ(f.text(TextControl::Edit2), "99");
  EXPECT_EQ(f.text(TextControl::Edit3), "12");
  EXPECT_EQ(f.frontEnd.choices[ChoiceControl::ComboBox1], 2);
  EXPECT_EQ(f.frontEnd.choices[ChoiceControl::RadioGroup1], 1);
  EXPECT_EQ(f.form->attributes().BackgroundIndex(), 1);
  WindowGeometry g = f.frontEnd.windowGeometry;
  EXPECT_EQ(g.left, 7);
  EXPECT_EQ(g.top, 9);
  EXPECT_EQ(g.width, 600);
  EXPECT_EQ(g.height, 400);
  f.text(TextControl::Edit3) = "36";
  f.frontEnd.windowGeometry = {0, 0, 700, 500};
  f.close();
  Settings saved = readSettings(f.dir / "zf61.dat");
  EXPECT_EQ(saved.arcDivisions, "36");
  EXPECT_EQ(saved.pictureFileName, "\x90\x7d.bmp");
  EXPECT_EQ(saved.background, 1);
  EXPECT_EQ(saved.left, 0);  // a stored 0, 0 is a place like any other
  EXPECT_EQ(saved.width, 700);
}

}  // namespace
}  // namespace zf61
