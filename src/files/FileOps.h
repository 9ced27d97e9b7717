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
  // Clears a read-only mark of an existing file so that it can be replaced (Windows refuses to
  // replace a read-only file); true also when there is no such file.
  virtual bool makeWritable(const std::filesystem::path& path) = 0;
  // Gives `to` the last-write time of `from`, to the file system's full precision.
  virtual bool copyLastWriteTime(const std::filesystem::path& from,
                                 const std::filesystem::path& to) = 0;
};

// The file operations of the standard library.
class StandardFileOps : public FileOps {
 public:
  std::unique_ptr<OutputFile> create(const std::filesystem::path& path) override;
  bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool remove(const std::filesystem::path& path) override;
  bool makeWritable(const std::filesystem::path& path) override;
  bool copyLastWriteTime(const std::filesystem::path& from,
                         const std::filesystem::path& to) override;
};

// The real file system as the platform's own file layer sees it: the standard library's, or on
// Windows the wide file API (which keeps file times exactly).
FileOps& SystemFileOps();

}  // namespace zf61
