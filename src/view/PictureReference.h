// A text figure that refers to a picture: "^@BM", a file name, "," and up to five numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zf61 {

struct PictureReference {
  std::string fileName;  // Shift-JIS, as written in the drawing
  double width = 0.0;
  double height = 0.0;
  double cropLeft = 0.0;    // third number, 0 unless given
  double cropBottom = 0.0;  // fourth number, 0 unless given
  double cropScale = 1.0;   // fifth number, 1 unless given
};

// True when the text starts with the picture marker "^@BM".
bool IsPictureText(std::string_view text);

// The reference in `text`, or nothing when it has no marker or no comma. With one number the
// height equals the width; the fifth number is the whole text after the fourth comma.
std::optional<PictureReference> ParsePictureReference(std::string_view text);

}  // namespace zf61
