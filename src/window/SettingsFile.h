// The settings file beside the program: window position and size and the user's last choices,
// CR LF lines, read when the window is shown and written when it closes. The first ten are those
// of the first version; the lines after them (the fill method, the gap, the picture's
// magnification) are new, and a file
// that ends before them leaves them at their defaults.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>

#include "files/FileOps.h"
#include "model/Colour.h"
#include "output/PictureGenerator.h"

namespace zf61 {

inline constexpr int32_t kMinWindowWidth = 475;
inline constexpr int32_t kMinWindowHeight = 200;
inline constexpr int kLastDepthItem = 4;

struct Settings {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = kMinWindowWidth;
  int32_t height = 475;
  Colour fillColour = kWhite;
  std::string pictureFileName;           // Edit1, Shift-JIS as stored
  std::string opacity = "128";           // Edit2 as typed
  int32_t background = 0;                // 0 white, 1 black
  std::string arcDivisions = "24";       // Edit3 as typed
  int32_t colourDepth = kLastDepthItem;  // ComboBox1 item
  // Beyond the ten lines of the first version; files without them read as before.
  int32_t fillMethod = 0;  // line 11, ComboBox2: 0 closed figures, 1 rooms
  std::string gap = "0";   // line 12, Edit4 as typed
  int32_t magnification = 1;  // line 13, ComboBox3: the picture is this many times finer
};

// The program file's path with its extension replaced by ".dat".
std::filesystem::path SettingsPathFor(const std::filesystem::path& programFile);

// The defaults, then whatever the file holds, clamped; a missing or unreadable file (or the part
// of it that could not be read) leaves the defaults.
Settings readSettings(const std::filesystem::path& path);
Settings readSettings(std::istream& in);

// Writes the ten lines through a temporary file; on failure nothing is left and nothing said.
bool writeSettings(const std::filesystem::path& path, const Settings& settings,
                   FileOps& ops = SystemFileOps());

}  // namespace zf61
