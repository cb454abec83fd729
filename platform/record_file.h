#pragma once
// Fixed-length random-access record files: record n (numbered from 1) of length L starts at byte
// (n - 1) L. Reading past the end gives zeros. Every write replaces the file in one step, so a
// failed write reports the failure and leaves the old file as it was.
#include <string>

#include "platform/record_buffer.h"

class RecordFile {
  public:
    RecordFile(std::string path, size_t recordLength)
        : path_(std::move(path)), length_(recordLength) {}

    const std::string& path() const { return path_; }
    size_t recordLength() const { return length_; }

    // Records in the file (a partial last record counts).
    long RecordCount() const;

    // Reads record `n` into `out` (resized to the record length). False only when the file
    // exists but cannot be read; a missing file or a record past the end reads as zeros.
    bool Read(long n, RecordBuffer& out) const;

    // Writes record `n`, extending the file with zero records where needed.
    bool Write(long n, const RecordBuffer& record, std::string* error = nullptr) const;

  private:
    std::string path_;
    size_t length_;
};
