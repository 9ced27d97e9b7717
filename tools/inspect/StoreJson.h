// The drawing store as JSON: its settings and every figure in arrival order.
#pragma once

#include "inspect/JsonWriter.h"
#include "model/DrawingStore.h"

namespace zf61 {

void WriteStoreJson(const DrawingStore& store, JsonWriter& json);

}  // namespace zf61
