#include "net/connection_checks.h"

#include "platform/vb_strings.h"

namespace net {

std::optional<int> ReadPort(std::string_view text) {
    const std::string t = Trim(std::string(text));
    if (t.empty() || t.size() > 5) return std::nullopt;
    int port = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        port = port * 10 + (c - '0');
    }
    if (port < kLowestNetPort || port > 65535) return std::nullopt;
    return port;
}

std::optional<DialogRefusal> CheckConnection(const ConnectionChoice& choice) {
    if (!ReadPort(choice.port))
        return DialogRefusal{
            "The PORT number must be a whole number from 1024 to 65535: the ports below 1024 "
            "are reserved for the system.\nLeave it at " +
                std::to_string(kDefaultNetPort) + " unless you have a problem.",
            mb::Critical, "Quorvane Internet Game", DialogRefusal::Port};
    if (choice.host) return std::nullopt;
    const std::string address = Trim(choice.address);
    if (address.empty() || address.size() > 15)
        return DialogRefusal{
            "That's not a valid IP Address.\nPlease get your HOST'S IP Address.\nYou need to "
            "enter it for the connection to be made.",
            mb::Critical, "Quorvane Internet Game", DialogRefusal::Address};
    size_t at = 0;
    for (int dots = 0; dots < 3; ++dots) {
        at = address.find('.', at);
        if (at == std::string::npos)
            return DialogRefusal{"Not a valid number. Must be in the format:\nxxx.xxx.xxx.xxx",
                                 mb::Critical, "Incorrect IP Address!", DialogRefusal::Address};
        ++at;
    }
    return std::nullopt;
}

std::string PortRefusedText(int port, bool inUse) {
    const std::string n = std::to_string(port);
    if (inUse)
        return "Port " + n +
               " is already in use by another program.\nIf you have changed the Port number, "
               "choose another one; otherwise close the other program and connect again.";
    return "Port " + n +
           " cannot be opened by this program.\nPorts below 1024 are reserved for the system: "
           "use a Port number from 1024 to 65535 (the usual one is " +
           std::to_string(kDefaultNetPort) + ").";
}

std::string OwnAddressText(const std::vector<std::string>& addresses) {
    std::string text =
        "You can verify the IP Address by going to the Help Menu, Visit the Internet Site, IP "
        "Address Check\n\nHOST IP ADDRESS:";
    for (const std::string& a : addresses) text += "\n" + a;
    return text;
}

}  // namespace net
