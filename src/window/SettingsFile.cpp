// Reading and writing the settings file.
#include "window/SettingsFile.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <vector>

#include "files/AtomicFile.h"
#include "model/Numbers.h"

namespace zf61 {
namespace {

constexpr int kLineCount = 15;
// Lines missing at the end of a file read as empty up to this one, and keep their defaults
// after it.
constexpr int kFirstVersionLines = 10;

// The lines as far as they could be read: a line missing at the end of the file reads as
// empty, but after a read error the lines not read are absent, so that they keep their defaults.
std::vector<std::optional<std::string>> ReadLines(std::istream& in) {
  std::vector<std::optional<std::string>> lines;
  std::string line;
  while (static_cast<int>(lines.size()) < kLineCount && std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  bool readToTheEnd = !in.bad();
  if (lines.size() < kFirstVersionLines) {
    lines.resize(kFirstVersionLines, readToTheEnd ? std::optional<std::string>("") : std::nullopt);
  }
  lines.resize(kLineCount, std::nullopt);
  return lines;
}

}  // namespace

std::filesystem::path SettingsPathFor(const std::filesystem::path& programFile) {
  std::filesystem::path path = programFile;
  path.replace_extension(".dat");
  return path;
}

Settings readSettings(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return Settings();
  std::ifstream in(path, std::ios::binary);
  if (!in) return Settings();  // there, but it cannot be read: the defaults
  return readSettings(in);
}

Settings readSettings(std::istream& in) {
  Settings s;
  std::vector<std::optional<std::string>> line = ReadLines(in);
  auto number = [&](int i, int32_t& field) {
    if (line[i]) field = ParseInt(*line[i]);
  };
  auto text = [&](int i, std::string& field) {
    if (line[i]) field = *line[i];
  };
  number(0, s.left);
  number(1, s.top);
  number(2, s.width);
  number(3, s.height);
  s.width = std::max(s.width, kMinWindowWidth);
  s.height = std::max(s.height, kMinWindowHeight);
  if (line[4]) s.fillColour = static_cast<Colour>(ParseInt(*line[4])) & 0x00FFFFFFu;
  text(5, s.pictureFileName);
  text(6, s.opacity);
  if (line[7]) s.background = ParseInt(*line[7]) != 0 ? 1 : 0;
  text(8, s.arcDivisions);
  number(9, s.colourDepth);
  s.colourDepth = std::clamp(s.colourDepth, 0, kLastDepthItem);
  if (line[10]) s.fillMethod = ParseInt(*line[10]) != 0 ? 1 : 0;
  text(11, s.gap);
  if (line[12]) {
    int32_t factor = ParseInt(*line[12]);
    s.magnification = factor >= 1 && factor <= kMagnificationCount ? factor : 1;
  }
  if (line[13]) s.handBack = ParseInt(*line[13]) == 1 ? 1 : 0;
  if (line[14]) s.areaLabels = ParseInt(*line[14]) != 0 ? 1 : 0;
  return s;
}

bool writeSettings(const std::filesystem::path& path, const Settings& s, FileOps& ops) {
  std::string text;
  for (const std::string& value :
       {std::to_string(s.left), std::to_string(s.top), std::to_string(s.width),
        std::to_string(s.height), std::to_string(s.fillColour), s.pictureFileName, s.opacity,
        std::to_string(s.background), s.arcDivisions, std::to_string(s.colourDepth),
        std::to_string(s.fillMethod), s.gap, std::to_string(s.magnification),
        std::to_string(s.handBack), std::to_string(s.areaLabels)}) {
    text += value;
    text += "\r\n";
  }
  return WriteFileAtomically(path, text, ops);
}

}  // namespace zf61
