// The byte-level field splitter of the exchange-file reader.
#include "exchange/FieldSplitter.h"

namespace zf61 {
namespace {

bool IsLeadByte(unsigned char c) { return (c >= 0x80 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFD); }

}  // namespace

const Fields& FieldSplitter::split(std::string_view line) {
  // Fields are subsequences of the line in order, so one buffer of the line's size holds them
  // all back to back and each field is a view of a slice of it.
  buffer_.resize(line.size());
  char* out = buffer_.data();
  size_t written = 0;
  size_t fieldStart = 0;
  int current = 0;
  bool restMode = false;
  auto closeField = [&]() {
    fields_.field[current] = std::string_view(out + fieldStart, written - fieldStart);
  };
  for (int i = 0; i < kMaxFields; ++i) fields_.field[i] = {};

  size_t i = 0;
  while (i < line.size()) {
    unsigned char c = static_cast<unsigned char>(line[i]);
    if (IsLeadByte(c)) {
      if (i + 1 >= line.size()) break;  // a lead byte without its partner ends the scan
      out[written++] = line[i];
      out[written++] = line[i + 1];
      i += 2;
      continue;
    }
    ++i;
    if (!restMode) {
      if (c == '"') {
        restMode = true;
        continue;
      }
      if (c == '=') {
        out[written++] = static_cast<char>(c);
        restMode = true;
        continue;
      }
      if (c == ' ' || c == '\t') {
        if (written == fieldStart) continue;  // blanks before a field's first character
        closeField();
        if (current + 1 >= kMaxFields) {
          // A 33rd field has no place: it and everything after it are dropped.
          fields_.count = kMaxFields;
          return fields_;
        }
        ++current;
        fieldStart = written;
        continue;
      }
    }
    if (c >= 32 && c <= 253) out[written++] = static_cast<char>(c);
  }
  closeField();
  fields_.count = current + 1;
  return fields_;
}

}  // namespace zf61
