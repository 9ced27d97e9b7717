// The few file operations the program uses to write files, behind an interface so that tests
// can make any of them fail (open, a write after N bytes, the rename, a full disk).
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

namespace zf61 {

class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual bool write(std::string_view bytes) = 0;
  // Flushes and closes; false when anything written could not be stored.
  virtual bool close() = 0;
};

class FileOps {
 public:
  virtual ~FileOps() = default;
  // Creates or truncates the file; nullptr when it cannot be opened for writing.
  virtual std::unique_ptr<OutputFile> create(const std::filesystem::path& path) = 0;
  // Moves `from` onto `to`, replacing any file there.
  virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual bool remove(const std::filesystem::path& path) = 0;
};

// The real file system.
FileOps& SystemFileOps();

}  // namespace zf61
