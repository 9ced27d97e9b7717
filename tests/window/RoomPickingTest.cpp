// Rooms picked in the drawing area: clicks and keys pick, repaint, un-pick, skip and clear;
// the picture paints what was picked; the status line tells areas; changing how rooms are found
// clears the picks; closed figures ignore clicks.
#include <gtest/gtest.h>

#include <filesystem>

#include "FakeFrontEnd.h"
#include "window/Captions.h"
#include "window/KeyCodes.h"

namespace zf61 {
namespace {

using test::FormFixture;

constexpr Colour kRed = MakeColour(255, 0, 0);
constexpr Colour kGreen = MakeColour(0, 255, 0);
constexpr Colour kBlue = MakeColour(0, 0, 255);
constexpr uint32_t kWhitePixel = 0xFFFFFFFFu;

uint32_t Pixel(Colour c) {
  return 0xFF000000u | static_cast<uint32_t>(RedOf(c)) << 16 |
         static_cast<uint32_t>(GreenOf(c)) << 8 | static_cast<uint32_t>(BlueOf(c));
}

// The house of the samples (paper millimetres): rooms A (25, 15), B (10, 70), C (70, 20) and
// D (70, 70) with a bathtub whose basin is at (88, 64).
struct House : FormFixture {
  House()
      : FormFixture(test::ReadBytes(std::filesystem::path(ZF61_PROJECT_SAMPLES_DIR) / "house_plan" /
                                    "JWC_TEMP.TXT")) {
    start();
    frontEnd.choices[ChoiceControl::ComboBox2] = 1;  // 部屋
    text(TextControl::Edit1) = (dir / "fill.bmp").string();
    text(TextControl::Edit2) = "255";
  }
  PixelPoint at(double x, double y) const { return form->view().DrawingToWindow(x, y); }
  void click(double x, double y, int button = kMouseLeft) {
    PixelPoint p = at(x, y);
    form->PaintBox1MouseDown(p.x, p.y, button);
    form->PaintBox1MouseUp(p.x, p.y);
  }
  void colour(Colour c) {
    frontEnd.colourAnswer = c;
    form->Button4Click();
  }
  uint32_t pixel(double x, double y) const {
    PixelPoint p = at(x, y);
    return frontEnd.canvas->at(p.x, p.y);
  }
  const std::string& status() { return text(TextControl::LabelA1); }
};

TEST(RoomPicking, PickRepaintUnpickAndThePictureOfThePickedRoomsOnly) {
  House h;
  h.colour(kRed);
  h.click(25, 15);
  EXPECT_EQ(h.frontEnd.statuses.front(), kStatusSearchingRooms);  // found at the first click
  EXPECT_EQ(h.status(), "部屋 13.29 ㎡（8.20 帖）　選択 1 室・1 色");
  EXPECT_NE(h.pixel(25, 15), kWhitePixel);  // tinted over the drawing
  EXPECT_EQ(h.pixel(70, 20), kWhitePixel);
  h.colour(kGreen);
  h.click(10, 70);
  h.colour(kBlue);
  h.click(70, 70);
  EXPECT_EQ(h.status(), "部屋 16.75 ㎡（10.34 帖）　選択 3 室・3 色");  // less the bathtub
  h.form->Button3Click();
  EXPECT_EQ(h.status(), "3 個の領域を塗りました。");
  EXPECT_EQ(h.pixel(25, 15), Pixel(kRed));
  EXPECT_EQ(h.pixel(10, 70), Pixel(kGreen));
  EXPECT_EQ(h.pixel(70, 70), Pixel(kBlue));
  EXPECT_EQ(h.pixel(70, 20), kWhitePixel);   // C was not picked
  EXPECT_EQ(h.pixel(88, 64), kWhitePixel);   // nor the bathtub in D
  EXPECT_EQ(h.pixel(130, 10), kWhitePixel);  // nor the toilet of the detail
  // Blue is current: A turns blue, then a second blue click un-picks it.
  h.click(25, 15);
  EXPECT_EQ(h.status(), "部屋 13.29 ㎡（8.20 帖）　選択 3 室・2 色");
  h.click(25, 15);
  EXPECT_EQ(h.status(), "部屋 13.29 ㎡（8.20 帖）　選択 2 室・2 色");
  h.form->Button3Click();
  EXPECT_EQ(h.pixel(25, 15), kWhitePixel);
  EXPECT_EQ(h.pixel(70, 70), Pixel(kBlue));
  // Outside every room a click says so and changes nothing.
  h.click(-20, 40);
  EXPECT_EQ(h.status(), kStatusNoRoom);
  EXPECT_EQ(h.form->roomSelection()->picks().pickedCount(), 2u);
}

TEST(RoomPicking, SkipClearKeysHoverAndWhatIsNotAClick) {
  House h;
  h.colour(kRed);
  h.click(70, 20, kMouseRight);  // C skipped: everything else in the current colour
  EXPECT_EQ(h.status(), "部屋 17.43 ㎡（10.76 帖）　除外 1 室");
  h.form->Button3Click();
  EXPECT_EQ(h.pixel(70, 20), kWhitePixel);
  EXPECT_EQ(h.pixel(25, 15), Pixel(kRed));
  EXPECT_EQ(h.pixel(130, 10), Pixel(kRed));
  // Delete clears, but not while a field or a list has the keys.
  h.frontEnd.controlHasKeys = true;
  EXPECT_FALSE(h.form->FormKeyDown(kVkDelete, false));
  EXPECT_FALSE(h.form->roomSelection()->picks().empty());
  h.frontEnd.controlHasKeys = false;
  EXPECT_TRUE(h.form->FormKeyDown(kVkDelete, false));
  EXPECT_TRUE(h.form->roomSelection()->picks().empty());
  EXPECT_EQ(h.status(), kStatusPicksCleared);
  // Enter picks the room under the pointer, Shift+Enter skips it; off the area it does nothing.
  EXPECT_FALSE(h.form->FormKeyDown(kVkReturn, false));
  h.frontEnd.pointer = h.at(10, 70);
  EXPECT_TRUE(h.form->FormKeyDown(kVkReturn, false));
  h.frontEnd.pointer = h.at(70, 70);
  EXPECT_TRUE(h.form->FormKeyDown(kVkReturn, true));
  const RoomPicks& picks = h.form->roomSelection()->picks();
  EXPECT_EQ(picks.pickedCount(), 1u);
  EXPECT_EQ(picks.skippedCount(), 1u);
  // The pointer over a room tells its area: the 1:20 detail at twenty times.
  PixelPoint toilet = h.at(130, 10);
  h.form->PaintBox1MouseMove(toilet.x, toilet.y);
  EXPECT_EQ(h.status().rfind("部屋 1.00 ㎡（0.61 帖）", 0), 0u) << h.status();
  // A press that moves 3 pixels, or a two-button chord, is not a click.
  PixelPoint c = h.at(70, 20);
  h.form->PaintBox1MouseDown(c.x, c.y, kMouseLeft);
  h.form->PaintBox1MouseMove(c.x + 3, c.y);
  h.form->PaintBox1MouseUp(c.x, c.y);
  h.form->PaintBox1MouseDown(c.x, c.y, kMouseLeft);
  h.form->PaintBox1MouseDown(c.x, c.y, kMouseLeft | kMouseRight);
  h.form->PaintBox1MouseUp(c.x, c.y);  // centres the view on C
  EXPECT_EQ(picks.pickedCount(), 1u);
  EXPECT_EQ(picks.skippedCount(), 1u);
  // The picks outlive view changes; a new gap finds the rooms again and clears them.
  h.form->FormKeyDown(kVkHome, false);
  ASSERT_NE(h.form->roomSelection(), nullptr);
  EXPECT_EQ(h.form->roomSelection()->picks().pickedCount(), 1u);
  h.text(TextControl::Edit4) = "0.1";
  h.form->ControlsChanged();
  EXPECT_EQ(h.form->roomSelection(), nullptr);
  EXPECT_EQ(h.status(), kStatusRoomsFoundAgain);
}

TEST(RoomPicking, ClosedFiguresIgnoreClicksAndNoPicksPaintsEverything) {
  House h;
  h.frontEnd.choices[ChoiceControl::ComboBox2] = 0;
  h.click(25, 15);
  EXPECT_EQ(h.form->roomSelection(), nullptr);
  EXPECT_FALSE(h.form->FormKeyDown(kVkDelete, false));
  h.frontEnd.choices[ChoiceControl::ComboBox2] = 1;
  h.colour(kGreen);
  h.form->Button3Click();  // rooms, nothing picked: every room
  EXPECT_EQ(h.pixel(25, 15), Pixel(kGreen));
  EXPECT_EQ(h.pixel(130, 10), Pixel(kGreen));
  EXPECT_EQ(h.pixel(88, 64), Pixel(kGreen));    // the basin is a room too
  ASSERT_NE(h.form->roomSelection(), nullptr);  // kept for the clicks that follow
  size_t rooms = h.form->roomSelection()->rooms().count;
  EXPECT_EQ(h.status(), std::to_string(rooms) + " 個の領域を塗りました。");
}

// 貼付け set to ソリッド: 作図実行 needs no picture name and makes no file; ＯＫ writes the
// picked rooms as solids after "bz", with their areas when 面積を記入 is ticked, even when 貼付け
// has changed since; Cancel writes nothing; without a picture OK writes nothing either.
TEST(RoomPicking, SolidsGoBackOnOkWithTheirAreas) {
  for (bool labels : {false, true}) {
    House h;
    h.frontEnd.choices[ChoiceControl::ComboBox4] = 1;
    h.frontEnd.choices[ChoiceControl::CheckBox1] = labels ? 1 : 0;
    h.text(TextControl::Edit1) = "";
    h.text(TextControl::Edit2) = "128";
    h.colour(kRed);
    h.click(25, 15);
    h.form->Button3Click();
    EXPECT_TRUE(h.frontEnd.messages.empty());
    EXPECT_EQ(h.status(), "1 個の領域を塗りました。ＯＫでソリッドとして貼り付けます。");
    EXPECT_EQ(h.text(TextControl::Label2), "");
    EXPECT_FALSE(std::filesystem::exists(h.dir / "zf61_temp.BMP"));
    EXPECT_EQ(h.pixel(25, 15), 0xFFFF7F7Fu);  // the fill as the solids will show it
    // 貼付け turned back to 画像 after the preview: OK still hands back what was made.
    if (labels) h.frontEnd.choices[ChoiceControl::ComboBox4] = 0;
    h.form->Button1Click();
    EXPECT_TRUE(h.frontEnd.closed);
    std::string file = h.exchangeFile();
    EXPECT_EQ(file.rfind("bz\r\nlc10 8355839\r\nsl ", 0), 0u) << file.substr(0, 60);
    EXPECT_EQ(file.find("\"13.29") != std::string::npos, labels);
    EXPECT_EQ(file.find("^@BM"), std::string::npos);
  }
  House none;
  none.frontEnd.choices[ChoiceControl::ComboBox4] = 1;
  none.form->Button1Click();  // no picture made: nothing handed back
  EXPECT_EQ(none.exchangeFile(), "bz\r\n");
}

}  // namespace
}  // namespace zf61
