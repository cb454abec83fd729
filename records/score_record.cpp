#include "records/score_record.h"

#include "shared/record_io.h"

void ScoreRecord::Encode(RecordBuffer& buf, size_t at) const {
    buf.SetText(at, 30, Name);
    PutI16s(buf, at + 30, 2, Numbers);
}

void ScoreRecord::Decode(const RecordBuffer& buf, size_t at) {
    Name = buf.GetText(at, 30);
    GetI16s(buf, at + 30, 2, Numbers);
}
