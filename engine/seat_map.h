#pragma once
// Who is who on which machine of an Internet game. Every machine numbers the players from its own
// human (1); the host's opponents 1-3 are the remotes in seats 1-3. The host's player q is, on
// the remote in seat s of n players, player ((q - 1 - s) mod n) + 1: the remote's opponents are
// the others in turn order after itself. The deal, the first player, the layout's names and the
// game-state transfer all go through these two functions.

// The host's player `hostPlayer` (1-n) as the remote in seat `seat` (1 to n - 1) numbers it.
constexpr int LocalOfHost(int hostPlayer, int seat, int players) {
    return ((hostPlayer - 1 - seat) % players + players) % players + 1;
}

// The remote's player `localPlayer` as the host numbers it.
constexpr int HostOfLocal(int localPlayer, int seat, int players) {
    return (localPlayer - 1 + seat) % players + 1;
}
