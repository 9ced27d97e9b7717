// zf61-inspect as a script would run it: rooms picked in three colours on the house plan paint
// exactly those rooms, each in its colour, in proportion to their areas; a skip takes exactly
// its room out of the fill of every room.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "support/TempDir.h"

namespace zf61 {
namespace {

const std::filesystem::path kHouse =
    std::filesystem::path(ZF61_PROJECT_SAMPLES_DIR) / "house_plan" / "JWC_TEMP.TXT";

// Pixels of a 32-bit BMP counted by colour (0xRRGGBB).
std::map<uint32_t, size_t> CountColours(const std::filesystem::path& bmp) {
  std::string bytes = test::ReadBytes(bmp);
  auto le32 = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
  };
  std::map<uint32_t, size_t> counts;
  if (bytes.size() < 54 || (le32(28) & 0xFFFF) != 32) return counts;
  for (size_t at = le32(10); at + 4 <= bytes.size(); at += 4) ++counts[le32(at) & 0xFFFFFF];
  return counts;
}

int Inspect(const std::string& arguments) {
  std::string command = std::string("\"") + ZF61_INSPECT + "\" \"" + kHouse.string() + "\" " +
                        arguments + " 2>/dev/null";
  return std::system(command.c_str());
}

TEST(InspectPicks, ThreeColoursPaintThreeRoomsInProportionAndASkipTakesOneOut) {
  test::TempDir dir;
  std::filesystem::path picked = dir / "picked.bmp";
  ASSERT_EQ(Inspect("--picture 1200 600 " + picked.string() +
                    " --rooms --opacity 255 --pick 25 15 FF0000 --pick 10 70 00FF00"
                    " --pick 70 70 0000FF"),
            0);
  std::map<uint32_t, size_t> counts = CountColours(picked);
  ASSERT_EQ(counts.size(), 4u);  // white and the three colours: nothing else painted
  // Areas in paper mm²: A with its half of the sliding door's pocket; B with the wall cavity
  // that its near-miss wall leaves open, less the column; D less the bathtub.
  double column = 12 * 2.25 * std::sin(3.14159265358979 / 12);
  double areas[] = {47.75 * 27.75 + 3.9, 2351.6875 - column, 47.75 * 37.75 - 16 * 8};
  uint32_t colours[] = {0xFF0000, 0x00FF00, 0x0000FF};
  double perArea[3];
  for (int i = 0; i < 3; ++i) perArea[i] = counts[colours[i]] / areas[i];
  for (int i = 1; i < 3; ++i) EXPECT_NEAR(perArea[i] / perArea[0], 1.0, 0.03) << i;
  // Every room but C in red, and the same without the skip: the difference is C alone.
  std::filesystem::path all = dir / "all.bmp", skipped = dir / "skipped.bmp";
  ASSERT_EQ(Inspect("--picture 1200 600 " + all.string() + " --rooms --opacity 255"), 0);
  ASSERT_EQ(
      Inspect("--picture 1200 600 " + skipped.string() + " --rooms --opacity 255 --skip 70 20"), 0);
  double c = 47.75 * 37.75 + 4.5 - 68.0718 + 3.9;  // the door's strip and pocket, less its swing
  size_t missing = CountColours(all)[0xFF0000] - CountColours(skipped)[0xFF0000];
  EXPECT_NEAR(missing / c / perArea[0], 1.0, 0.03);
  // A click outside every room fails, and so does one without --rooms.
  EXPECT_NE(Inspect("--picture 100 100 " + (dir / "x.bmp").string() + " --rooms --pick 500 0 0"),
            0);
  EXPECT_NE(Inspect("--picture 100 100 " + (dir / "x.bmp").string() + " --skip 25 15"), 0);
}

TEST(InspectPicks, SolidsAreWrittenAsOkWritesThem) {
  test::TempDir dir;
  std::filesystem::path out = dir / "JWC_TEMP.TXT";
  ASSERT_EQ(
      Inspect("--solids " + out.string() + " --rooms --opacity 128 --pick 25 15 FF0000 --labels"),
      0);
  std::string text = test::ReadBytes(out);
  EXPECT_EQ(text.rfind("bz\r\nlc10 8355839\r\nsl ", 0), 0u) << text.substr(0, 40);
  EXPECT_NE(text.find("\"13.29\x87\x75\r\n"), std::string::npos);              // CP932, CR LF
  EXPECT_NE(Inspect("--solids " + out.string() + " --pick 25 15 FF0000"), 0);  // no --rooms
}

}  // namespace
}  // namespace zf61
