// Arbitrary bytes and damaged real lines never crash the reader, and what it stores stays
// consistent: every draw-order entry points at a stored figure and nothing stored is NaN.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "exchange/ExchangeReader.h"

namespace zf61 {
namespace {

void ExpectConsistent(const DrawingStore& s) {
  size_t total = 0;
  for (int code = 1; code <= 15; ++code) total += s.countOfKind(static_cast<FigureKind>(code));
  ASSERT_EQ(total, s.figureOrder.size());
  std::vector<int32_t> next(16, 0);
  for (FigureRef ref : s.figureOrder) {
    int code = static_cast<int>(ref.kind);
    ASSERT_GE(code, 1);
    ASSERT_LE(code, 15);
    ASSERT_EQ(ref.index, next[code]++);  // arrival order within each kind
  }
  for (const LineFigure& l : s.lines) {
    ASSERT_TRUE(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) &&
                std::isfinite(l.y2));
  }
  for (const TextFigure& t : s.texts) ASSERT_LE(t.text.size(), kMaxTextBytes);
  for (double scale : s.settings.groupScale) ASSERT_TRUE(std::isfinite(scale) && scale > 0);
}

std::vector<std::string> SampleLines() {
  std::vector<std::string> lines;
  for (const auto& entry : std::filesystem::directory_iterator(ZF61_SAMPLES_DIR)) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
  }
  return lines;
}

TEST(ReaderRobustness, RandomBytes) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 300; ++round) {
    std::string bytes(random() % 2000, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    DrawingStore store;
    ExchangeReader reader(store);
    size_t start = 0;
    for (size_t i = 0; i <= bytes.size(); ++i) {
      if (i == bytes.size() || bytes[i] == '\n') {
        reader.parseLine(std::string_view(bytes).substr(start, i - start));
        start = i + 1;
      }
    }
    ExpectConsistent(store);
  }
}

TEST(ReaderRobustness, MutatedRealLines) {
  std::vector<std::string> lines = SampleLines();
  ASSERT_FALSE(lines.empty());
  const char* tokens[] = {" ",   "\"",   "=",    "\x82", "\x81\x40", "1e999",      "nan", "-",
                          "$FF", "\t",   "0",    "pl",   "msg",      "#",          "sl",  "ci",
                          "hs",  "\xFF", "\x00", "lg",   "ch",       "99999999999"};
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    DrawingStore store;
    ExchangeReader reader(store);
    for (int n = 0; n < 50; ++n) {
      std::string line = lines[random() % lines.size()];
      int edits = 1 + random() % 4;
      for (int e = 0; e < edits; ++e) {
        size_t at = line.empty() ? 0 : random() % (line.size() + 1);
        std::string token = tokens[random() % std::size(tokens)];
        if (random() % 3 == 0 && at < line.size()) {
          line.erase(at, 1 + random() % 4);
        } else {
          line.insert(at, token);
        }
      }
      reader.parseLine(line);
    }
    ExpectConsistent(store);
  }
}

}  // namespace
}  // namespace zf61
