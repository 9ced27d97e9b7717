// File operations on the real file system through the standard library.
#include "files/FileOps.h"

#include <fstream>

namespace zf61 {
namespace {

class StreamFile final : public OutputFile {
 public:
  explicit StreamFile(const std::filesystem::path& path)
      : stream_(path, std::ios::binary | std::ios::trunc) {}
  bool isOpen() const { return stream_.is_open(); }

  bool write(std::string_view bytes) override {
    stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(stream_);
  }

  bool close() override {
    stream_.flush();
    bool ok = static_cast<bool>(stream_);
    stream_.close();
    return ok && !stream_.fail();
  }

 private:
  std::ofstream stream_;
};

}  // namespace

std::unique_ptr<OutputFile> StandardFileOps::create(const std::filesystem::path& path) {
  auto file = std::make_unique<StreamFile>(path);
  if (!file->isOpen()) return nullptr;
  return file;
}

bool StandardFileOps::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return !error;
}

bool StandardFileOps::remove(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::remove(path, error);
  return !error;
}

bool StandardFileOps::makeWritable(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return true;
  std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add, error);
  return !error;
}

bool StandardFileOps::copyLastWriteTime(const std::filesystem::path& from,
                                        const std::filesystem::path& to) {
  std::error_code error;
  auto time = std::filesystem::last_write_time(from, error);
  if (error) return false;
  std::filesystem::last_write_time(to, time, error);
  return !error;
}

}  // namespace zf61
