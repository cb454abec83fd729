#include "shared/seat_record.h"

void SeatRecord::Encode(RecordBuffer& buf, size_t at) const {
    buf.SetText(at + 0, 20, Name);
    buf.SetText(at + 20, 30, Avatar);
    buf.SetText(at + 50, 100, Comments);
    buf.SetI16(at + 150, Level);
    buf.SetI16(at + 152, SoundSet);
}

void SeatRecord::Decode(const RecordBuffer& buf, size_t at) {
    Name = buf.GetText(at + 0, 20);
    Avatar = buf.GetText(at + 20, 30);
    Comments = buf.GetText(at + 50, 100);
    Level = buf.GetI16(at + 150);
    SoundSet = buf.GetI16(at + 152);
}

void SeatDefaults(SeatRecord& seat) {
    seat.Name = kDefaultPersonality;
    seat.Level = 0;
    seat.Avatar = std::string(kDefaultPersonality) + ".jpg";
    seat.SoundSet = 0;
    seat.Comments = kDefaultComments;
}

std::string LevelCaption(int level) {
    static const char* const kNames[] = {"Level: Average", "Level: Clever", "Level: Ruthless"};
    return kNames[level >= 0 && level <= 2 ? level : 0];
}
