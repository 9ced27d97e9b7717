// The real file system on platforms whose standard library keeps file times exactly.
#include "files/FileOps.h"

namespace zf61 {

FileOps& SystemFileOps() {
  static StandardFileOps ops;
  return ops;
}

}  // namespace zf61
