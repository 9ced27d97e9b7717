#include "platform/Win32TextCodec.h"

#include "platform/WideText.h"

namespace zf61::win32 {

std::string Win32TextCodec::cp932ToUtf8(std::string_view bytes) const {
  return WideToUtf8(Cp932ToWide(bytes));
}

std::string Win32TextCodec::utf8ToCp932(std::string_view utf8) const {
  return WideToCp932(Utf8ToWide(utf8));
}

}  // namespace zf61::win32
