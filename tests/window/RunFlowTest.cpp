// End to end without a toolkit: show, generate, OK or Cancel, and what Jw_cad finds afterwards.
#include <gtest/gtest.h>

#include "FakeFrontEnd.h"
#include "files/PathText.h"
#include "model/Numbers.h"
#include "window/Captions.h"
#include "window/KeyCodes.h"

namespace zf61 {
namespace {

using test::FormFixture;

const std::string kSquare =
    "hq\r\nhs 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nlg0\r\nly0\r\nlc2\r\n"
    "0 0 100 0\r\n100 0 100 100\r\n100 100 0 100\r\n0 100 0 0\r\n";

TEST(RunFlow, GenerateThenOkHandsBackOnePictureRecord) {
  for (bool withBz : {false, true}) {
    FormFixture f(withBz ? "bz\r\n" + kSquare : kSquare);
    f.start();
    std::string target = (f.dir / "fill.bmp").string();
    f.text(TextControl::Edit1) = target;
    f.form->Button3Click();
    ASSERT_EQ(f.text(TextControl::Label2), target);
    EXPECT_TRUE(f.frontEnd.enabled[ButtonControl::Button3]);
    const ViewWindow& v = f.form->view();
    std::string record = "ch " + FormatGeneral(v.Left) + " " + FormatGeneral(v.Bottom) +
                         " 1 0 \"^@BM" + target + "," + FormatFixed(3, v.Right - v.Left) + "\r\n";
    f.form->Button1Click();
    EXPECT_TRUE(f.frontEnd.closed);
    EXPECT_EQ(f.exchangeFile(), "bz\r\n" + record) << withBz;
    EXPECT_TRUE(std::filesystem::exists(f.dir / "fill.bmp"));
    EXPECT_FALSE(std::filesystem::exists(f.dir / "zf61_temp.BMP"));
    EXPECT_EQ(f.text(TextControl::LabelA1), "ファイル生成中です");
  }
}

// A lattice of 60 x 60 squares: enough work for the search to report how far it got.
std::string Lattice() {
  std::string text = "hq\r\n";
  for (int a = 0; a <= 60; ++a) {
    for (int b = 0; b < 60; ++b) {
      text += std::to_string(b) + " " + std::to_string(a) + " " + std::to_string(b + 1) + " " +
              std::to_string(a) + "\r\n";
      text += std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(a) + " " +
              std::to_string(b + 1) + "\r\n";
    }
  }
  return text;
}

TEST(RunFlow, ALongRunShowsProgressAndEscStopsItLeavingNothing) {
  FormFixture f(Lattice());
  test::FakeEscKey esc;
  f.start(&esc);
  f.text(TextControl::Edit1) = (f.dir / "fill.bmp").string();
  f.form->Button3Click();  // a first picture, quickly made
  ASSERT_FALSE(f.text(TextControl::Label2).empty());
  EXPECT_EQ(f.frontEnd.statuses.front(), "作図中です…");
  EXPECT_NE(f.text(TextControl::LabelA1).find(" 個の領域を塗りました。"), std::string::npos);
  // Now every reading of the clock is a second later, and Escape goes down at the first poll.
  f.clock.step = 1.0;
  esc.pressAt = 1;
  f.frontEnd.statuses.clear();
  int discarded = f.frontEnd.inputDiscarded;
  f.form->Button3Click();
  EXPECT_TRUE(f.text(TextControl::Label2).empty());
  EXPECT_FALSE(std::filesystem::exists(f.dir / "zf61_temp.BMP"));  // the first one is gone too
  EXPECT_EQ(f.text(TextControl::LabelA1), "作図を中止しました。");
  EXPECT_TRUE(f.frontEnd.enabled[ButtonControl::Button3]);
  EXPECT_FALSE(f.frontEnd.busy);
  EXPECT_EQ(f.frontEnd.inputDiscarded, discarded + 1);  // what came meanwhile does nothing
  f.form->Button1Click();                               // nothing to hand back
  EXPECT_EQ(f.exchangeFile(), "hq\r\n");
  // Without Escape the long run reports how far it got and ends with a picture.
  FormFixture g(Lattice());
  g.start();
  g.clock.step = 1.0;
  g.text(TextControl::Edit1) = (g.dir / "fill.bmp").string();
  g.form->Button3Click();
  EXPECT_FALSE(g.text(TextControl::Label2).empty());
  bool percent = false;
  for (const std::string& s : g.frontEnd.statuses)
    percent |= s.find("%（Esc キーで中止）") != std::string::npos;
  EXPECT_TRUE(percent);
}

// Two rooms whose walls meet in mid-line: one long outline and a wall across it.
const std::string kTwoRooms =
    "hq\r\n0 0 200 0\r\n200 0 200 100\r\n200 100 0 100\r\n0 100 0 0\r\n80 0 80 100\r\n"
    "150 100 150 60\r\n";

TEST(RunFlow, RoomsFillWhatClosedFiguresMissAndSayHowMany) {
  FormFixture f(kTwoRooms);
  f.start();
  f.text(TextControl::Edit1) = (f.dir / "fill.bmp").string();
  f.frontEnd.choices[ChoiceControl::ComboBox2] = 0;
  f.form->Button3Click();
  EXPECT_EQ(f.text(TextControl::LabelA1), "1 個の領域を塗りました。");  // only the outline
  f.frontEnd.choices[ChoiceControl::ComboBox2] = 1;
  f.form->Button3Click();
  EXPECT_EQ(f.text(TextControl::LabelA1), "2 個の領域を塗りました。");
  // 確認 outlines the rooms and marks the open end of the spur, and a view change clears it.
  f.form->Button6Click();
  EXPECT_EQ(f.text(TextControl::LabelA1), "領域 2 個、開いた端（赤い×印） 1 個");
  EXPECT_FALSE(f.text(TextControl::Label2).empty());  // the picture made before stays
  PixelPoint end = f.form->view().DrawingToWindow(150, 60);
  EXPECT_EQ(f.frontEnd.canvas->at(end.x + 3, end.y + 3), 0xFFFF0000u);  // red cross
  f.form->PaintBox1Paint();                                             // a repaint keeps it
  EXPECT_EQ(f.frontEnd.canvas->at(end.x + 3, end.y + 3), 0xFFFF0000u);
  f.form->FormKeyDown(kVkHome, false);
  f.form->PaintBox1Paint();
  EXPECT_NE(f.frontEnd.canvas->at(end.x + 3, end.y + 3), 0xFFFF0000u);
}

// 画像倍率 reaches the picture, is kept in the settings, and a factor the area cannot take is
// refused with a message that leaves no picture behind.
TEST(RunFlow, TheMagnificationMakesTheFinerPictureOrSaysWhyNot) {
  FormFixture f(kSquare);
  f.start();
  f.text(TextControl::Edit1) = (f.dir / "fill.bmp").string();
  f.frontEnd.choices[ChoiceControl::ComboBox3] = 2;
  f.form->Button3Click();
  ASSERT_FALSE(f.text(TextControl::Label2).empty());
  std::string bmp = test::ReadBytes(f.dir / "zf61_temp.BMP");
  ASSERT_GE(bmp.size(), 26u);
  auto le32 = [&](size_t at) {
    return static_cast<int32_t>(
        static_cast<uint8_t>(bmp[at]) | static_cast<uint8_t>(bmp[at + 1]) << 8 |
        static_cast<uint8_t>(bmp[at + 2]) << 16 | static_cast<uint8_t>(bmp[at + 3]) << 24);
  };
  EXPECT_EQ(le32(18), 3 * f.frontEnd.canvas->width());
  EXPECT_EQ(std::abs(le32(22)), 3 * f.frontEnd.canvas->height());
  f.form->PaintBox1Resized(3000, 3000);  // 9 million pixels: 64 times that is too many
  f.frontEnd.choices[ChoiceControl::ComboBox3] = 7;
  f.form->Button3Click();
  ASSERT_EQ(f.frontEnd.messages.size(), 1u);
  EXPECT_EQ(f.frontEnd.messages[0], kMessageTooLarge);
  EXPECT_TRUE(f.text(TextControl::Label2).empty());
  EXPECT_FALSE(std::filesystem::exists(f.dir / "zf61_temp.BMP"));
  f.close();
  EXPECT_EQ(readSettings(f.dir / "zf61.dat").magnification, 8);
}

TEST(RunFlow, CancelCloseBoxAndOkWithoutPictureChangeNothing) {
  for (int way = 0; way < 3; ++way) {
    for (bool withBz : {false, true}) {
      FormFixture f(withBz ? "bz\r\n" + kSquare : kSquare);
      f.start();
      f.text(TextControl::Edit1) = (f.dir / "fill.bmp").string();
      if (way != 2) f.form->Button3Click();  // a picture exists, but is not handed back
      if (way == 0) f.form->Button2Click();
      if (way == 1) f.close();
      if (way == 2) f.form->Button1Click();
      EXPECT_EQ(f.exchangeFile(), withBz ? "bz\r\n" : "hq\r\n") << way;
      EXPECT_FALSE(std::filesystem::exists(f.dir / "zf61_temp.BMP")) << way;
      EXPECT_FALSE(std::filesystem::exists(f.dir / "fill.bmp")) << way;
    }
  }
}

TEST(RunFlow, RefusedNamesGetTheirMessageAndLeaveTheButtonAlone) {
  FormFixture f("");
  f.start();
  EXPECT_EQ(f.form->store().figureCount(), 0u);
  f.text(TextControl::Edit1) = "";
  f.text(TextControl::Edit3) = "2";
  f.text(TextControl::Label2) = "old target";
  f.form->Button3Click();
  ASSERT_EQ(f.frontEnd.messages.size(), 1u);
  EXPECT_EQ(f.frontEnd.messages[0], "画像ファイル名の入力／画像ファイル指定を行って下さい。");
  EXPECT_EQ(f.text(TextControl::Edit3), "3");
  EXPECT_EQ(f.text(TextControl::Label2), "");  // the previous picture is forgotten
  f.text(TextControl::Edit1) = "a.jpg";
  f.form->Button3Click();
  EXPECT_EQ(f.frontEnd.messages.back(), "画像ファイル名は BMP形式のみです。");
  // The button is disabled only once the picture is really made, never around a message.
  EXPECT_EQ(f.frontEnd.enabled.count(ButtonControl::Button3), 0u);
  f.close();
  EXPECT_EQ(f.exchangeFile(), "hq\r\n");
}

TEST(RunFlow, ColourAndFileDialogs) {
  FormFixture f(kSquare);
  f.start();
  f.frontEnd.colourAnswer = MakeColour(10, 20, 30);
  f.form->Button4Click();
  EXPECT_EQ(f.form->fillColour(), MakeColour(10, 20, 30));
  EXPECT_EQ(f.frontEnd.swatch, MakeColour(10, 20, 30));
  f.frontEnd.colourAnswer.reset();
  f.form->Button4Click();  // cancelled: unchanged
  EXPECT_EQ(f.form->fillColour(), MakeColour(10, 20, 30));
  f.text(TextControl::Edit1) = "C:\\pics\\old.bmp";
  f.frontEnd.fileAnswer = "/tmp/new.bmp";
  f.form->Button5Click();
  EXPECT_EQ(f.frontEnd.askedFolder, "C:\\pics\\");
  EXPECT_EQ(f.frontEnd.askedName, "old.bmp");
  EXPECT_EQ(f.text(TextControl::Edit1), "/tmp/new.bmp");
  f.frontEnd.fileAnswer.reset();
  f.form->Button5Click();
  EXPECT_EQ(f.text(TextControl::Edit1), "/tmp/new.bmp");
}

TEST(RunFlow, TheBackgroundChoiceRedrawsInItsColour) {
  FormFixture f(kSquare);
  f.start();
  EXPECT_EQ(f.frontEnd.canvas->at(200, 150) & 0xFFFFFFu, 0xFFFFFFu);
  f.form->RadioGroup1Click(1);
  EXPECT_EQ(f.form->attributes().BackgroundIndex(), 1);
  EXPECT_EQ(f.frontEnd.canvas->at(200, 150) & 0xFFFFFFu, 0u);
}

// A picture name that code page 932 cannot hold is refused before anything is made, with a
// message naming the character: the record for Jw_cad would name another file.
TEST(RunFlow, ANameShiftJisCannotHoldIsRefused) {
  FormFixture f(kSquare);
  f.start();
  for (const char* name : {"pl\xC3\xB6t.bmp", "\xEB\xB0\xA9.bmp"}) {  // "plöt", a Korean "방"
    f.frontEnd.messages.clear();
    f.text(TextControl::Edit1) = PathToUtf8(f.dir.path(), true) + name;
    f.form->Button3Click();
    ASSERT_EQ(f.frontEnd.messages.size(), 1u) << name;
    std::string character =
        std::string(name).substr(name[0] == 'p' ? 2 : 0, name[0] == 'p' ? 2 : 3);
    EXPECT_EQ(f.frontEnd.messages[0],
              std::string(kMessageNotInCp932Before) + character + kMessageNotInCp932After);
    EXPECT_TRUE(f.text(TextControl::Label2).empty());
    EXPECT_FALSE(std::filesystem::exists(f.dir / "zf61_temp.BMP"));
  }
  f.text(TextControl::Edit1) = PathToUtf8(f.dir.path(), true) + "図.bmp";  // Japanese is fine
  f.form->Button3Click();
  EXPECT_EQ(f.frontEnd.messages.size(), 1u);
  EXPECT_FALSE(f.text(TextControl::Label2).empty());
}

}  // namespace
}  // namespace zf61
