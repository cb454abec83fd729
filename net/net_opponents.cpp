#include "net/net_opponents.h"

#include <filesystem>

#include "engine/engine.h"
#include "engine/personality.h"
#include "net/net_avatars.h"
#include "platform/file_util.h"

void LoadNetAvatar(Game& g, int opp) {
    if (opp < 1 || opp > 3) return;
    OpponentRecord& r = g.Opp[static_cast<size_t>(opp)];
    const auto kept = LoadNetAvatar(g.AppFolder, g.PlayerName, r.Name);
    if (kept && !kept->avatar.empty()) r.Avatar = kept->avatar;
}

bool SaveNetAvatar(const Game& g, int opp, std::string* error) {
    if (opp < 1 || opp > 3) return false;
    const OpponentRecord& r = g.Opp[static_cast<size_t>(opp)];
    const auto kept = LoadNetAvatar(g.AppFolder, g.PlayerName, r.Name);
    return SaveNetAvatar(g.AppFolder, g.PlayerName, r.Name, r.Avatar, kept ? kept->comments : "",
                         error);
}

void ResetNetPlayers(Game& g, std::array<SeatRecord, 4>& seats, BoardPort* board) {
    if (g.StopFlag) return;
    const std::string sounds = JoinPath(g.AppFolder, "Sounds");
    std::error_code ec;
    for (const std::string& name : ListFiles(sounds, ".pmw"))
        std::filesystem::remove(JoinPath(sounds, name), ec);
    ApplyOpponentSeats(g, seats, board);
}

void AskSaveEndedGame(Game& g, const Services& sv, const std::function<void()>& save) {
    if (g.Pturn == 0) return;
    g.Msg = "This game has ended. Would you like to save this game?";
    const int answer = sv.dialogs ? sv.dialogs->MsgBox(g.Msg, mb::YesNo, "Save Game") : mb::No;
    if (answer == mb::Yes) {
        g.NetSaveFlag = VbTrue;
        save();
    }
    Engine(g, sv).Reset_Table();
}
