#include "platform/record_buffer.h"

#include <cstring>
#include <stdexcept>

#include "platform/text_codec.h"

void RecordBuffer::Check(size_t offset, size_t length) const {
    if (offset + length > bytes_.size() || offset + length < offset)
        throw std::out_of_range("record field outside the record");
}

i16 RecordBuffer::GetI16(size_t offset) const {
    Check(offset, 2);
    return static_cast<i16>(bytes_[offset] | (bytes_[offset + 1] << 8));
}

void RecordBuffer::SetI16(size_t offset, i16 value) {
    Check(offset, 2);
    auto u = static_cast<std::uint16_t>(value);
    bytes_[offset] = static_cast<std::uint8_t>(u & 0xFF);
    bytes_[offset + 1] = static_cast<std::uint8_t>(u >> 8);
}

i32 RecordBuffer::GetI32(size_t offset) const {
    Check(offset, 4);
    std::uint32_t u = 0;
    for (int k = 3; k >= 0; --k) u = (u << 8) | bytes_[offset + k];
    return static_cast<i32>(u);
}

void RecordBuffer::SetI32(size_t offset, i32 value) {
    Check(offset, 4);
    auto u = static_cast<std::uint32_t>(value);
    for (int k = 0; k < 4; ++k)
        bytes_[offset + k] = static_cast<std::uint8_t>((u >> (8 * k)) & 0xFF);
}

double RecordBuffer::GetF64(size_t offset) const {
    Check(offset, 8);
    std::uint64_t u = 0;
    for (int k = 7; k >= 0; --k) u = (u << 8) | bytes_[offset + k];
    double d;
    std::memcpy(&d, &u, sizeof d);
    return d;
}

void RecordBuffer::SetF64(size_t offset, double value) {
    Check(offset, 8);
    std::uint64_t u;
    std::memcpy(&u, &value, sizeof u);
    for (int k = 0; k < 8; ++k)
        bytes_[offset + k] = static_cast<std::uint8_t>((u >> (8 * k)) & 0xFF);
}

std::string RecordBuffer::GetText(size_t offset, size_t length) const {
    Check(offset, length);
    return FieldText(std::span(bytes_).subspan(offset, length));
}

std::string RecordBuffer::GetRawText(size_t offset, size_t length) const {
    Check(offset, length);
    return GetFixedText(std::span(bytes_).subspan(offset, length));
}

void RecordBuffer::SetText(size_t offset, size_t length, std::string_view utf8) {
    Check(offset, length);
    PutFixedText(std::span(bytes_).subspan(offset, length), utf8);
}
