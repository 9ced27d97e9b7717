// Code page 932 and UTF-8 through QString.
#include "platform/QtTextCodec.h"

#include "platform/Cp932.h"

namespace zf61 {

std::string QtTextCodec::cp932ToUtf8(std::string_view bytes) const {
  return Cp932ToUnicode(bytes).toStdString();
}

std::string QtTextCodec::utf8ToCp932(std::string_view utf8) const {
  return UnicodeToCp932(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace zf61
