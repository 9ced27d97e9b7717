// Win32FileOps, and the program's file layer on Windows.
#include "platform/Win32FileOps.h"

#include <windows.h>

#include <climits>

namespace zf61 {
namespace win32 {
namespace {

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (valid()) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE get() const { return h_; }
  // Closes now; false when the system reports an error.
  bool close() {
    HANDLE h = h_;
    h_ = INVALID_HANDLE_VALUE;
    return h != INVALID_HANDLE_VALUE && CloseHandle(h) != 0;
  }

 private:
  HANDLE h_;
};

class Win32File final : public OutputFile {
 public:
  explicit Win32File(HANDLE h) : handle_(h) {}

  bool write(std::string_view bytes) override {
    while (!bytes.empty()) {
      DWORD chunk = bytes.size() > INT_MAX ? INT_MAX : static_cast<DWORD>(bytes.size());
      DWORD written = 0;
      if (!WriteFile(handle_.get(), bytes.data(), chunk, &written, nullptr) || written == 0) {
        failed_ = true;
        return false;
      }
      bytes.remove_prefix(written);
    }
    return true;
  }

  bool close() override {
    bool flushed = FlushFileBuffers(handle_.get()) != 0;
    return handle_.close() && flushed && !failed_;
  }

 private:
  Handle handle_;
  bool failed_ = false;
};

HANDLE OpenForAttributes(const std::filesystem::path& path, DWORD access) {
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool IsMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

std::unique_ptr<OutputFile> Win32FileOps::create(const std::filesystem::path& path) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32File>(h);
}

bool Win32FileOps::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32FileOps::remove(const std::filesystem::path& path) {
  if (DeleteFileW(path.c_str())) return true;
  return IsMissing(GetLastError());
}

bool Win32FileOps::makeWritable(const std::filesystem::path& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return IsMissing(GetLastError());
  if (!(attributes & FILE_ATTRIBUTE_READONLY)) return true;
  return SetFileAttributesW(path.c_str(),
                            attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)) != 0;
}

bool Win32FileOps::copyLastWriteTime(const std::filesystem::path& from,
                                     const std::filesystem::path& to) {
  Handle source(OpenForAttributes(from, FILE_READ_ATTRIBUTES));
  FILETIME written;
  if (!source.valid() || !GetFileTime(source.get(), nullptr, nullptr, &written)) return false;
  Handle target(OpenForAttributes(to, FILE_WRITE_ATTRIBUTES));
  return target.valid() && SetFileTime(target.get(), nullptr, nullptr, &written) != 0;
}

}  // namespace win32

FileOps& SystemFileOps() {
  static win32::Win32FileOps ops;
  return ops;
}

}  // namespace zf61
