// The exchange-file reader on arbitrary bytes: no crash, no undefined behaviour, and a store
// whose draw order matches its arrays and holds no NaN or infinity.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "exchange/ExchangeReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zf61::DrawingStore store;
  zf61::ExchangeReader reader(store);
  reader.parseText(std::string_view(reinterpret_cast<const char*>(data), size));
  size_t total = 0;
  for (int code = 1; code <= 15; ++code) {
    total += store.countOfKind(static_cast<zf61::FigureKind>(code));
  }
  FUZZ_CHECK(total == store.figureOrder.size());
  for (const auto& l : store.lines) {
    FUZZ_CHECK(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) &&
               std::isfinite(l.y2));
  }
  for (const auto& t : store.texts) FUZZ_CHECK(t.text.size() <= zf61::kMaxTextBytes);
  for (double scale : store.settings.groupScale) FUZZ_CHECK(std::isfinite(scale) && scale > 0);
  return 0;
}
