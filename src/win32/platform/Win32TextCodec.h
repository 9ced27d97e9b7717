// Shift-JIS to and from UTF-8 through the Windows code page 932 itself.
#pragma once

#include "model/TextCodec.h"

namespace zf61::win32 {

class Win32TextCodec final : public TextCodec {
 public:
  std::string cp932ToUtf8(std::string_view bytes) const override;
  std::string utf8ToCp932(std::string_view utf8) const override;
};

}  // namespace zf61::win32
