// Text between the encodings Windows uses: UTF-16 for the wide API, code page 932 (Shift-JIS)
// for Jw_cad's files, and UTF-8 inside the program.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zf61::win32 {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
std::wstring Cp932ToWide(std::string_view bytes);
// Characters that code page 932 cannot hold become "?".
std::string WideToCp932(std::wstring_view wide);

// A path named in Shift-JIS, as Jw_cad writes them.
std::filesystem::path Cp932ToPath(std::string_view bytes);

}  // namespace zf61::win32
