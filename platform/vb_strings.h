#pragma once
// Number-to-text and text-to-number conversions with the classic runtime's semantics, used
// wherever numbers go into captions, messages and protocol lines.
#include <string>
#include <string_view>

// A non-negative number gets a leading blank, a negative one its minus sign: Str(5) == " 5".
std::string Str(long long n);
std::string Str(double x);
inline std::string Str(int n) {
    return Str(static_cast<long long>(n));
}
inline std::string Str(short n) {
    return Str(static_cast<long long>(n));
}

// Reads the leading number of a text, skipping blanks, tabs and line feeds anywhere in it;
// stops at the first character that cannot continue a number. "&H" and "&O" prefixes read hex
// and octal. Gives 0 when there is no number.
double Val(std::string_view text);

// The text in capitals (ASCII letters), for the comparisons of names that ignore case.
std::string UCase(std::string_view text);

// A number read from a file, a setting or a peer, held within lo..hi before it becomes an
// integer (converting one out of the integer's range is undefined); not a number gives lo.
int ClampToInt(double x, int lo, int hi);

// Trims blanks (only blanks, as the runtime's Trim does) from both ends.
std::string Trim(std::string_view text);
