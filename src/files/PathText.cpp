// Splitting Windows-style paths.
#include "files/PathText.h"

#include <algorithm>

namespace zf61 {

std::string_view FolderPart(std::string_view path) {
  size_t cut = path.find_last_of("\\/");
  return cut == std::string_view::npos ? std::string_view() : path.substr(0, cut + 1);
}

std::string_view FileNamePart(std::string_view path) {
  size_t cut = path.find_last_of("\\/");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string UpperExtension(std::string_view path) {
  size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return "";
  std::string ext(path.substr(dot));
  for (char& c : ext) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return ext;
}

std::filesystem::path NativePath(std::string_view utf8) {
  std::u8string text(utf8.begin(), utf8.end());
  if (std::filesystem::path::preferred_separator == '/') {
    std::replace(text.begin(), text.end(), u8'\\', u8'/');
  }
  return std::filesystem::path(text);
}

}  // namespace zf61
