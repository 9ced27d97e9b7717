// Generator of exchange files: rooms drawn as chains of walls, columns, door arcs, labels and
// solids, with attribute lines between them as Jw_cad writes them.
#include "ExchangeWorkload.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <string>

namespace zf61::bench {
namespace {

constexpr const char* kHeader =
    "hq\r\nfile=C:\\jww\\bench.jww\r\nhk 0\r\n"
    "hs 100 100 100 100 100 100 100 100 100 100 100 100 100 100 100 100\r\n"
    "hcw 2 2.5 3 4 5 6 7 8 9 10\r\nhch 2 2.5 3 4 5 6 7 8 9 10\r\n"
    "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1\r\n"
    "hcc      1      1      2      2      3      3      4      4      5      5\r\n"
    "hn 0 0 100000 100000\r\nlg0\r\nly0\r\nlc2\r\nlt1\r\ncn2\r\n#\r\n";

std::string Number(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.10g", v);
  return buffer;
}

}  // namespace

size_t WriteExchangeWorkload(const std::filesystem::path& path, size_t figureLines, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> jitter(0.0, 1000.0);
  std::string out = kHeader;
  size_t written = 0;
  size_t room = 0;
  while (written < figureLines) {
    double x = (room % 300) * 4550.0 + jitter(random) / 100.0;
    double y = (room / 300) * 3640.0 + jitter(random) / 100.0;
    double w = 3640.0, h = 2730.0;
    ++room;
    out += "lc" + std::to_string(1 + room % 8) + "\r\nlt" + std::to_string(1 + room % 9) + "\r\n";
    out += "pl\r\n";
    out += Number(x) + " " + Number(y) + " " + Number(x + w) + " " + Number(y) + "\r\n";
    out += Number(x + w) + " " + Number(y) + " " + Number(x + w) + " " + Number(y + h) + "\r\n";
    out += Number(x + w) + " " + Number(y + h) + " " + Number(x) + " " + Number(y + h) + "\r\n";
    out += Number(x) + " " + Number(y + h) + " " + Number(x) + " " + Number(y) + "\r\n";
    out += "#\r\n";
    written += 4;
    switch (room % 4) {
      case 0:
        out += "ci " + Number(x + w / 2) + " " + Number(y + h / 2) + " 150\r\n";
        break;
      case 1:
        out += "ci " + Number(x) + " " + Number(y) + " 800 0 90 1 0\r\n";
        break;
      case 2:
        out += "ch " + Number(x + 100) + " " + Number(y + 100) + " 1 0 \"Room " +
               std::to_string(room) + "\r\n";
        break;
      default:
        out += "lc10 " + std::to_string(random() & 0xFFFFFF) + "\r\nsl " + Number(x) + " " +
               Number(y) + " " + Number(x + 500) + " " + Number(y) + " " + Number(x + 500) + " " +
               Number(y + 500) + "\r\n";
        break;
    }
    ++written;
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  return out.size();
}

}  // namespace zf61::bench
