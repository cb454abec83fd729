#pragma once
// What handling one protocol line asks of the rest of the program, in order. The dispatcher only
// decides; the game-state actions are applied by ApplyToGame (net/apply_to_game.h), the others
// by the window's side. Every text here that came from a peer is plain text: it is shown as it
// stands, never read as markup, a path or an address to open.
#include <array>
#include <string>
#include <variant>

#include "engine/flow_state.h"
#include "shared/game_state_record.h"

namespace net::act {

// Lines out (each without its line feed).
struct Send {  // to one peer (a remote sends only to the host, 0)
    int peer;
    std::string line;
};
struct SendAll {  // from the host to every seated peer but `except` (0: every one)
    int except;
    std::string line;
};
struct Close {  // closes that peer's connection
    int peer;
};

// What the game flow waits on.
struct Code {  // NetCode
    i16 code;
};
struct Answers {  // NetAnswers
    i16 count;
};
struct MoveIn {  // a card play of the player on turn: MoveFrom, MoveTo
    i16 from, to;
};
struct FirstPlayer {  // "TR" on a remote: Pturn in this machine's numbering
    i16 pturn;
};
struct DeckIn {  // "DK" on a remote: the payload the deal or the reshuffle then takes
    std::string payload;
};

// The game and the table.
struct PeerVersionIs {  // PeerVersion, and NumberCards for a peer without a version
    std::string digits;
    bool numberCards;
};
struct HelloSeat {  // a remote's socket number on the host, from the host's hello (NetValue2)
    i16 socket;
};
struct Connected {  // NetConnected
    i16 count;
};
struct OlderPeerGame {  // two players, three centers, 104 cards; house rules for a peer below 5.2
    bool houseRules;
};
struct OpponentName {  // the name of Opp1-Opp3
    int opp;
    std::string name;
};
struct HostName {  // HostPlayerName and OpponentName on a remote
    std::string name;
};
struct Seats {  // the host's table of seated peers, as the turn driver reads it
    std::array<NetSeat, 5> seats;
};
struct Layout {  // a remote's table as the host lays it out ("LO"); the names come as OpponentName
    int players, centers, seat;
};
struct Restore {  // a remote takes the host's game ("RC"), already checked whole
    GameStateRecord position;
};
struct TableReset {};
struct EndInternetGame {};  // the clean-up of the whole Internet game
struct AskJoin {            // host: may this later joiner take part? (answered by JoinAnswered)
    int peer;
    std::string name;
};
struct AskSaveEndedGame {};
struct LoadNetAvatar {
    int opp;
};
struct ShowPlayerNames {};
struct ShowRulesCaption {};
struct ShowHostRules {};
struct EnableChatSend {};
struct HumanPiles {  // enables or disables the human's piles 1-10
    bool enabled;
};
struct DealButton {
    bool visible;
};
// The peer cannot show picture cards: with a picture deck in use the player is told ("Unable to use
// picture playing cards!", a line break, "Switching to number cards!") and number cards are used.
struct NumberCardsOnly {};

// What the player sees and hears.
struct Label {  // element `index` of the main window's message labels
    int index;
    std::string text;
};
struct Status {  // the status message box of the main window
    std::string text;
    bool visible;
};
inline constexpr int kOpponentPanel = 5;  // the status-bar panel naming the shown opponent
struct StatusPanel {                      // panel `panel` of the main window's status bar
    int panel;
    std::string text;
};
struct Box {
    std::string text;
    int style;
    std::string title;
};
struct Beep {};
struct DataSound {  // "Data/~<id>.tmp" of the program folder
    int id;
};
struct PeerSound {  // a sound of the program's own Sounds folder that the peer asked for
    std::string file;
};
struct Emoticon {  // a picture of the program's own Icons folder
    std::string file;
};
struct Slap {};
struct Link {  // a web address from the peer, offered to the player; never opened by itself
    std::string url;
};
struct CardShow {};  // the end-of-game card animation, run after the handler, between games
struct ChatShown {   // a line for the chat history and, when logging is on, the chat log
    std::string line;
};
struct PeekLabel {  // the main window's peek notice
    std::string text;
};
struct PeerFault {  // the peer broke the protocol; the game with it has been ended
    int peer;
    std::string what;
};

}  // namespace net::act

namespace net {

using Action =
    std::variant<act::Send, act::SendAll, act::Close, act::Code, act::Answers, act::MoveIn,
                 act::FirstPlayer, act::DeckIn, act::PeerVersionIs, act::HelloSeat, act::Connected,
                 act::OlderPeerGame, act::OpponentName, act::HostName, act::Seats, act::Layout,
                 act::Restore, act::TableReset, act::EndInternetGame, act::AskJoin,
                 act::AskSaveEndedGame, act::LoadNetAvatar, act::ShowPlayerNames,
                 act::ShowRulesCaption, act::ShowHostRules, act::EnableChatSend, act::HumanPiles,
                 act::DealButton, act::NumberCardsOnly, act::Label, act::Status, act::StatusPanel,
                 act::Box, act::Beep, act::DataSound, act::PeerSound, act::Emoticon, act::Slap,
                 act::Link, act::CardShow, act::ChatShown, act::PeekLabel, act::PeerFault>;

}  // namespace net
