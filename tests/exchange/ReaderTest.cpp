#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "exchange/ExchangeReader.h"
#include "support/TempDir.h"

namespace zf61 {
namespace {

DrawingStore Read(std::initializer_list<const char*> lines) {
  DrawingStore store;
  ExchangeReader reader(store);
  for (const char* line : lines) reader.parseLine(line);
  return store;
}

TEST(Reader, HeaderKeys) {
  DrawingStore s = Read(
      {"file=C:\\my work\\plan a.jww", "hk 2.5", "hs 1 100 50 50 60 1 1 1 1 50 50 1 50 50 50 1",
       "hzs 800 600", "hcw 1 2 3 4 5 6 7 8 9 10", "hcc 1 1 2 2 3 3 4 4 5 9", "hn 1 2 3 4", "bz"});
  EXPECT_EQ(s.settings.drawingFileName, "C:\\my work\\plan a.jww");
  EXPECT_EQ(s.settings.hkValue, 2.5);
  EXPECT_EQ(s.settings.groupScale[1], 100.0);
  EXPECT_EQ(s.settings.groupScale[4], 60.0);
  EXPECT_EQ(s.settings.hzsValues[1], 600.0);
  EXPECT_EQ(s.settings.textStyles[9].width, 10.0);
  EXPECT_EQ(s.settings.textStyles[9].colour, 9);
  EXPECT_EQ(s.settings.textStyles[9].height, 3.0);  // untouched
  EXPECT_EQ(s.settings.hnValues[3], 4.0);
  EXPECT_TRUE(s.settings.bzFlag);
  // Too few values: the line is skipped, not taken as a line figure.
  DrawingStore short_ = Read({"hs 100", "hs 1 2 3", "hcw 1 2"});
  EXPECT_EQ(short_.settings.groupScale[0], 1.0);
  EXPECT_EQ(short_.figureCount(), 0u);
}

TEST(Reader, UnusableGroupScalesReadAsOne) {
  DrawingStore s = Read({"hs 0 -50 abc 1e999 nan 2 1 1 1 1 1 1 1 1 1 0.5"});
  EXPECT_EQ(s.settings.groupScale[0], 1.0);
  EXPECT_EQ(s.settings.groupScale[1], 1.0);
  EXPECT_EQ(s.settings.groupScale[2], 1.0);
  EXPECT_EQ(s.settings.groupScale[3], 1.0);
  EXPECT_EQ(s.settings.groupScale[4], 1.0);
  EXPECT_EQ(s.settings.groupScale[5], 2.0);
  EXPECT_EQ(s.settings.groupScale[15], 0.5);
}

TEST(Reader, LayersPensAndFirstValues) {
  DrawingStore s = Read({"lgA", "ly3 2", "lc10 65408", "lt5", "lw35",
                         "lyn"
                         "walls",
                         "lgZ", "ly2", "lc3", "0 0 1 1"});
  EXPECT_EQ(s.settings.firstGroup, 10);
  EXPECT_EQ(s.settings.firstLayer, 3);
  EXPECT_EQ(s.settings.layerState[10 * 16 + 3], 2);
  EXPECT_EQ(s.settings.layerName[10 * 16 + 3], "walls");
  EXPECT_EQ(s.settings.first.colour, 10);
  EXPECT_EQ(s.current.solidRgb, 65408);
  const LineFigure& line = s.lines.at(0);
  EXPECT_EQ(line.header.group, 0);  // "lgZ" selects group 0
  EXPECT_EQ(line.header.layer, 2);
  EXPECT_EQ(line.header.colour, 3);
  EXPECT_EQ(line.header.lineType, 5);
  EXPECT_EQ(line.header.lineWidth, 35);
  EXPECT_EQ(Read({"lyf"}).current.layer, 15);
  EXPECT_EQ(Read({"cc5"}).current.ccValue, 5);
  EXPECT_EQ(Read({"cc9"}).current.ccValue, 0);
}

TEST(Reader, TextsTakeTheirStyle) {
  DrawingStore s =
      Read({"hcw 1 2 3 4 5 6 7 8 9 10", "hcc 1 1 2 2 3 3 4 4 5 7", "cn10", "cn\"$<font a>",
            "ch 1 2 3 4 \"two words", "cn0 4 5 0.5 6", "cv 1 2 0 1 \"x", "cn42", "c2 0 0 1 0 \"y"});
  ASSERT_EQ(s.texts.size(), 3u);
  const TextFigure& a = s.texts[0];
  EXPECT_EQ(a.textVariant, 0);
  EXPECT_EQ(a.text, "two words");
  EXPECT_EQ(a.fontName, "<font a>");
  EXPECT_EQ(a.charWidth, 10.0);
  EXPECT_EQ(a.header.colour, 7);
  const TextFigure& b = s.texts[1];
  EXPECT_EQ(b.textVariant, 1);
  EXPECT_EQ(b.styleNumber, 0);
  EXPECT_EQ(b.charWidth, 4.0);
  EXPECT_EQ(b.charHeight, 5.0);
  EXPECT_EQ(b.charSpacing, 0.5);
  EXPECT_EQ(b.header.colour, 6);
  EXPECT_EQ(b.dirY, 1.0);
  // A style outside 1..10 keeps the explicit style-0 values.
  EXPECT_EQ(s.texts[2].textVariant, 9);
  EXPECT_EQ(s.texts[2].charWidth, 4.0);
  EXPECT_EQ(s.texts[2].header.colour, 6);
  // Texts are cut at 255 bytes.
  std::string longText = "ch 0 0 1 0 \"" + std::string(400, 'a');
  EXPECT_EQ(Read({longText.c_str()}).texts[0].text.size(), 255u);
}

TEST(Reader, CirclesArcsPointsAndBlocks) {
  DrawingStore s =
      Read({"ci 1 2 3", "ci 1 2 3 ", "ci 1 2 3 10 20", "ci 4 5 6 10 20 0.5 30", "pt 7 8",
            "pt 1 2 3 4 5", "pt 1 2 3 4 9.7", "BL 1 2 \"block one", "pn3", "pt 0 0"});
  ASSERT_EQ(s.circles.size(), 1u);
  EXPECT_EQ(s.circles[0].radius, 3.0);
  ASSERT_EQ(s.arcs.size(), 1u);
  EXPECT_EQ(s.arcs[0].flatness, 0.5);
  EXPECT_EQ(s.arcs[0].tiltAngle, 30.0);
  ASSERT_EQ(s.points.size(), 2u);
  EXPECT_EQ(s.points[0].header.colour, 1);
  EXPECT_EQ(s.points[1].header.colour, 3);
  ASSERT_EQ(s.extendedPoints.size(), 2u);
  EXPECT_EQ(s.extendedPoints[0].code5, 5);
  EXPECT_EQ(s.extendedPoints[1].code5, 0);  // 9.7 is not an integer
  ASSERT_EQ(s.blocks.size(), 1u);
  EXPECT_EQ(s.blocks[0].blockName, "block one");
  // A figure key with four fields falls through to a line whose first x is 0.
  DrawingStore t = Read({"ch 1 2 3", "pt 1 2 3", "sl 1 2 3"});
  ASSERT_EQ(t.lines.size(), 3u);
  EXPECT_EQ(t.lines[0].x1, 0.0);
  EXPECT_EQ(t.lines[0].y1, 1.0);
}

TEST(Reader, SolidsCollapseWhenCornersCoincide) {
  DrawingStore s =
      Read({"lc10 255", "sl 0 0 1 1", "sl 0 0 0 0 5 5", "sl 0 0 1 1 1 1", "sl 0 0 1 0 1 1",
            "sl 3 3 3 3 3 3 3 3", "sl 0 0 0 0 0 0 9 9", "sl 0 0 1 0 1 0 1 0", "sl 0 0 0 0 2 2 2 2",
            "sl 0 0 1 0 1 1 0 0", "sl 0 0 1 0 0 0 1 1", "sl 0 0 0 0 1 0 1 1",
            "sl 0 0 1 0 1 1 0 1.00000000005", "sl 0 0 1 0 1 1 0 1"});
  // Lines: the two-point solid, P1=P2, P2=P3, all four equal, P1=P2=P3, P2=P3=P4, P1=P2&P3=P4.
  ASSERT_EQ(s.solidLines.size(), 7u);
  EXPECT_EQ(s.solidLines[1].x2, 5.0);
  EXPECT_EQ(s.solidLines[2].x2, 1.0);
  EXPECT_EQ(s.solidLines[3].x1, s.solidLines[3].x2);
  EXPECT_EQ(s.solidLines[4].x2, 9.0);
  EXPECT_EQ(s.solidLines[5].x2, 1.0);
  EXPECT_EQ(s.solidLines[6].x2, 2.0);
  // Triangles: three corners, P4=P1, P3=P1, P2=P1.
  ASSERT_EQ(s.solidTriangles.size(), 4u);
  EXPECT_EQ(s.solidTriangles[1].x3, 1.0);  // P4 = P1 keeps P1 P2 P3
  EXPECT_EQ(s.solidTriangles[2].x3, 1.0);  // P3 = P1 gives P1 P2 P4
  EXPECT_EQ(s.solidTriangles[2].y3, 1.0);
  EXPECT_EQ(s.solidTriangles[3].x2, 1.0);  // P2 = P1 gives P1 P3 P4
  // Corners within 1e-10 count as equal, but the quad stays a quad otherwise.
  ASSERT_EQ(s.solidQuads.size(), 2u);
  EXPECT_EQ(s.solidQuads[0].solidRgb, 255);
}

TEST(Reader, SolidCurves) {
  DrawingStore s = Read({"sc 500 500 500 1 0 0 1.5707963267949 5", "so 1 2 3 1 0 0 1 2.5",
                         "sg 1 2 3 1 0 0 1", "se 1 2 3 1 0 0 1 -1"});
  ASSERT_EQ(s.solidCurves(FigureKind::SolidCurveSc).size(), 1u);
  EXPECT_EQ(s.solidCurves(FigureKind::SolidCurveSc)[0].parameter8Int, 5);
  EXPECT_EQ(s.solidCurves(FigureKind::SolidCurveSc)[0].sweep, 1.5707963267949);
  EXPECT_EQ(s.solidCurves(FigureKind::SolidCurveSo)[0].parameter8Length, 2.5);
  EXPECT_TRUE(s.solidCurves(FigureKind::SolidCurveSg).empty());
  EXPECT_EQ(s.solidCurves(FigureKind::SolidCurveSe)[0].parameter8Int, -1);
}

TEST(Reader, ChainsPairModeAndFlags) {
  DrawingStore s = Read({"0 0 1 0", "pl", "1 0 1 1", "z3", "1 1 0 1", "#", "0 1 0 0", "pl",
                         "5 5 6 6", "ci 0 0 1", "7 7 8 8"});
  ASSERT_EQ(s.lines.size(), 6u);
  EXPECT_EQ(s.lines[0].chainNumber, 0);
  EXPECT_EQ(s.lines[1].chainNumber, 1);
  EXPECT_EQ(s.lines[2].chainNumber, 1);
  EXPECT_EQ(s.lines[2].header.flags, 4);
  EXPECT_EQ(s.lines[3].chainNumber, 0);
  EXPECT_EQ(s.lines[3].header.flags, 0);  // a stored line clears the flags
  EXPECT_EQ(s.lines[4].chainNumber, 2);
  EXPECT_EQ(s.lines[5].chainNumber, 0);  // the circle ended the chain

  // "cs" after "msg" and a line: one dimension and no separate line.
  DrawingStore d = Read({"msg", "0 0 10 0", "cs 5 1 1 0 \"10"});
  EXPECT_TRUE(d.lines.empty());
  ASSERT_EQ(d.linesWithText.size(), 1u);
  EXPECT_EQ(d.linesWithText[0].line.x2, 10.0);
  EXPECT_EQ(d.linesWithText[0].text.text, "10");
  EXPECT_EQ(d.linesWithText[0].text.textVariant, 2);
  EXPECT_FALSE(d.current.pairMode);

  // "ch" there is an ordinary text that ends pair mode; the held line stays held.
  DrawingStore h = Read({"msg", "0 0 10 0", "ch 5 1 1 0 \"x", "1 1 2 2"});
  EXPECT_EQ(h.texts.size(), 1u);
  EXPECT_TRUE(h.linesWithText.empty());
  ASSERT_EQ(h.lines.size(), 1u);
  EXPECT_EQ(h.lines[0].x1, 1.0);
  EXPECT_EQ(h.current.heldLine.x2, 10.0);
  EXPECT_EQ(h.figureOrder.size(), 2u);
}

TEST(Reader, FourNumberLinesInEveryShape) {
  DrawingStore s = Read({" 1e2\t-2 +3 .5", "--1 2 3 4", "1 2 3 4 ", "1 2 3 4\t", "1 2 3",
                         "1 2 3 4 5", "1 2 3 x", "1.5e3 1,5 3 4"});
  ASSERT_EQ(s.lines.size(), 4u);
  EXPECT_EQ(s.lines[0].x1, 100.0);
  EXPECT_EQ(s.lines[0].y1, -2.0);
  EXPECT_EQ(s.lines[0].x2, 3.0);
  EXPECT_EQ(s.lines[0].y2, 0.5);
  EXPECT_EQ(s.lines[1].x1, 0.0);  // "--1" is no number
  EXPECT_EQ(s.lines[2].y2, 0.0);  // "x" is no number
  EXPECT_EQ(s.lines[3].x1, 1500.0);
  EXPECT_EQ(s.lines[3].y1, 0.0);
}

TEST(Reader, ReferencePointsAndHhpNumbers) {
  DrawingStore s =
      Read({"hp1-  3 4", "hp2 5 6", "hp3ln 1 1", "hp4ci 1 1", "hp5ch 1 1", "hp6-ch 1 1", "hp0 1 1",
            "hp100 1 1", "hp7 1", "hhp12", "0 0 1 1", "hhp34ch", "hhp5ln6ci", "1 1 2 2"});
  const auto& p = s.settings.referencePoints;
  EXPECT_TRUE(p[1].used);
  EXPECT_EQ(p[1].pickKind, 1);
  EXPECT_EQ(p[1].y, 4.0);
  EXPECT_EQ(p[2].pickKind, 0);
  EXPECT_EQ(p[3].pickKind, 2);
  EXPECT_EQ(p[4].pickKind, 3);
  EXPECT_EQ(p[5].pickKind, 4);
  EXPECT_EQ(p[6].pickKind, 4);
  EXPECT_TRUE(p[6].used);
  EXPECT_FALSE(p[7].used);
  EXPECT_EQ(s.settings.referencePointCount, 6);
  EXPECT_EQ(s.lines[0].header.hhpIndex, 12);
  EXPECT_EQ(s.lines[1].header.hhpIndex, 0);  // "hhp5ln6ci" cuts at "ci": "5ln6" is no number
  EXPECT_EQ(Read({"hhp34ch"}).current.hhpIndex, 34);
}

TEST(Reader, LineEndsOfEveryKindAndNoFinalLineEnd) {
  test::TempDir dir;
  std::string content = "lc3\r\n0 0 1 1\n2 2 3 3\r4 4 5 5\r\n\r\n6 6 7 7";
  test::WriteBytes(dir / "JWC_TEMP.TXT", content);
  DrawingStore store;
  ExchangeReader reader(store);
  EXPECT_TRUE(reader.readExchangeFile(dir / "JWC_TEMP.TXT"));
  ASSERT_EQ(store.lines.size(), 4u);
  EXPECT_EQ(store.lines[3].y2, 7.0);
  EXPECT_EQ(store.lines[0].header.colour, 3);
  EXPECT_EQ(test::ReadBytes(dir / "JWC_TEMP.TXT"), content);  // never changed
  EXPECT_FALSE(reader.readExchangeFile(dir / "missing.txt"));
  EXPECT_FALSE(reader.readExchangeFile(dir.path()));
}

TEST(Reader, LinesLongerThanTheReadBlock) {
  test::TempDir dir;
  // A CR LF split across two read blocks is one line end; a megabyte line is one line.
  std::string first = std::string(65528, ' ') + "0 0 1 1";
  std::string content =
      first + "\r\n" + "ch 0 0 1 0 \"" + std::string(3 << 20, 'x') + "\r\n9 9 8 8";
  test::WriteBytes(dir / "a.txt", content);
  DrawingStore store;
  ExchangeReader reader(store);
  ASSERT_TRUE(reader.readExchangeFile(dir / "a.txt"));
  EXPECT_EQ(store.figureCount(), 3u);
  EXPECT_EQ(store.texts.at(0).text.size(), 255u);
}

}  // namespace
}  // namespace zf61
