// Writing JWC_TEMP.TXT back for Jw_cad, and handing a generated picture back as a picture record.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "files/FileOps.h"
#include "model/DrawingStore.h"

namespace zf61 {

// Where the generated picture lies in the drawing: the view's lower-left corner and width at
// generation, in the view's units.
struct PicturePlacement {
  double pictureX0 = 0.0;
  double pictureY0 = 0.0;
  double pictureWidth = 0.0;
};

// The key of a text record of a variant: 1 "cv", 2 "cs", ... 9 "c2", anything else "ch".
std::string_view TextKeyOfVariant(int32_t variant);

// Appends a text record as two output lines (the key line ending in a double-quote character,
// then the data) that the writer joins into one. Adds nothing for a direction of length zero or
// for data made only of blanks and control bytes.
void addTextRecord(DrawingStore& store, int32_t variant, std::string_view data, double x, double y,
                   double dirX, double dirY);

// Writes the output lines (or "hq" when there are none) with CR LF line ends. On any failure
// there is neither an exchange file nor a temporary file afterwards, so Jw_cad applies nothing.
bool writeExchangeFile(const DrawingStore& store, const std::filesystem::path& path,
                       FileOps& ops = SystemFileOps());

// Copies in 2048-byte blocks to a temporary file that replaces `destination` only when the whole
// copy succeeded, then gives it the source's last-write time (a failure there is ignored).
// False when the copy failed; `destination` is then as it was.
bool copyFileKeepingTime(const std::filesystem::path& source,
                         const std::filesystem::path& destination, FileOps& ops = SystemFileOps());

enum class HandBack {
  NoPicture,   // nothing was generated (or it is too narrow to place): nothing to hand back
  Handed,      // the picture is at its target and the record is added
  CopyFailed,  // the picture could not be written to its target: nothing was added
};

// On OK: copies the temporary picture to the target and adds the picture record
// "^@BM<path>,<width>" at the placement. `targetText` is the target path as Jw_cad will read it
// (Shift-JIS); empty means no picture was generated.
// Jw_cad reads the records handed back in paper millimetres only after a "bz" line: one is put
// first unless the output has one.
void EnsureBzLine(DrawingStore& store);

HandBack handBackPicture(DrawingStore& store, const std::filesystem::path& target,
                         std::string_view targetText, const std::filesystem::path& tempPicture,
                         const PicturePlacement& placement, FileOps& ops = SystemFileOps());

}  // namespace zf61
