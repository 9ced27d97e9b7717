#include "model/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zf61 {
namespace {

TEST(ParseInt, WholeTextDecimalAndHexadecimal) {
  EXPECT_EQ(ParseInt("24"), 24);
  EXPECT_EQ(ParseInt(" 24"), 24);
  EXPECT_EQ(ParseInt("24 "), 0);
  EXPECT_EQ(ParseInt(""), 0);
  EXPECT_EQ(ParseInt("-17"), -17);
  EXPECT_EQ(ParseInt("+5"), 5);
  EXPECT_EQ(ParseInt("3.5"), 0);
  EXPECT_EQ(ParseInt("$1F"), 31);
  EXPECT_EQ(ParseInt("x1f"), 31);
  EXPECT_EQ(ParseInt("0X10"), 16);
  EXPECT_EQ(ParseInt("$"), 0);
  EXPECT_EQ(ParseInt("-"), 0);
  EXPECT_EQ(ParseInt("12a"), 0);
}

TEST(ParseInt, ValuesOutsideThirtyTwoBitsReadAsZero) {
  EXPECT_EQ(ParseInt("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt("-2147483648"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(ParseInt("2147483648"), 0);
  EXPECT_EQ(ParseInt("99999999999"), 0);
  EXPECT_EQ(ParseInt("99999999999999999999999999"), 0);
  EXPECT_EQ(ParseInt("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInt("$100000000"), 0);
}

TEST(ParseFloat, WholeTextRealsWithPointDecimal) {
  EXPECT_EQ(ParseFloat("1.5e3"), 1500.0);
  EXPECT_EQ(ParseFloat("1,5"), 0.0);
  EXPECT_EQ(ParseFloat(""), 0.0);
  EXPECT_EQ(ParseFloat("  -2.25"), -2.25);
  EXPECT_EQ(ParseFloat(".5"), 0.5);
  EXPECT_EQ(ParseFloat("5."), 5.0);
  EXPECT_EQ(ParseFloat("7306.10278372591"), 7306.10278372591);
  EXPECT_EQ(ParseFloat("1e"), 0.0);
  EXPECT_EQ(ParseFloat("."), 0.0);
  EXPECT_EQ(ParseFloat("1.5 "), 0.0);
  EXPECT_EQ(ParseFloat("0x10"), 0.0);
}

TEST(ParseFloat, NothingNonFiniteEverComesOut) {
  for (const char* text :
       {"1e999", "-1e999", "nan", "NaN", "inf", "-inf", "infinity", "1e308000"}) {
    double v = ParseFloat(text);
    EXPECT_TRUE(std::isfinite(v)) << text;
    EXPECT_EQ(v, 0.0) << text;
  }
  EXPECT_EQ(ParseFloat("1e308"), 1e308);
}

TEST(FormatFixed, ExactDecimalsWithoutLocale) {
  EXPECT_EQ(FormatFixed(3, 2.0), "2.000");
  EXPECT_EQ(FormatFixed(3, -0.5), "-0.500");
  EXPECT_EQ(FormatFixed(3, 297.5), "297.500");
  EXPECT_EQ(FormatFixed(0, 2.5), "2");
  EXPECT_EQ(FormatFixed(3, 1e20), "100000000000000000000.000");
}

TEST(FormatGeneral, FifteenSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(FormatGeneral(1.0), "1");
  EXPECT_EQ(FormatGeneral(0.0), "0");
  EXPECT_EQ(FormatGeneral(12.0), "12");
  EXPECT_EQ(FormatGeneral(297.5), "297.5");
  EXPECT_EQ(FormatGeneral(-5000.0), "-5000");
  EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatGeneral(7306.10278372591), "7306.10278372591");
}

TEST(StripBlanks, RemovesBlanksFullWidthBlanksAndControlBytes) {
  EXPECT_EQ(StripBlanks("A\x81\x40"
                        "B C"),
            "ABC");
  // A pair whose second byte is 0x40 is a character, not a blank.
  EXPECT_EQ(StripBlanks("\x83\x40"), "\x83\x40");
  EXPECT_EQ(StripBlanks(" \t\r\n"), "");
  EXPECT_EQ(StripBlanks("\x81\x40\x81\x40"), "");
  // A lead byte without a partner stays.
  EXPECT_EQ(StripBlanks("A\x82"), "A\x82");
}

TEST(RoundHalfAway, HalvesGoAwayFromZeroAndNothingOverflows) {
  EXPECT_EQ(RoundHalfAway(2.5), 3);
  EXPECT_EQ(RoundHalfAway(-2.5), -3);
  EXPECT_EQ(RoundHalfAway(-0.5), -1);
  EXPECT_EQ(RoundHalfAway(-0.4), 0);
  EXPECT_EQ(RoundHalfAway(0.49), 0);
  EXPECT_EQ(RoundHalfAway(0.49999999999999994), 0);
  EXPECT_EQ(RoundHalfAway(-0.49999999999999994), 0);
  EXPECT_EQ(RoundHalfAway(4503599627370497.0), 2147483647);
  EXPECT_EQ(RoundHalfAway(1e300), 2147483647);
  EXPECT_EQ(RoundHalfAway(-1e300), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(RoundHalfAway(std::nan("")), 0);
}

}  // namespace
}  // namespace zf61
