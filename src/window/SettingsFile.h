// The settings file beside the program: window position and size and the user's last choices,
// CR LF lines, read when the window is shown and written when it closes. The first ten are those
// of the first version; the lines after them (the fill method, the gap, the picture's
// magnification, how the fill goes back, the area labels) came later, and a file that ends
// before them leaves them at their defaults.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>

#include "files/FileOps.h"
#include "model/Colour.h"
#include "window/ControlDefaults.h"

namespace zf61 {

inline constexpr int32_t kMinWindowWidth = 475;
inline constexpr int32_t kMinWindowHeight = 200;

struct Settings {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = kMinWindowWidth;
  int32_t height = 475;
  Colour fillColour = kWhite;
  std::string pictureFileName;                          // Edit1, Shift-JIS as stored
  std::string opacity = kDefaultOpacityText;            // Edit2 as typed
  int32_t background = 0;                               // 0 white, 1 black
  std::string arcDivisions = kDefaultArcDivisionsText;  // Edit3 as typed
  int32_t colourDepth = kDefaultDepthItem;              // ComboBox1 item
  // Beyond the ten lines of the first version; files without them read as before.
  int32_t fillMethod = 0;                         // line 11, ComboBox2: 0 closed figures, 1 rooms
  std::string gap = kDefaultGapText;              // line 12, Edit4 as typed
  int32_t magnification = kDefaultMagnification;  // line 13, ComboBox3: times finer
  int32_t handBack = 0;                           // line 14, ComboBox4: 0 picture, 1 solids
  int32_t areaLabels = 0;                         // line 15, CheckBox1: 1 written in
};

// The program file's path with its extension replaced by ".dat".
std::filesystem::path SettingsPathFor(const std::filesystem::path& programFile);

// The defaults, then whatever the file holds, clamped; a missing or unreadable file (or the part
// of it that could not be read) leaves the defaults.
Settings readSettings(const std::filesystem::path& path);
Settings readSettings(std::istream& in);

// Writes every line through a temporary file; on failure nothing is left and nothing said.
bool writeSettings(const std::filesystem::path& path, const Settings& settings,
                   FileOps& ops = SystemFileOps());

}  // namespace zf61
