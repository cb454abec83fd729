#include "data_files_source.h"

#include <charconv>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

#include "platform/record_buffer.h"
#include "platform/vb_strings.h"
#include "records/score_record.h"
#include "shared/comment_record.h"
#include "shared/prefs_record.h"

namespace {

// The meaningful lines of a source, with their line numbers.
std::vector<std::pair<int, std::string>> Lines(const std::string& text) {
    std::vector<std::pair<int, std::string>> out;
    std::istringstream in(text);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string t = Trim(line);
        if (t.empty() || t[0] == '#') continue;
        out.emplace_back(n, line);
    }
    return out;
}

bool Fail(std::string* error, const std::string& where, int line, const std::string& why) {
    if (error) *error = where + ":" + std::to_string(line) + ": " + why;
    return false;
}

bool ToInt(const std::string& s, long long lo, long long hi, long long& out) {
    const std::string t = Trim(s);
    int base = 10;
    size_t skip = 0;
    if (t.rfind("0x", 0) == 0) base = 16, skip = 2;
    const char* first = t.data() + skip;
    const char* last = t.data() + t.size();
    if (first == last) return false;
    auto [end, ec] = std::from_chars(first, last, out, base);
    return ec == std::errc() && end == last && out >= lo && out <= hi;
}

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(s);
    while (std::getline(in, part, sep)) parts.push_back(part);
    if (!s.empty() && s.back() == sep) parts.emplace_back();
    return parts;
}

// Places a record in a file image, growing it with zero records as needed.
void PutRecord(std::string& bytes, long n, const RecordBuffer& buf) {
    const size_t start = static_cast<size_t>(n - 1) * buf.size();
    if (bytes.size() < start + buf.size()) bytes.resize(start + buf.size(), '\0');
    for (size_t i = 0; i < buf.size(); ++i) bytes[start + i] = static_cast<char>(buf.bytes()[i]);
}

bool FitsField(const std::string& text, size_t width) {
    return text.size() <= width && text.find_first_of("\t\n") == std::string::npos;
}

}  // namespace

std::optional<std::string> BuildSnackFile(const std::string& text, const std::string& where,
                                          std::string* error) {
    std::map<long, std::string> records;
    for (const auto& [line, s] : Lines(text)) {
        const size_t space = s.find(' ');
        long long n = 0;
        if (space == std::string::npos || !ToInt(s.substr(0, space), 1, 999, n))
            return Fail(error, where, line, "expected \"<record> <text>\""), std::nullopt;
        const std::string t = s.substr(space + 1);
        if (!FitsField(t, CommentRecord::kSize))
            return Fail(error, where, line, "text longer than 100 characters"), std::nullopt;
        if (!records.emplace(static_cast<long>(n), t).second)
            return Fail(error, where, line, "record listed twice"), std::nullopt;
    }
    std::string bytes;
    const long last = records.empty() ? 0 : records.rbegin()->first;
    for (long n = 1; n <= last; ++n) {
        RecordBuffer buf(CommentRecord::kSize);
        CommentRecord{records.count(n) ? records[n] : std::string()}.Encode(buf);
        PutRecord(bytes, n, buf);
    }
    return bytes;
}

std::optional<std::string> BuildScoresFile(const std::string& text, const std::string& where,
                                           std::string* error) {
    constexpr long kRecords = 18;
    std::map<long, ScoreRecord> records;
    for (const auto& [line, s] : Lines(text)) {
        const auto parts = Split(s, '|');
        long long n = 0;
        if (parts.size() != 3 || !ToInt(parts[0], 1, kRecords, n))
            return Fail(error, where, line, "expected \"<record 1-18> | <text> | <numbers>\""),
                   std::nullopt;
        ScoreRecord rec;
        // One blank after the bar belongs to the layout; a number's own blank stays.
        rec.Name = parts[1].size() > 1 ? parts[1].substr(1) : std::string();
        while (!rec.Name.empty() && rec.Name.back() == ' ') rec.Name.pop_back();
        if (!FitsField(rec.Name, 30))
            return Fail(error, where, line, "text longer than 30 characters"), std::nullopt;
        std::istringstream nums(parts[2]);
        std::string num;
        int count = 0;
        while (nums >> num) {
            long long v = 0;
            if (count == 4 || !ToInt(num, -32768, 32767, v))
                return Fail(error, where, line, "four 16-bit numbers expected"), std::nullopt;
            rec.Numbers[count++] = static_cast<i16>(v);
        }
        if (count != 4) return Fail(error, where, line, "four numbers expected"), std::nullopt;
        if (!records.emplace(static_cast<long>(n), rec).second)
            return Fail(error, where, line, "record listed twice"), std::nullopt;
    }
    std::string bytes;
    for (long n = 1; n <= kRecords; ++n) {
        RecordBuffer buf(ScoreRecord::kSize);
        (records.count(n) ? records[n] : ScoreRecord{}).Encode(buf);
        PutRecord(bytes, n, buf);
    }
    return bytes;
}

