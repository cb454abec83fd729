#pragma once
// One entry of "Data/highscore.ran" (36 bytes): the date as a day count from 30 December 1899
// (an 8-byte float holding whole days), the name and the run's cards.
#include <string>

#include "platform/record_buffer.h"

struct HighScoreRecord {
    static constexpr size_t kSize = 36;

    double When = 0;   // whole days since 1899-12-30
    std::string Name;  // 20 characters
    i16 Side = 0;
    i16 Hand = 0;
    i16 Hold = 0;
    i16 Total = 0;

    void Encode(RecordBuffer& buf, size_t at = 0) const;
    void Decode(const RecordBuffer& buf, size_t at = 0);
};

// The stored day count of a calendar date (1899-12-30 is day 0), and back.
double DayCountOf(int year, unsigned month, unsigned day);
void DateOfDayCount(double days, int& year, unsigned& month, unsigned& day);
// Today's date in the local time zone as a day count.
double TodayDayCount();
