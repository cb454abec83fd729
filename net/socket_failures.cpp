#include "net/socket_failures.h"

#include "net/connection_checks.h"
#include "platform/dialogs.h"

namespace net {

namespace {

constexpr const char* kTitle = "Quorvane";

act::Box Problem(const std::string& what) {
    return {"Here's the problem:\nError: " + what, mb::Information, kTitle};
}

}  // namespace

std::vector<act::Box> SocketFailureBoxes(SocketFault fault, bool host, const std::string& what) {
    switch (fault) {
        case SocketFault::Refused:
            return {{host ? "If you are acting as the HOST, your Firewall may be blocking the "
                            "game.\nChange your Firewall settings to allow Quorvane to act as a "
                            "server.\n"
                          : "The HOST is not listening!\nHOST must obtain IP ADDRESS first and "
                            "have started their Connection.\nCheck that you have the correct IP "
                            "ADDRESS from the HOST.\n",
                     mb::Critical, kTitle},
                    {"Restart Quorvane to connect correctly.\nError: " + what, mb::Information,
                     kTitle}};
        case SocketFault::TimedOut:
            return {{"The HOST did not answer.\n" + what +
                         "\nCheck that you have the correct IP ADDRESS and PORT from the HOST.",
                     mb::Critical, kTitle}};
        case SocketFault::Reset:
            return {Problem(what),
                    {"That means somebody got bumped off line.\nAnd BRIVO had absolutely nothing "
                     "to do with it!",
                     mb::Critical, kTitle}};
        case SocketFault::AddressInUse:
        case SocketFault::NotAllowed:
        case SocketFault::Other:
            break;
    }
    return {Problem(what)};
}

std::vector<act::Box> ListenFailureBoxes(SocketFault fault, int port, const std::string& what) {
    std::vector<act::Box> boxes{Problem(what)};
    if (fault == SocketFault::AddressInUse || fault == SocketFault::NotAllowed)
        boxes.push_back(
            {PortRefusedText(port, fault == SocketFault::AddressInUse), mb::Information, kTitle});
    return boxes;
}

}  // namespace net
