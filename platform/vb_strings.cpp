#include "platform/vb_strings.h"

#include <cctype>
#include <cmath>
#include <cstdio>

std::string Str(long long n) {
    std::string digits = std::to_string(n);
    return n < 0 ? digits : " " + digits;
}

std::string Str(double x) {
    if (x == std::floor(x) && std::fabs(x) < 1e15) return Str(static_cast<long long>(x));
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.7g", x);
    std::string s = buf;
    // The runtime writes ".5" rather than "0.5".
    if (s.rfind("0.", 0) == 0) s.erase(0, 1);
    if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
    return x < 0 ? s : " " + s;
}

namespace {

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') out += c;
    return out;
}

double RadixValue(const std::string& s, size_t pos, int radix) {
    long long v = 0;
    for (; pos < s.size(); ++pos) {
        int c = std::tolower(static_cast<unsigned char>(s[pos]));
        int d = std::isdigit(c) ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : 99;
        if (d >= radix) break;
        v = v * radix + d;
        if (v > 0xFFFFFFFFLL) break;
    }
    return static_cast<double>(v);
}

}  // namespace

double Val(std::string_view text) {
    const std::string s = WithoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        char k = static_cast<char>(std::tolower(static_cast<unsigned char>(s[1])));
        if (k == 'h') return RadixValue(s, 2, 16);
        if (k == 'o') return RadixValue(s, 2, 8);
    }
    size_t i = 0;
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) num += s[i++];
    bool digits = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        num += s[i++], digits = true;
    if (i < s.size() && s[i] == '.') {
        num += s[i++];
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            num += s[i++], digits = true;
    }
    if (!digits) return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::string exp = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        size_t start = j;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) exp += s[j++];
        if (j > start) num += exp;
    }
    return std::strtod(num.c_str(), nullptr);
}

std::string Trim(std::string_view text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = text.find_last_not_of(' ');
    return std::string(text.substr(b, e - b + 1));
}

std::string UCase(std::string_view text) {
    std::string s(text);
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

int ClampToInt(double x, int lo, int hi) {
    if (!(x >= lo)) return lo;  // also NaN
    if (x >= hi) return hi;
    return static_cast<int>(x);
}
