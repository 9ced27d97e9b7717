// Writing a file so that it is either wholly replaced or not touched: the bytes go to a
// temporary file beside the target, which is renamed onto the target only when every write and
// the close succeeded. A crash or a full disk never leaves a half-written file under the name.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "files/FileOps.h"

namespace zf61 {

class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path target, FileOps& ops = SystemFileOps());
  ~AtomicFile();  // removes the temporary file unless it was committed
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  bool open();
  bool write(std::string_view bytes);
  // Closes the temporary file and renames it onto the target. After a failure here or in an
  // earlier write nothing is left of the temporary file.
  bool commit();
  // Discards what was written and removes the temporary file.
  void abandon();

  const std::filesystem::path& temporaryPath() const { return temporary_; }
  // The file that a successful commit replaces.
  const std::filesystem::path& target() const { return target_; }

 private:
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  FileOps& ops_;
  std::unique_ptr<OutputFile> file_;
  bool failed_ = false;
  bool committed_ = false;
};

// Temporary name used for `target`: a hidden file in the same folder.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);

// Writes `content` to `target` atomically; false (and no file written) on any failure.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view content,
                         FileOps& ops = SystemFileOps());

}  // namespace zf61
