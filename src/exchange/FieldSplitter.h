// Splits one exchange-file line into up to 32 fields the way Jw_cad's readers do: blanks
// separate fields until the first double-quote character or "=", after which the rest of the
// line is one field; Shift-JIS pairs are never split.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zf61 {

inline constexpr int kMaxFields = 32;

struct Fields {
  std::array<std::string_view, kMaxFields> field{};
  // Index of the last field opened plus one; a blank after the last field opens an empty one.
  int count = 0;

  std::string_view operator[](int i) const {
    return i < kMaxFields ? field[i] : std::string_view();
  }
  // True when the line carries nothing: an empty first field and no other.
  bool empty() const { return count <= 1 && field[0].empty(); }
};

class FieldSplitter {
 public:
  // Splits `line`; the views in the result point into this splitter's buffer and stay valid
  // until the next call. Fields beyond the 32nd are dropped.
  const Fields& split(std::string_view line);

 private:
  std::string buffer_;
  Fields fields_;
};

}  // namespace zf61
