// The two halves of the reader's dispatch: attribute and setting keys, then figures.
#pragma once

#include "exchange/FieldSplitter.h"
#include "model/DrawingStore.h"

namespace zf61 {

// Applies a setting or attribute line (every key that is not a figure). Returns false when the
// line is none of them and should be tried as a figure.
bool ApplyAttributeLine(DrawingStore& store, const Fields& f);

// Stores the figure the line describes, if any.
void ApplyFigureLine(DrawingStore& store, const Fields& f);

inline bool StartsWith(std::string_view text, std::string_view key) {
  return text.size() >= key.size() && text.compare(0, key.size(), key) == 0;
}

}  // namespace zf61
