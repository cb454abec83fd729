#include "shared/pms_record.h"

#include <algorithm>

#include "platform/text_codec.h"

void PmsRecord::Encode(RecordBuffer& buf, size_t at) const {
    for (size_t i = 0; i < Comments.size(); ++i) buf.SetText(at + 100 * i, 100, Comments[i]);
    for (size_t j = 0; j < Sounds.size(); ++j) buf.SetText(at + 3600 + 30 * j, 30, Sounds[j]);
    buf.SetText(at + 4560, 20, DefaultAvatar);
}

void PmsRecord::Decode(const RecordBuffer& buf, size_t at) {
    for (size_t i = 0; i < Comments.size(); ++i) Comments[i] = buf.GetText(at + 100 * i, 100);
    for (size_t j = 0; j < Sounds.size(); ++j) Sounds[j] = buf.GetText(at + 3600 + 30 * j, 30);
    DefaultAvatar = buf.GetText(at + 4560, 20);
}

bool PmsRecord::IsReadable() const {
    const auto readable = [](const std::string& t) { return IsReadableText(t); };
    return std::ranges::all_of(Comments, readable) && std::ranges::all_of(Sounds, readable) &&
           IsReadableText(DefaultAvatar);
}
