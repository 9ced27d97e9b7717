// Reads JWC_TEMP.TXT, the file in which Jw_cad hands the selected figures over, into the store.
#pragma once

#include <filesystem>
#include <string_view>

#include "exchange/FieldSplitter.h"
#include "model/DrawingStore.h"

namespace zf61 {

class ExchangeReader {
 public:
  explicit ExchangeReader(DrawingStore& store) : store_(store) {}

  // False when there is no file at `path` or reading it fails; figures read before a failure
  // stay in the store. CR LF, a lone LF and a lone CR each end a line, and a last line without
  // a line end is read too. The file is opened read-only and never changed.
  bool readExchangeFile(const std::filesystem::path& path);

  // Reads a whole file's bytes already in memory, cut into lines as the file would be.
  void parseText(std::string_view bytes);

  // Splits one line (without its line end) and applies it to the store.
  void parseLine(std::string_view line);

 private:
  DrawingStore& store_;
  FieldSplitter splitter_;
};

}  // namespace zf61
