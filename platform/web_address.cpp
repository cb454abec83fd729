#include "platform/web_address.h"

#include <algorithm>
#include <cctype>

bool IsWebAddress(const std::string& address) {
    std::string lower = address;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    auto hasHost = [&](size_t prefix) {
        return lower.size() > prefix && lower.find_first_of(" \t\r\n") == std::string::npos;
    };
    if (lower.rfind("http://", 0) == 0) return hasHost(7);
    if (lower.rfind("https://", 0) == 0) return hasHost(8);
    return false;
}
