// File operations that fail on request, wrapped around the real file system.
#pragma once

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string_view>

#include "files/FileOps.h"

namespace zf61::test {

class FaultyFileOps final : public FileOps {
 public:
  bool failOpen = false;
  long failWriteAfterBytes = -1;  // -1: never
  bool failClose = false;         // as a full disk shows itself when the data is flushed
  bool failRename = false;

  std::unique_ptr<OutputFile> create(const std::filesystem::path& path) override {
    if (failOpen) return nullptr;
    auto inner = SystemFileOps().create(path);
    if (!inner) return nullptr;
    return std::make_unique<File>(std::move(inner), *this);
  }
  bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (failRename) return false;
    return SystemFileOps().rename(from, to);
  }
  bool remove(const std::filesystem::path& path) override { return SystemFileOps().remove(path); }
  bool makeWritable(const std::filesystem::path& path) override {
    return SystemFileOps().makeWritable(path);
  }
  bool copyLastWriteTime(const std::filesystem::path& from,
                         const std::filesystem::path& to) override {
    return SystemFileOps().copyLastWriteTime(from, to);
  }

 private:
  class File final : public OutputFile {
   public:
    File(std::unique_ptr<OutputFile> inner, FaultyFileOps& ops)
        : inner_(std::move(inner)), ops_(ops) {}
    bool write(std::string_view bytes) override {
      if (ops_.failWriteAfterBytes >= 0) {
        long room = std::max(0L, ops_.failWriteAfterBytes - written_);
        if (static_cast<long>(bytes.size()) > room) {
          inner_->write(bytes.substr(0, static_cast<size_t>(room)));
          written_ += room;
          return false;
        }
      }
      written_ += static_cast<long>(bytes.size());
      return inner_->write(bytes);
    }
    bool close() override { return inner_->close() && !ops_.failClose; }

   private:
    std::unique_ptr<OutputFile> inner_;
    FaultyFileOps& ops_;
    long written_ = 0;
  };
};

}  // namespace zf61::test
