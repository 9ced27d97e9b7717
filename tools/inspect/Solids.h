// zf61-inspect --solids: the exchange file that ＯＫ writes when the fill goes back as solids.
#pragma once

#include "inspect/FillOptions.h"
#include "model/DrawingStore.h"

namespace zf61 {

// Writes to `path` what ＯＫ would write into JWC_TEMP.TXT for the whole drawing (Shift-JIS,
// CR LF): "bz", each colour's solids and, with --labels, the rooms' areas. A click outside
// every room, an area that cannot be split or a file that cannot be written is told on
// stderr: false.
bool WriteSolidsFile(DrawingStore& store, const char* path, const FillOptions& options);

}  // namespace zf61
