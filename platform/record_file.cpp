#include "platform/record_file.h"

#include <algorithm>

#include "platform/file_util.h"

long RecordFile::RecordCount() const {
    auto bytes = ReadWholeFile(path_);
    if (!bytes || length_ == 0) return 0;
    return static_cast<long>((bytes->size() + length_ - 1) / length_);
}

bool RecordFile::Read(long n, RecordBuffer& out) const {
    out = RecordBuffer(length_);
    if (n < 1) return false;
    if (!FileExists(path_)) return true;
    auto bytes = ReadWholeFile(path_);
    if (!bytes) return false;
    size_t start = static_cast<size_t>(n - 1) * length_;
    if (start < bytes->size()) {
        size_t count = std::min(length_, bytes->size() - start);
        std::copy_n(bytes->begin() + static_cast<long>(start), count, out.bytes().begin());
    }
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
