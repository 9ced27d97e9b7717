// Conversions through MultiByteToWideChar and WideCharToMultiByte.
#include "platform/WideText.h"

#include <windows.h>

#include <climits>

namespace zf61::win32 {
namespace {

constexpr UINT kShiftJis = 932;

std::wstring ToWide(UINT codePage, std::string_view bytes) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  int size = static_cast<int>(bytes.size());
  int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty() || wide.size() > INT_MAX) return {};
  int size = static_cast<int>(wide.size());
  // UTF-8 takes no default character; code page 932 writes "?" for what it lacks.
  const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
  int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, fallback, nullptr);
  if (length <= 0) return {};
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, fallback, nullptr);
  return bytes;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
  return ToWide(CP_UTF8, utf8);
}

std::string WideToUtf8(std::wstring_view wide) {
  return FromWide(CP_UTF8, wide);
}

std::wstring Cp932ToWide(std::string_view bytes) {
  return ToWide(kShiftJis, bytes);
}

std::string WideToCp932(std::wstring_view wide) {
  std::string bytes = FromWide(kShiftJis, wide);
  if (Cp932ToWide(bytes) == wide) return bytes;
  // Some characters came back as others (a "best fit" such as é as e, which not every version
  // of Windows leaves out on request): each character that does not survive the round trip
  // becomes "?", so that a name never silently names another file.
  bytes.clear();
  for (size_t i = 0; i < wide.size(); ++i) {
    bool pair = i + 1 < wide.size() && IS_HIGH_SURROGATE(wide[i]) && IS_LOW_SURROGATE(wide[i + 1]);
    std::wstring_view one = wide.substr(i, pair ? 2 : 1);
    std::string converted = FromWide(kShiftJis, one);
    bytes += Cp932ToWide(converted) == one ? converted : "?";
    if (pair) ++i;
  }
  return bytes;
}

std::filesystem::path Cp932ToPath(std::string_view bytes) {
  return std::filesystem::path(Cp932ToWide(bytes));
}

}  // namespace zf61::win32
