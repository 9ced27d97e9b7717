// Paths as the user and Jw_cad write them (Windows style, "\" or "/" between folders) split
// into folder and name, and turned into this system's paths.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zf61 {

// Up to and including the last "\" or "/"; empty when there is none.
std::string_view FolderPart(std::string_view path);
// After the last "\" or "/".
std::string_view FileNamePart(std::string_view path);
// From the last dot, upper-cased ASCII; empty when there is no dot.
std::string UpperExtension(std::string_view path);
// A UTF-8 path for the file system; where "/" is the separator, "\" becomes "/" too.
std::filesystem::path NativePath(std::string_view utf8);
// A path as UTF-8 text; `withSeparator` ends a folder's path in the system's separator.
std::string PathToUtf8(const std::filesystem::path& path, bool withSeparator = false);

}  // namespace zf61
