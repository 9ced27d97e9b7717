// The byte-level field splitter of the exchange-file reader.
#include "exchange/FieldSplitter.h"

#include <array>

namespace zf61 {
namespace {

enum ByteClass : unsigned char { kAppend, kDrop, kLead, kBlank, kQuote, kEquals };

// What each byte does, looked up once per byte instead of a chain of comparisons.
constexpr std::array<ByteClass, 256> MakeByteClasses() {
  std::array<ByteClass, 256> classes{};
  for (int c = 0; c < 256; ++c) {
    ByteClass k = kAppend;
    if (c < 32 || c == 254 || c == 255) k = kDrop;
    if ((c >= 0x80 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFD)) k = kLead;
    if (c == ' ' || c == '\t') k = kBlank;
    if (c == '"') k = kQuote;
    if (c == '=') k = kEquals;
    classes[c] = k;
  }
  return classes;
}

constexpr std::array<ByteClass, 256> kByteClasses = MakeByteClasses();

}  // namespace

const Fields& FieldSplitter::split(std::string_view line) {
  // Fields are subsequences of the line in order, so one buffer of the line's size holds them
  // all back to back and each field is a view of a slice of it.
  if (buffer_.size() < line.size()) buffer_.resize(line.size());
  char* out = buffer_.data();
  for (int i = 0; i < fields_.count; ++i) fields_.field[i] = {};
  size_t written = 0;
  size_t fieldStart = 0;
  int current = 0;
  const size_t size = line.size();
  size_t i = 0;

  // Field mode: blanks separate fields until a double-quote character or "=".
  while (i < size) {
    char c = line[i];
    ByteClass k = kByteClasses[static_cast<unsigned char>(c)];
    if (k == kAppend) {
      out[written++] = c;
      ++i;
    } else if (k == kBlank) {
      ++i;
      if (written == fieldStart) continue;  // blanks before a field's first character
      fields_.field[current] = std::string_view(out + fieldStart, written - fieldStart);
      if (current + 1 >= kMaxFields) {
        // A 33rd field has no place: it and everything after it are dropped.
        fields_.count = kMaxFields;
        return fields_;
      }
      ++current;
      fieldStart = written;
    } else if (k == kLead) {
      if (i + 1 >= size) {
        i = size;  // a lead byte without its partner ends the scan
        break;
      }
      out[written++] = c;
      out[written++] = line[i + 1];
      i += 2;
    } else if (k == kQuote || k == kEquals) {
      if (k == kEquals) out[written++] = c;
      ++i;
      break;
    } else {
      ++i;
    }
  }

  // Rest mode: everything else belongs to the current field, blanks included.
  while (i < size) {
    char c = line[i];
    ByteClass k = kByteClasses[static_cast<unsigned char>(c)];
    if (k == kLead) {
      if (i + 1 >= size) break;
      out[written++] = c;
      out[written++] = line[i + 1];
      i += 2;
      continue;
    }
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 32 && u <= 253) out[written++] = c;  // tabs and control bytes are dropped here too
    ++i;
  }
  fields_.field[current] = std::string_view(out + fieldStart, written - fieldStart);
  fields_.count = current + 1;
  return fields_;
}

}  // namespace zf61
