// Reading the exchange file line by line and dispatching each line.
#include "exchange/ExchangeReader.h"

#include <cstring>
#include <fstream>
#include <string>

#include "exchange/ReaderRules.h"

namespace zf61 {
namespace {

constexpr size_t kReadBlockBytes = 1 << 16;

// Position of the first CR or LF at or after `from`, or npos. memchr finds the LF; a CR is
// looked for only before it, so a file of CR LF lines is scanned about once.
size_t NextLineEnd(std::string_view block, size_t from) {
  const char* base = block.data();
  const void* lf = std::memchr(base + from, '\n', block.size() - from);
  size_t limit = lf ? static_cast<size_t>(static_cast<const char*>(lf) - base) : block.size();
  const void* cr = std::memchr(base + from, '\r', limit - from);
  if (cr) return static_cast<size_t>(static_cast<const char*>(cr) - base);
  return lf ? limit : std::string_view::npos;
}

// Cuts a stream of blocks into lines. A line that spans blocks is gathered in `pending_`;
// a CR at the end of one block and an LF at the start of the next make one line end.
class LineCutter {
 public:
  template <typename OnLine>
  void feed(std::string_view block, OnLine&& onLine) {
    size_t start = 0;
    if (afterCr_ && !block.empty() && block[0] == '\n') start = 1;
    afterCr_ = false;
    while (start < block.size()) {
      size_t end = NextLineEnd(block, start);
      if (end == std::string_view::npos) break;
      emit(block.substr(start, end - start), onLine);
      if (block[end] == '\r') {
        if (end + 1 == block.size()) {
          afterCr_ = true;
        } else if (block[end + 1] == '\n') {
          ++end;
        }
      }
      start = end + 1;
    }
    if (start < block.size()) pending_.append(block.substr(start));
  }

  template <typename OnLine>
  void finish(OnLine&& onLine) {
    if (!pending_.empty()) onLine(std::string_view(pending_));
    pending_.clear();
  }

 private:
  template <typename OnLine>
  void emit(std::string_view tail, OnLine& onLine) {
    if (pending_.empty()) {
      onLine(tail);
    } else {
      pending_.append(tail);
      onLine(std::string_view(pending_));
      pending_.clear();
    }
  }

  std::string pending_;
  bool afterCr_ = false;
};

}  // namespace

bool ExchangeReader::readExchangeFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::string block(kReadBlockBytes, '\0');
  LineCutter cutter;
  auto onLine = [this](std::string_view line) { parseLine(line); };
  while (file) {
    file.read(block.data(), static_cast<std::streamsize>(block.size()));
    size_t got = static_cast<size_t>(file.gcount());
    if (got > 0) cutter.feed(std::string_view(block.data(), got), onLine);
  }
  if (file.bad()) return false;
  cutter.finish(onLine);
  return true;
}

void ExchangeReader::parseText(std::string_view bytes) {
  LineCutter cutter;
  auto onLine = [this](std::string_view line) { parseLine(line); };
  cutter.feed(bytes, onLine);
  cutter.finish(onLine);
}

void ExchangeReader::parseLine(std::string_view line) {
  if (TryStoreNumberLine(store_, line)) return;
  const Fields& fields = splitter_.split(line);
  if (fields.empty()) return;
  if (ApplyAttributeLine(store_, fields)) return;
  ApplyFigureLine(store_, fields);
}

}  // namespace zf61
