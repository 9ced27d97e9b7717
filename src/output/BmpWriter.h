// Writing a picture as a Windows BMP file of 1, 4, 8, 24 or 32 bits per pixel: the file and
// info headers, BI_RGB, a colour table for the palette depths, rows bottom-up padded to 4 bytes.
#pragma once

#include <filesystem>
#include <string>

#include "files/FileOps.h"
#include "output/Palette.h"

namespace zf61 {

// The whole file as bytes.
std::string EncodeBmp(const IndexedImage& image);

// Writes through a temporary file renamed into place; false (and no file) on any failure.
bool WriteBmpFile(const std::filesystem::path& path, const IndexedImage& image,
                  FileOps& ops = SystemFileOps());

}  // namespace zf61
