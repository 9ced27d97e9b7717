// Parsing picture references.
#include "view/PictureReference.h"

#include "model/Numbers.h"

namespace zf61 {

bool IsPictureText(std::string_view text) {
  return text.substr(0, 4) == "^@BM";
}

std::optional<PictureReference> ParsePictureReference(std::string_view text) {
  if (!IsPictureText(text)) return std::nullopt;
  size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  PictureReference ref;
  ref.fileName.assign(text.substr(4, comma - 4));
  std::string_view rest = text.substr(comma + 1);
  // Up to five numbers; the last one read takes whatever text remains.
  std::string_view parts[5];
  int count = 0;
  while (count < 4) {
    size_t next = rest.find(',');
    if (next == std::string_view::npos) break;
    parts[count++] = rest.substr(0, next);
    rest = rest.substr(next + 1);
  }
  parts[count++] = rest;
  ref.width = ParseFloat(parts[0]);
  ref.height = count >= 2 ? ParseFloat(parts[1]) : ref.width;
  if (count >= 3) ref.cropLeft = ParseFloat(parts[2]);
  if (count >= 4) ref.cropBottom = ParseFloat(parts[3]);
  if (count >= 5) ref.cropScale = ParseFloat(parts[4]);
  return ref;
}

}  // namespace zf61
