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

class SystemOps final : public FileOps {
 public:
  std::unique_ptr<OutputFile> create(const std::filesystem::path& path) override {
    auto file = std::make_unique<StreamFile>(path);
    if (!file->isOpen()) return nullptr;
    return file;
  }

  bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
  }

  bool remove(const std::filesystem::path& path) override {
    std::error_code error;
    std::filesystem::remove(path, error);
    return !error;
  }
};

}  // namespace

FileOps& SystemFileOps() {
  static SystemOps ops;
  return ops;
}

}  // namespace zf61
