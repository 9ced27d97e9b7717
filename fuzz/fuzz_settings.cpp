// The settings reader on arbitrary files: the values it gives are always within their limits.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzCheck.h"
#include "window/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("zf61-fuzz-settings-" + std::to_string(getpid()) + ".dat");
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  zf61::Settings s = zf61::readSettings(path);
  FUZZ_CHECK(s.width >= zf61::kMinWindowWidth);
  FUZZ_CHECK(s.height >= zf61::kMinWindowHeight);
  FUZZ_CHECK(s.background == 0 || s.background == 1);
  FUZZ_CHECK(s.colourDepth >= 0 && s.colourDepth <= zf61::kLastDepthItem);
  FUZZ_CHECK(s.fillColour <= 0x00FFFFFFu);
  return 0;
}
