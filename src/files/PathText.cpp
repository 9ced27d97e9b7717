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

std::string PathToUtf8(const std::filesystem::path& path, bool withSeparator) {
  std::u8string text = path.u8string();
  std::string utf8(text.begin(), text.end());
  const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  if (withSeparator && (utf8.empty() || utf8.back() != separator)) utf8 += separator;
  return utf8;
}

}  // namespace zf61
