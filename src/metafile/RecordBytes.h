// Little-endian fields of metafile records, read with bounds checks: a field past the end of
// its record reads as absent, never as memory beyond it.
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace zf61 {

class RecordBytes {
 public:
  explicit RecordBytes(std::string_view bytes) : bytes_(bytes) {}

  size_t size() const { return bytes_.size(); }
  bool has(size_t at, size_t length) const {
    return at <= bytes_.size() && length <= bytes_.size() - at;
  }
  std::optional<uint16_t> u16(size_t at) const {
    if (!has(at, 2)) return std::nullopt;
    return static_cast<uint16_t>(byte(at) | byte(at + 1) << 8);
  }
  std::optional<int16_t> i16(size_t at) const {
    auto v = u16(at);
    if (!v) return std::nullopt;
    return static_cast<int16_t>(*v);
  }
  std::optional<uint32_t> u32(size_t at) const {
    if (!has(at, 4)) return std::nullopt;
    return static_cast<uint32_t>(byte(at)) | static_cast<uint32_t>(byte(at + 1)) << 8 |
           static_cast<uint32_t>(byte(at + 2)) << 16 | static_cast<uint32_t>(byte(at + 3)) << 24;
  }
  std::optional<int32_t> i32(size_t at) const {
    auto v = u32(at);
    if (!v) return std::nullopt;
    return static_cast<int32_t>(*v);
  }
  std::optional<float> f32(size_t at) const {
    auto v = u32(at);
    if (!v) return std::nullopt;
    float f;
    uint32_t bits = *v;
    std::memcpy(&f, &bits, sizeof f);
    return f;
  }
  std::string_view slice(size_t at, size_t length) const {
    if (!has(at, length)) return {};
    return bytes_.substr(at, length);
  }

 private:
  unsigned byte(size_t at) const { return static_cast<unsigned char>(bytes_[at]); }
  std::string_view bytes_;
};

}  // namespace zf61
