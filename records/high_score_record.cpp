#include "records/high_score_record.h"

#include <chrono>
#include <cmath>

namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

const sys_days kEpoch = sys_days{std::chrono::year{1899} / 12 / 30};

}  // namespace

void HighScoreRecord::Encode(RecordBuffer& buf, size_t at) const {
    buf.SetF64(at, When);
    buf.SetText(at + 8, 20, Name);
    buf.SetI16(at + 28, Side);
    buf.SetI16(at + 30, Hand);
    buf.SetI16(at + 32, Hold);
    buf.SetI16(at + 34, Total);
}

void HighScoreRecord::Decode(const RecordBuffer& buf, size_t at) {
    When = buf.GetF64(at);
    Name = buf.GetText(at + 8, 20);
    Side = buf.GetI16(at + 28);
    Hand = buf.GetI16(at + 30);
    Hold = buf.GetI16(at + 32);
    Total = buf.GetI16(at + 34);
}

double DayCountOf(int year, unsigned month, unsigned day) {
    const sys_days date{std::chrono::year{year} / std::chrono::month{month} /
                        std::chrono::day{day}};
    return static_cast<double>((date - kEpoch).count());
}

void DateOfDayCount(double daysCount, int& year, unsigned& month, unsigned& day) {
    // A damaged file may hold anything: keep the date inside what the calendar can show.
    const double whole = std::isfinite(daysCount) ? std::floor(daysCount) : 0.0;
    const double clamped = std::fmax(-657434.0, std::fmin(2958465.0, whole));  // years 100-9999
    const year_month_day ymd{kEpoch + days{static_cast<long>(clamped)}};
    year = static_cast<int>(ymd.year());
    month = static_cast<unsigned>(ymd.month());
    day = static_cast<unsigned>(ymd.day());
}

double TodayDayCount() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    return DayCountOf(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                      static_cast<unsigned>(local.tm_mday));
}
