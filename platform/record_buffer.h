#pragma once
// A record's bytes with typed little-endian accessors at byte offsets: 16- and 32-bit integers,
// 8-byte doubles and fixed-length single-byte text. Offsets outside the record are a programming
// error and throw.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb_types.h"

class RecordBuffer {
  public:
    explicit RecordBuffer(size_t length = 0) : bytes_(length, 0) {}

    size_t size() const { return bytes_.size(); }
    std::span<std::uint8_t> bytes() { return bytes_; }
    std::span<const std::uint8_t> bytes() const { return bytes_; }
    void Clear() { std::fill(bytes_.begin(), bytes_.end(), std::uint8_t{0}); }

    i16 GetI16(size_t offset) const;
    void SetI16(size_t offset, i16 value);
    i32 GetI32(size_t offset) const;
    void SetI32(size_t offset, i32 value);
    double GetF64(size_t offset) const;
    void SetF64(size_t offset, double value);
    // Fixed-length text: stored blank padded; read back trimmed (empty when it starts with NUL).
    std::string GetText(size_t offset, size_t length) const;
    std::string GetRawText(size_t offset, size_t length) const;
    void SetText(size_t offset, size_t length, std::string_view utf8);

  private:
    void Check(size_t offset, size_t length) const;
    std::vector<std::uint8_t> bytes_;
};
