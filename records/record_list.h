#pragma once
// A whole file of typed records at once: read every record, change the list, write it back in
// one step. Changes that move or remove records (deleting players, clearing lists) go through
// here, so that an interrupted write leaves the old file whole rather than half of each.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_util.h"
#include "platform/record_buffer.h"

// Every record of the file, a partial last record read as if padded with zeros. An empty list
// for a missing file; nothing when the file exists but cannot be read.
template <class Record>
std::optional<std::vector<Record>> ReadAllRecords(const std::string& path) {
    std::vector<Record> out;
    if (!FileExists(path)) return out;
    auto bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    const size_t n = (bytes->size() + Record::kSize - 1) / Record::kSize;
    out.resize(n);
    for (size_t i = 0; i < n; ++i) {
        RecordBuffer buf(Record::kSize);
        const size_t start = i * Record::kSize;
        const size_t count = std::min(Record::kSize, bytes->size() - start);
        std::copy_n(bytes->begin() + static_cast<long>(start), count, buf.bytes().begin());
        out[i].Decode(buf);
    }
    return out;
}

// A record kept as its bytes, for changes that move or keep records without reading them: a
// record written back this way is exactly the record that was read.
template <size_t N>
struct RawRecord {
    static constexpr size_t kSize = N;
    RecordBuffer bytes{N};

    void Decode(const RecordBuffer& buf) { bytes = buf; }
    void Encode(RecordBuffer& buf) const { buf = bytes; }
    template <class Record>
    Record As() const {
        Record r;
        r.Decode(bytes);
        return r;
    }
};

// Replaces the file by exactly these records (record 1 first), in one step.
template <class Record>
bool WriteAllRecords(const std::string& path, const std::vector<Record>& records,
                     std::string* error = nullptr) {
    std::string bytes;
    bytes.reserve(records.size() * Record::kSize);
    RecordBuffer buf(Record::kSize);
    for (const Record& r : records) {
        buf.Clear();
        r.Encode(buf);
        bytes.append(buf.bytes().begin(), buf.bytes().end());
    }
    return WriteFileAtomically(path, bytes, error);
}
