// Reading and writing the settings file.
#include "window/SettingsFile.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "files/AtomicFile.h"
#include "model/Numbers.h"

namespace zf61 {
namespace {

constexpr int kLineCount = 10;

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (static_cast<int>(lines.size()) < kLineCount && std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  lines.resize(kLineCount);  // lines missing at the end read as empty
  return lines;
}

}  // namespace

std::filesystem::path SettingsPathFor(const std::filesystem::path& programFile) {
  std::filesystem::path path = programFile;
  path.replace_extension(".dat");
  return path;
}

Settings readSettings(const std::filesystem::path& path) {
  Settings s;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return s;
  std::vector<std::string> line = ReadLines(path);
  s.left = ParseInt(line[0]);
  s.top = ParseInt(line[1]);
  s.width = std::max(ParseInt(line[2]), kMinWindowWidth);
  s.height = std::max(ParseInt(line[3]), kMinWindowHeight);
  s.fillColour = static_cast<Colour>(ParseInt(line[4])) & 0x00FFFFFFu;
  s.pictureFileName = line[5];
  s.opacity = line[6];
  s.background = ParseInt(line[7]) != 0 ? 1 : 0;
  s.arcDivisions = line[8];
  s.colourDepth = std::clamp(ParseInt(line[9]), 0, kLastDepthItem);
  return s;
}

bool writeSettings(const std::filesystem::path& path, const Settings& s, FileOps& ops) {
  std::string text;
  for (const std::string& value :
       {std::to_string(s.left), std::to_string(s.top), std::to_string(s.width),
        std::to_string(s.height), std::to_string(s.fillColour), s.pictureFileName, s.opacity,
        std::to_string(s.background), s.arcDivisions, std::to_string(s.colourDepth)}) {
    text += value;
    text += "\r\n";
  }
  return WriteFileAtomically(path, text, ops);
}

}  // namespace zf61
