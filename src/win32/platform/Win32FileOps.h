// The file layer on Windows, through the wide file API: files are replaced with MoveFileExW,
// read-only marks are cleared with SetFileAttributesW, and file times are copied with
// GetFileTime/SetFileTime to their full 100-nanosecond precision.
#pragma once

#include "files/FileOps.h"

namespace zf61::win32 {

class Win32FileOps final : public FileOps {
 public:
  std::unique_ptr<OutputFile> create(const std::filesystem::path& path) override;
  bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool remove(const std::filesystem::path& path) override;
  bool makeWritable(const std::filesystem::path& path) override;
  bool copyLastWriteTime(const std::filesystem::path& from,
                         const std::filesystem::path& to) override;
};

}  // namespace zf61::win32
