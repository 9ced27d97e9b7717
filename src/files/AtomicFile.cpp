// Atomic file replacement through a temporary file and a rename.
#include "files/AtomicFile.h"

namespace zf61 {

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target) {
  std::string name = ".";
  name += target.filename().string();
  name += ".zf61-tmp";
  return target.parent_path() / name;
}

AtomicFile::AtomicFile(std::filesystem::path target, FileOps& ops)
    : target_(std::move(target)), temporary_(TemporaryPathFor(target_)), ops_(ops) {}

AtomicFile::~AtomicFile() {
  if (!committed_) abandon();
}

bool AtomicFile::open() {
  file_ = ops_.create(temporary_);
  failed_ = file_ == nullptr;
  if (failed_) ops_.remove(temporary_);
  return !failed_;
}

bool AtomicFile::write(std::string_view bytes) {
  if (failed_ || !file_) return false;
  if (!file_->write(bytes)) failed_ = true;
  return !failed_;
}

bool AtomicFile::commit() {
  if (failed_ || !file_) {
    abandon();
    return false;
  }
  bool closed = file_->close();
  file_.reset();
  if (!closed || !ops_.rename(temporary_, target_)) {
    failed_ = true;
    ops_.remove(temporary_);
    return false;
  }
  committed_ = true;
  return true;
}

void AtomicFile::abandon() {
  if (file_) {
    file_->close();
    file_.reset();
  }
  if (!committed_) ops_.remove(temporary_);
  failed_ = true;
}

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view content,
                         FileOps& ops) {
  AtomicFile file(target, ops);
  return file.open() && file.write(content) && file.commit();
}

}  // namespace zf61
