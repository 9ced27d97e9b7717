// Which player reads a metafile, by its first bytes.
#include "metafile/MetafilePlayers.h"
#include "metafile/MetafileScene.h"

namespace zf61 {

std::optional<MetafileScene> ReadMetafile(std::string_view bytes) {
  if (auto wmf = ReadWmf(bytes)) return wmf;
  return ReadEmf(bytes);
}

}  // namespace zf61
