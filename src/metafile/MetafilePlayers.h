// The two players behind ReadMetafile.
#pragma once

#include <optional>
#include <string_view>

#include "metafile/MetafileScene.h"

namespace zf61 {

std::optional<MetafileScene> ReadWmf(std::string_view bytes);
std::optional<MetafileScene> ReadEmf(std::string_view bytes);

}  // namespace zf61
