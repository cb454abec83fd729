#include "platform/record_file.h"

#include <algorithm>

#include "platform/file_util.h"

long RecordFile::RecordCount() const {
    const auto size = ReadableFileSize(path_);
    if (!size || length_ == 0) return 0;
    return static_cast<long>((*size + length_ - 1) / length_);
}

// Only the record itself is read: a file can be far larger than the records the game uses.
bool RecordFile::Read(long n, RecordBuffer& out) const {
    out = RecordBuffer(length_);
    if (n < 1) return false;
    if (!FileExists(path_)) return true;
    const auto bytes = ReadFileRange(path_, static_cast<std::uint64_t>(n - 1) * length_, length_);
    if (!bytes) return false;
    std::copy(bytes->begin(), bytes->end(), out.bytes().begin());
    return true;
}

bool RecordFile::Write(long n, const RecordBuffer& record, std::string* error) const {
    if (n < 1 || record.size() != length_) {
        if (error) *error = "bad record number or length for " + path_;
        return false;
    }
    std::string bytes;
    if (FileExists(path_)) {
        auto old = ReadWholeFile(path_);
        if (!old) {
            if (error) *error = "cannot read " + path_;
            return false;
        }
        bytes = std::move(*old);
    }
    size_t start = static_cast<size_t>(n - 1) * length_;
    if (bytes.size() < start + length_) bytes.resize(start + length_, '\0');
    std::copy(record.bytes().begin(), record.bytes().end(),
              bytes.begin() + static_cast<long>(start));
    return WriteFileAtomically(path_, bytes, error);
}
