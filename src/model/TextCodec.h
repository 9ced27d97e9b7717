// Shift-JIS (code page 932) to and from UTF-8. The store keeps the exchange file's bytes; text
// is converted only where it meets the screen, a control or the file system. The platform
// supplies the converter (the Windows code page itself, or ICU's "windows-31j").
#pragma once

#include <string>
#include <string_view>

namespace zf61 {

class TextCodec {
 public:
  virtual ~TextCodec() = default;
  virtual std::string cp932ToUtf8(std::string_view bytes) const = 0;
  // Characters that code page 932 cannot hold become "?".
  virtual std::string utf8ToCp932(std::string_view utf8) const = 0;
};

}  // namespace zf61
