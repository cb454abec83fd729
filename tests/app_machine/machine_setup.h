#pragma once
// What one copy of the program run by a test is told to do as a player: host or join, its name,
// the port, and the Internet menu commands its player chooses after so many turn ends. The table
// hands it to the machine as "key=value" arguments. Not part of the program.
#include <optional>
#include <string>
#include <vector>

struct MachineSetup {
    bool host = false;
    int players = 2;  // host: the players it waits for before it deals
    int port = 0;     // the port the host listens on and the remotes join
    std::string name = "Player";
    std::string folder;  // the machine's home: its settings, its program folder, its logs
    // Host: Save This Game, then Send Saved Internet Game and Restart Current Game, each after
    // this many turn ends of its game (0 never).
    int saveAt = 0;
    int sendAt = 0;
    int restartAt = 0;
    // The game (1 the first) whose player sends the game saved in the first.
    int sendGame = 1;
    // Host: END Internet Game after this many turn ends (0: the game is played to its end).
    int endAt = 0;
    // Internet games played one after the other by the same copies (the host's choice).
    int games = 1;
    // The window's close box after this many turn ends, while another player is on turn.
    int closeAt = 0;
    // END Internet Game as soon as the table says which player a long wait is held up by.
    int endOnWait = 0;
    // Leaves the program when its Internet game ends before a deal, as one cut off by the host,
    // instead of joining again (0: joins again, as one the host could not seat yet).
    int leaveIfCut = 0;
    // Once its Internet game is over the player checks that the table is a local one again:
    // F11 opens the connection dialog (which it cancels), and New Game of the Game menu deals a
    // local game; then it closes the window.
    int localAfter = 0;
    // Seconds the player looks at each of its turns before its first move.
    int think = 0;
    // Host: the side piles' size (10, 15, 20 or 26 cards) chosen in Host Setup and Rules' rules;
    // 0 keeps the rules as they are.
    int side = 0;
    // Host: the window or message box (its object name, or words of its text) the player leaves
    // open, once it is shown, until the test puts a file "release" in the machine's folder; the
    // first one held is noted in "steps" as "held " and its name or text. Empty: none.
    std::string hold;
    // Host: once the table is set up and one player seated, before every player it waits for
    // has joined, its player chooses 1 New Game or 2 Host Setup and Rules (again) of the
    // Internet menu.
    int early = 0;
    // Host: the seed its random generator is set to as its player chooses New Game, so that the
    // test knows the deal (and so who begins); 0 leaves the program's own seed. Test control.
    int seed = 0;
    // The competition whose score file the player chooses in Internet Players Setup once seated
    // ("" keeps the player's default score file).
    std::string competition;
};

std::vector<std::string> MachineArgs(const MachineSetup& setup);
std::optional<MachineSetup> MachineFromArgs(const std::vector<std::string>& args);
