// End to end: show, generate, OK or Cancel, and what Jw_cad finds afterwards.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "FormFixture.h"
#include "model/Numbers.h"

namespace zf61 {
namespace {

const std::string kSquare =
    "hq\r\nhs 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nlg0\r\nly0\r\nlc2\r\n"
    "0 0 100 0\r\n100 0 100 100\r\n100 100 0 100\r\n0 100 0 0\r\n";

TEST(RunFlow, GenerateThenOkHandsBackOnePictureRecord) {
  for (bool withBz : {false, true}) {
    test::FormFixture f(withBz ? "bz\r\n" + kSquare : kSquare);
    f.start();
    f.form->edit1()->setText(QString::fromStdString((f.dir / "fill.bmp").string()));
    f.form->Button3Click();
    ASSERT_EQ(f.form->label2()->text().toStdString(), (f.dir / "fill.bmp").string());
    EXPECT_TRUE(f.form->button3()->isEnabled());
    const ViewWindow& v = f.form->view();
    std::string record = "ch " + FormatGeneral(v.Left) + " " + FormatGeneral(v.Bottom) +
                         " 1 0 \"^@BM" + (f.dir / "fill.bmp").string() + "," +
                         FormatFixed(3, v.Right - v.Left) + "\r\n";
    f.form->Button1Click();
    EXPECT_EQ(f.exchangeFile(), "bz\r\n" + record) << withBz;
    EXPECT_TRUE(std::filesystem::exists(f.dir / "fill.bmp"));
    EXPECT_FALSE(std::filesystem::exists(f.dir / "zf61_temp.BMP"));
    EXPECT_EQ(f.form->labelA1()->text(), QString::fromUtf8("ファイル生成中です"));
  }
}

TEST(RunFlow, CancelCloseBoxAndOkWithoutPictureChangeNothing) {
  for (int way = 0; way < 3; ++way) {
    for (bool withBz : {false, true}) {
      test::FormFixture f(withBz ? "bz\r\n" + kSquare : kSquare);
      f.start();
      f.form->edit1()->setText(QString::fromStdString((f.dir / "fill.bmp").string()));
      if (way != 2) f.form->Button3Click();  // a picture exists, but is not handed back
      if (way == 0) f.form->Button2Click();
      if (way == 1) f.form->close();
      if (way == 2) f.form->Button1Click();
      EXPECT_EQ(f.exchangeFile(), withBz ? "bz\r\n" : "hq\r\n") << way;
      EXPECT_FALSE(std::filesystem::exists(f.dir / "zf61_temp.BMP")) << way;
      EXPECT_FALSE(std::filesystem::exists(f.dir / "fill.bmp")) << way;
    }
  }
}

TEST(RunFlow, MissingExchangeFileAndMessages) {
  test::FormFixture f("");
  f.start();
  EXPECT_EQ(f.form->store().figureCount(), 0u);
  f.form->edit1()->setText("");
  f.form->edit3()->setText("2");
  f.form->Button3Click();
  ASSERT_EQ(f.dialogs->messages.size(), 1u);
  EXPECT_EQ(f.dialogs->messages[0],
            QString::fromUtf8("画像ファイル名の入力／画像ファイル指定を行って下さい。"));
  EXPECT_EQ(f.form->edit3()->text(), "3");
  f.form->edit1()->setText("a.jpg");
  f.form->Button3Click();
  EXPECT_EQ(f.dialogs->messages.back(), QString::fromUtf8("画像ファイル名は BMP形式のみです。"));
  EXPECT_TRUE(f.form->label2()->text().isEmpty());
  f.form->close();
  EXPECT_EQ(f.exchangeFile(), "hq\r\n");
}

TEST(RunFlow, ColourAndFileDialogs) {
  test::FormFixture f(kSquare);
  f.start();
  f.dialogs->colour = QColor(10, 20, 30);
  f.form->Button4Click();
  EXPECT_EQ(f.form->fillColour(), MakeColour(10, 20, 30));
  f.dialogs->colour.reset();
  f.form->Button4Click();  // cancelled: unchanged
  EXPECT_EQ(f.form->fillColour(), MakeColour(10, 20, 30));
  f.form->edit1()->setText("C:\\pics\\old.bmp");
  f.dialogs->file = "/tmp/new.bmp";
  f.form->Button5Click();
  EXPECT_EQ(f.dialogs->askedFolder, "C:\\pics\\");
  EXPECT_EQ(f.dialogs->askedName, "old.bmp");
  EXPECT_EQ(f.form->edit1()->text(), "/tmp/new.bmp");
  f.form->close();
}

}  // namespace
}  // namespace zf61
