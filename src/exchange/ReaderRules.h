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

// A four-number line: held in pair mode, else stored with the chain number while in a chain.
// Neither ends chain or pair mode; both clear the flags.
void StoreLine(DrawingStore& store, double x1, double y1, double x2, double y2);

// Handles a line made of exactly four plain numbers, the commonest line of the file, without
// the general splitter: such a line can match no key, so it is always a line figure. False
// when the line has any other shape; it then goes the general way.
bool TryStoreNumberLine(DrawingStore& store, std::string_view line);

inline bool StartsWith(std::string_view text, std::string_view key) {
  return text.size() >= key.size() && text.compare(0, key.size(), key) == 0;
}

}  // namespace zf61
