#pragma once
// What the player is told when this machine's own connection fails: the host's listening
// socket, or a remote's connection to the host. A single remote's failure on the host is told as
// that player leaving, and the others play on.
#include <string>
#include <vector>

#include "net/net_actions.h"
#include "net/net_link.h"

namespace net {

// The boxes, in order, for a failure of kind `fault` with the system's description `what`.
std::vector<act::Box> SocketFailureBoxes(SocketFault fault, bool host, const std::string& what);

// The boxes when the host cannot listen on `port`.
std::vector<act::Box> ListenFailureBoxes(SocketFault fault, int port, const std::string& what);

}  // namespace net
