// A small streaming JSON writer for the inspection tool's output.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zf61 {

class JsonWriter {
 public:
  // Without a sink the text is kept whole (text()); with one it is written there a piece at a
  // time as it grows, so that the text of a drawing's millions of numbers is never held whole.
  JsonWriter() = default;
  explicit JsonWriter(std::FILE* sink) : sink_(sink) {}

  void beginObject();
  void endObject();
  void beginArray();
  void endArray();
  void key(std::string_view name);
  void value(double v);  // the shortest text that reads back as v
  void value(int32_t v);
  void value(bool v);
  void value(std::string_view utf8);
  void value(const char* utf8) { value(std::string_view(utf8)); }

  template <typename T>
  void field(std::string_view name, const T& v) {
    key(name);
    value(v);
  }

  const std::string& text() const { return out_; }
  // Writes what is left to the sink; false when any write to it failed.
  bool finish();

 private:
  void writeOut();  // the gathered text to the sink
  void spill();     // ... once there is enough of it
  void beforeValue();
  void newline();
  void writeString(std::string_view utf8);

  std::FILE* sink_ = nullptr;
  bool sinkFailed_ = false;
  std::string out_;
  std::vector<bool> firstInScope_;
  bool afterKey_ = false;
};

}  // namespace zf61
