// JSON output with two-space indentation.
#include "inspect/JsonWriter.h"

#include <cstdio>

#include "model/Numbers.h"

namespace zf61 {
namespace {

// Text gathered before it is written to the sink.
constexpr size_t kSpillSize = 1 << 20;

}  // namespace

void JsonWriter::writeOut() {
  if (std::fwrite(out_.data(), 1, out_.size(), sink_) != out_.size()) sinkFailed_ = true;
  out_.clear();
}

void JsonWriter::spill() {
  if (sink_ && out_.size() >= kSpillSize) writeOut();
}

bool JsonWriter::finish() {
  if (sink_) writeOut();
  return !sinkFailed_;
}

void JsonWriter::newline() {
  out_ += '\n';
  out_.append(firstInScope_.size() * 2, ' ');
}

void JsonWriter::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (firstInScope_.empty()) return;
  if (!firstInScope_.back()) out_ += ',';
  firstInScope_.back() = false;
  newline();
}

void JsonWriter::beginObject() {
  beforeValue();
  out_ += '{';
  firstInScope_.push_back(true);
}

void JsonWriter::endObject() {
  bool empty = firstInScope_.back();
  firstInScope_.pop_back();
  if (!empty) newline();
  out_ += '}';
  spill();
}

void JsonWriter::beginArray() {
  beforeValue();
  out_ += '[';
  firstInScope_.push_back(true);
}

void JsonWriter::endArray() {
  bool empty = firstInScope_.back();
  firstInScope_.pop_back();
  if (!empty) newline();
  out_ += ']';
  spill();
}

void JsonWriter::key(std::string_view name) {
  beforeValue();
  writeString(name);
  out_ += ": ";
  afterKey_ = true;
}

void JsonWriter::value(double v) {
  beforeValue();
  // Written in place: a drawing's rings are millions of numbers.
  char digits[32];
  out_.append(digits, FormatExact(v, digits));
}

void JsonWriter::value(int32_t v) {
  beforeValue();
  out_ += std::to_string(v);
}

void JsonWriter::value(bool v) {
  beforeValue();
  out_ += v ? "true" : "false";
}

void JsonWriter::value(std::string_view utf8) {
  beforeValue();
  writeString(utf8);
}

void JsonWriter::writeString(std::string_view utf8) {
  out_ += '"';
  for (char c : utf8) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out_ += '\\';
      out_ += c;
    } else if (u < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", u);
      out_ += escape;
    } else {
      out_ += c;
    }
  }
  out_ += '"';
}

}  // namespace zf61
