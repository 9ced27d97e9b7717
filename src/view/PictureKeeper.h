// Picture files decoded once per run. A platform's picture source keeps every picture it
// decoded together with the size and last-write time its file had, and decodes the file again
// only when they change; pictures made from a kept one (crop windows) are kept with it. When the
// kept pixels pass a budget, the pictures drawn longest ago are let go.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "view/PictureSource.h"

namespace zf61 {

// What tells one state of a file from another.
struct FileStamp {
  int64_t size = 0;
  int64_t writeTime = 0;  // in the platform's own units
  bool operator==(const FileStamp&) const = default;
};

// Kept pixels beyond this many bytes let the least recently used pictures go: about five
// photos of 24 megapixels with one crop window each.
inline constexpr size_t kKeptPictureBytes = size_t{1} << 30;

class KeepingPictureSource : public PictureSource {
 public:
  explicit KeepingPictureSource(size_t budgetBytes = kKeptPictureBytes) : budget_(budgetBytes) {}

  // Decodes the file now, keeping nothing.
  std::optional<Picture> load(std::string_view cp932Name) final { return decode(cp932Name); }
  std::shared_ptr<const Picture> share(std::string_view cp932Name) final;
  std::shared_ptr<const Picture> madeFrom(std::string_view cp932Name, const std::string& key,
                                          const std::function<Picture()>& make) final;

  // The bytes of pixels kept now, for tests and benchmarks.
  size_t keptBytes() const { return bytes_; }

 protected:
  // The file's size and last-write time; nothing when the file cannot be found.
  virtual std::optional<FileStamp> stampOf(std::string_view cp932Name) = 0;
  virtual std::optional<Picture> decode(std::string_view cp932Name) = 0;

 private:
  struct Kept {
    FileStamp stamp;
    std::shared_ptr<const Picture> picture;  // null for a file that could not be decoded
    std::map<std::string, std::shared_ptr<const Picture>> made;
    size_t bytes = 0;
    uint64_t lastUse = 0;
  };

  void forget(std::map<std::string, Kept, std::less<>>::iterator at);
  void letGoBeyondBudget(const Kept& inUse);

  size_t budget_;
  size_t bytes_ = 0;
  uint64_t uses_ = 0;
  std::map<std::string, Kept, std::less<>> kept_;
};

}  // namespace zf61
