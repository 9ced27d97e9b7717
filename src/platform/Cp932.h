// Shift-JIS (Windows code page 932) text to and from Unicode and file-system paths. The store
// keeps the exchange file's bytes; text is converted only where it meets the screen or a file.
#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace zf61 {

QString Cp932ToUnicode(std::string_view bytes);
// Characters that code page 932 cannot hold become "?".
std::string UnicodeToCp932(const QString& text);

std::filesystem::path QStringToPath(const QString& text);
QString PathToQString(const std::filesystem::path& path);

std::filesystem::path Cp932ToPath(std::string_view bytes);
std::string PathToCp932(const std::filesystem::path& path);

}  // namespace zf61
