// The fast way for the commonest line of an exchange file, "x1 y1 x2 y2".
#include "exchange/ReaderRules.h"
#include "model/Numbers.h"

namespace zf61 {
namespace {

// Characters of a plain number. None of the keys the reader knows can be spelt with them
// alone, so a line of four such fields always falls to the four-number line rule.
bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
}

}  // namespace

bool TryStoreNumberLine(DrawingStore& store, std::string_view line) {
  std::string_view fields[4];
  int count = 0;
  size_t i = 0;
  const size_t n = line.size();
  while (i < n) {
    char c = line[i];
    if (c == ' ' || c == '\t') {
      ++i;
      continue;
    }
    if (!IsNumberChar(c) || count == 4) return false;
    size_t start = i;
    while (i < n && IsNumberChar(line[i])) ++i;
    if (i < n && line[i] != ' ' && line[i] != '\t') return false;
    fields[count++] = line.substr(start, i - start);
  }
  // A blank after the fourth number opens a fifth, empty field: not a line.
  if (count != 4 || line.back() == ' ' || line.back() == '\t') return false;
  StoreLine(store, ParseFloat(fields[0]), ParseFloat(fields[1]), ParseFloat(fields[2]),
            ParseFloat(fields[3]));
  return true;
}

}  // namespace zf61
