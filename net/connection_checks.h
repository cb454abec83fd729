#pragma once
// The connection dialog's decisions without its window: which port is meant, whether the host's
// address can be tried, what a name change asks of the player, and what the player is told when
// a port cannot be opened. The window only shows the texts.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"

namespace net {

// The port an Internet game uses unless the players choose another. Ports below 1024 can only be
// opened by the system's administrator, so an ordinary player could never host on them.
constexpr int kDefaultNetPort = 41001;
constexpr int kLowestNetPort = 1024;

// The text of the port box as a port: a whole number from 1024 to 65535 (blanks around it
// allowed), or nothing.
std::optional<int> ReadPort(std::string_view text);

// What the player is told, and where the focus goes back, when the dialog cannot close.
struct DialogRefusal {
    std::string text;
    int style = mb::Critical;
    std::string title;
    enum Field { Name, Port, Address } field = Address;
};

struct ConnectionChoice {
    bool host = true;
    std::string name;     // as typed
    std::string port;     // as typed
    std::string address;  // as typed (remote only)
};

// The dialog's checks on Connect, in order: the port, and for a remote the host's address. The
// name's forbidden characters are told by the shared name check before these.
std::optional<DialogRefusal> CheckConnection(const ConnectionChoice& choice);

// The box when a port cannot be listened on: `inUse` another program has it; otherwise the
// system does not let an ordinary user open it.
std::string PortRefusedText(int port, bool inUse);

// The chat history's first lines on the host: how to check the address, and each of the
// machine's own IPv4 addresses on a line of its own.
std::string OwnAddressText(const std::vector<std::string>& addresses);

}  // namespace net
