#pragma once
// Reading and writing whole typed records through a record file, and the small loops over
// evenly spaced 16-bit fields that every record layout uses.
#include <span>
#include <string>

#include "platform/record_buffer.h"
#include "platform/record_file.h"

// Record `n` of `file` into `out`; false when the file exists but cannot be read (a missing
// file or a record past its end reads as zeros, as a fresh record would).
template <class Record>
bool ReadRecord(const RecordFile& file, long n, Record& out) {
    if (file.recordLength() != Record::kSize) return false;
    RecordBuffer buf(Record::kSize);
    if (!file.Read(n, buf)) return false;
    out.Decode(buf);
    return true;
}

template <class Record>
bool WriteRecord(const RecordFile& file, long n, const Record& record,
                 std::string* error = nullptr) {
    if (file.recordLength() != Record::kSize) {
        if (error) *error = "record length mismatch";
        return false;
    }
    RecordBuffer buf(Record::kSize);
    record.Encode(buf);
    return file.Write(n, buf, error);
}

// values[i] at offset + i * stride.
inline void PutI16s(RecordBuffer& buf, size_t offset, size_t stride, std::span<const i16> values) {
    for (size_t i = 0; i < values.size(); ++i) buf.SetI16(offset + i * stride, values[i]);
}
inline void GetI16s(const RecordBuffer& buf, size_t offset, size_t stride, std::span<i16> values) {
    for (size_t i = 0; i < values.size(); ++i) values[i] = buf.GetI16(offset + i * stride);
}

// Raw bytes kept exactly as read (reserved areas).
template <size_t N>
void PutBytes(RecordBuffer& buf, size_t offset, const std::array<std::uint8_t, N>& bytes) {
    std::copy(bytes.begin(), bytes.end(), buf.bytes().begin() + static_cast<long>(offset));
}
template <size_t N>
void GetBytes(const RecordBuffer& buf, size_t offset, std::array<std::uint8_t, N>& bytes) {
    auto from = buf.bytes().subspan(offset, N);
    std::copy(from.begin(), from.end(), bytes.begin());
}
