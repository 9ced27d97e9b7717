// Generated exchange files with a realistic mix of figures, for the reader benchmark.
#pragma once

#include <filesystem>

namespace zf61::bench {

// Writes about `figureLines` figure lines (chains of lines, circles, arcs, texts, solids,
// about 40 bytes each) after a genuine-looking header. Returns the file's size in bytes.
size_t WriteExchangeWorkload(const std::filesystem::path& path, size_t figureLines,
                             unsigned seed = 1);

}  // namespace zf61::bench
