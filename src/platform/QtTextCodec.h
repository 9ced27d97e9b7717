// Code page 932 through Qt's ICU-backed converter, for the window's texts.
#pragma once

#include "model/TextCodec.h"

namespace zf61 {

class QtTextCodec final : public TextCodec {
 public:
  std::string cp932ToUtf8(std::string_view bytes) const override;
  std::string utf8ToCp932(std::string_view utf8) const override;
};

}  // namespace zf61
