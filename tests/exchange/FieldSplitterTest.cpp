#include "exchange/FieldSplitter.h"

#include <gtest/gtest.h>

#include <string>

namespace zf61 {
namespace {

TEST(FieldSplitter, BlanksQuotesAndEquals) {
  FieldSplitter s;
  const Fields& a = s.split("  ci\t1 2  3");
  EXPECT_EQ(a.count, 4);
  EXPECT_EQ(a[0], "ci");
  EXPECT_EQ(a[3], "3");
  // A trailing blank opens one empty field that counts.
  EXPECT_EQ(s.split("ci 1 2 3 ").count, 5);
  EXPECT_EQ(s.split("ci 1 2 3   ").count, 5);
  // After a double-quote character the rest of the line is one field, blanks included.
  const Fields& t = s.split("ch 1 2 3 4 \"two words\" = x");
  EXPECT_EQ(t.count, 6);
  EXPECT_EQ(t[5], "two words\" = x");
  // "=" stays in its field and starts the rest.
  const Fields& f = s.split("file=C:\\my drawings\\a b.jww");
  EXPECT_EQ(f.count, 1);
  EXPECT_EQ(f[0], "file=C:\\my drawings\\a b.jww");
  const Fields& font = s.split("cn\"$<x y>");
  EXPECT_EQ(font[0], "cn$<x y>");
}

TEST(FieldSplitter, ShiftJisPairsAndDroppedBytes) {
  FieldSplitter s;
  // 0x81 0x40 is a full-width blank: a pair, never a separator; 0x83 0x22 keeps its trail byte.
  const Fields& a = s.split("ch \x81\x40x \x83\x22 y");
  EXPECT_EQ(a.count, 4);
  EXPECT_EQ(a[1], "\x81\x40x");
  EXPECT_EQ(a[2], "\x83\x22");
  // A lead byte at the end of the line ends the scan and is dropped.
  const Fields& b = s.split("ab \x82");
  EXPECT_EQ(b.count, 2);
  EXPECT_EQ(b[1], "");
  // Control bytes, 254 and 255 are dropped; a tab in rest mode too.
  std::string raw = std::string("a\x01") + '\0' + "b \"c\td\xFE\xFF";
  const Fields& c = s.split(raw);
  EXPECT_EQ(c[0], "ab");
  EXPECT_EQ(c[1], "cd");
  // Half-width katakana (0xA0..0xDF) are single bytes.
  EXPECT_EQ(s.split("\xB1\xB2 z").count, 2);
}

TEST(FieldSplitter, EmptyLinesAndTheThirtyTwoFieldLimit) {
  FieldSplitter s;
  EXPECT_TRUE(s.split("").empty());
  EXPECT_TRUE(s.split("   \t ").empty());
  EXPECT_TRUE(s.split("\x01\x02").empty());
  EXPECT_FALSE(s.split("\"").count != 1);
  std::string many;
  for (int i = 0; i < 40; ++i) many += std::to_string(i) + " ";
  const Fields& f = s.split(many);
  EXPECT_EQ(f.count, kMaxFields);
  EXPECT_EQ(f[31], "31");  // the 32nd field does not swallow the rest
  EXPECT_EQ(f[32], "");
}

}  // namespace
}  // namespace zf61