namespace {
using FieldSetter = std::function<bool(PrefsRecord&, const std::string&)>;

FieldSetter I16(i16 PrefsRecord::*field, int lo, int hi) {
    return [=](PrefsRecord& p, const std::string& v) {
        long long n = 0;
        if (!ToInt(v, lo, hi, n)) return false;
        p.*field = static_cast<i16>(n);
        return true;
    };
}
FieldSetter Truth(i16 PrefsRecord::*field) {
    return I16(field, -1, 0);
}
FieldSetter Colour(i32 PrefsRecord::*field) {
    return [=](PrefsRecord& p, const std::string& v) {
        long long n = 0;
        if (!ToInt(v, 0, 0xFFFFFF, n)) return false;
        p.*field = static_cast<i32>(n);
        return true;
    };
}
bool SetRules(PrefsRecord& p, const std::string& v) {
    std::istringstream in(v);
    long long side = 0, forced = 0, shuffle = 0, wild = 0;
    std::string a, b, c, d, extra;
    if (!(in >> a >> b >> c >> d) || (in >> extra)) return false;
    const bool side_ok =
        ToInt(a, 9, 25, side) && (side == 9 || side == 14 || side == 19 || side == 25);
    if (!side_ok || !ToInt(b, 0, 7, forced) || !ToInt(c, -1, 0, shuffle) || !ToInt(d, -1, 0, wild))
        return false;
    p.Rules = {static_cast<i16>(side), static_cast<i16>(forced), static_cast<i16>(shuffle),
               static_cast<i16>(wild)};
    return true;
}
FieldSetter Seat(int s) {
    return [=](PrefsRecord& p, const std::string& v) {
        const auto parts = Split(v, '|');
        long long level = 0, sound = 0;
        if (parts.size() != 5 || !ToInt(parts[3], 0, 2, level) || !ToInt(parts[4], 0, 1, sound))
            return false;
        SeatRecord& seat = p.Seats[s];
        seat.Name = Trim(parts[0]);
        seat.Avatar = Trim(parts[1]);
        seat.Comments = Trim(parts[2]);
        seat.Level = static_cast<i16>(level);
        seat.SoundSet = static_cast<i16>(sound);
        return FitsField(seat.Name, 20) && FitsField(seat.Avatar, 30) &&
               FitsField(seat.Comments, 100);
    };
}

const std::map<std::string, FieldSetter>& PrefsFields() {
    static const std::map<std::string, FieldSetter> fields = {
        {"FontColor", Colour(&PrefsRecord::FontColor)},
        {"MatColor", Colour(&PrefsRecord::MatColor)},
        {"DeckColor", Colour(&PrefsRecord::DeckColor)},
        {"NumPlayers", I16(&PrefsRecord::NumPlayers, 2, 4)},
        {"NumCenters", I16(&PrefsRecord::NumCenters, 3, 4)},
        {"FontSize", I16(&PrefsRecord::FontSize, 6, 36)},
        {"BackgroundChoice", I16(&PrefsRecord::BackgroundChoice, 0, 99)},
        {"SpeedLevel", I16(&PrefsRecord::SpeedLevel, 0, 5)},
        {"AnimationSpeed", I16(&PrefsRecord::AnimationSpeed, 2, 250)},
        {"SoundMode", I16(&PrefsRecord::SoundMode, 0, 2)},
        {"CardSoundSet", I16(&PrefsRecord::CardSoundSet, 0, 1)},
        {"FaceDeck", I16(&PrefsRecord::FaceDeck, 0, 6)},
        {"BackStyle", I16(&PrefsRecord::BackStyle, 0, 0)},
        {"HoldLeft", I16(&PrefsRecord::HoldLeft, 0, 32767)},
        {"HoldTop", I16(&PrefsRecord::HoldTop, 0, 32767)},
        {"FontBackdrop", Truth(&PrefsRecord::FontBackdrop)},
        {"StatusBar", Truth(&PrefsRecord::StatusBar)},
        {"IntroMusic", Truth(&PrefsRecord::IntroMusic)},
        {"PlaceholderStyle", Truth(&PrefsRecord::PlaceholderStyle)},
        {"MenuStyle", Truth(&PrefsRecord::MenuStyle)},
        {"SmallDisplay", Truth(&PrefsRecord::SmallDisplay)},
        {"ShowAvatar", Truth(&PrefsRecord::ShowAvatar)},
        {"AutoSave", Truth(&PrefsRecord::AutoSave)},
        {"NoLoseAnimation", Truth(&PrefsRecord::NoLoseAnimation)},
        {"NoWinAnimation", Truth(&PrefsRecord::NoWinAnimation)},
        {"Rules", SetRules},
        {"StretchBackground", Truth(&PrefsRecord::StretchBackground)},
        {"Seat0", Seat(0)},
        {"Seat1", Seat(1)},
        {"Seat2", Seat(2)},
        {"Seat3", Seat(3)},
    };
    return fields;
}
}  // namespace

std::optional<std::string> BuildPrefsTemplate(const std::string& text, const std::string& where,
                                              std::string* error) {
    PrefsRecord p;
    std::map<std::string, bool> seen;
    for (const auto& [line, s] : Lines(text)) {
        const size_t eq = s.find('=');
        const std::string key = eq == std::string::npos ? Trim(s) : Trim(s.substr(0, eq));
        const auto it = PrefsFields().find(key);
        if (eq == std::string::npos || it == PrefsFields().end())
            return Fail(error, where, line, "unknown field \"" + key + "\""), std::nullopt;
        if (seen[key]) return Fail(error, where, line, key + " given twice"), std::nullopt;
        seen[key] = true;
        if (!it->second(p, s.substr(eq + 1)))
            return Fail(error, where, line, "value out of range for " + key), std::nullopt;
    }
    for (const auto& [key, setter] : PrefsFields())
        if (!seen[key]) return Fail(error, where, 0, key + " missing"), std::nullopt;
    if (p.NumPlayers > 2 && p.NumCenters != 4)
        return Fail(error, where, 0, "more than two players need four centers"), std::nullopt;
    RecordBuffer buf(PrefsRecord::kSize);
    p.Encode(buf);
    std::string bytes;
    PutRecord(bytes, 1, buf);
    return bytes;
}
