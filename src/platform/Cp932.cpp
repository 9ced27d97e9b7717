// Code page 932 conversion through Qt's ICU-backed converter: "windows-31j" is ICU's name for
// the Windows mapping (0x5C is the backslash, 0x8160 is U+FF5E, NEC and IBM extensions).
#include "platform/Cp932.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace zf61 {
namespace {
constexpr const char* kCodePage932 = "windows-31j";
}

QString Cp932ToUnicode(std::string_view bytes) {
  QStringDecoder decoder(kCodePage932);
  return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

namespace {

std::string EncodeOrNothing(const QString& text, bool& failed) {
  QStringEncoder encoder(kCodePage932);
  QByteArray bytes = encoder.encode(text);
  failed = encoder.hasError();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

std::string UnicodeToCp932(const QString& text) {
  bool failed = false;
  std::string bytes = EncodeOrNothing(text, failed);
  if (!failed) return bytes;
  // ICU substitutes 0xFC 0xFC, a real code point of the user area; a "?" is what Windows writes.
  std::string result;
  for (uint codePoint : text.toUcs4()) {
    std::string one = EncodeOrNothing(
        QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1), failed);
    result += failed ? std::string("?") : one;
  }
  return result;
}

std::filesystem::path QStringToPath(const QString& text) {
  return std::filesystem::path(text.toStdU16String());
}

QString PathToQString(const std::filesystem::path& path) {
  return QString::fromStdU16String(path.u16string());
}

std::filesystem::path Cp932ToPath(std::string_view bytes) {
  return QStringToPath(Cp932ToUnicode(bytes));
}

std::string PathToCp932(const std::filesystem::path& path) {
  return UnicodeToCp932(PathToQString(path));
}

}  // namespace zf61
