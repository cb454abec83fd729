#pragma once
// Flags and counters of the game's flow that the window, the engine and the computer share.
#include <array>
#include <string>

#include "platform/vb_types.h"

// An Internet player's place at the host, indexed by the host's socket.
struct NetSeat {
    std::string Name;
    i16 Socket = 0;
    i16 Kind = 0;  // 7 an Internet player, 0 empty
    i16 Seat = 0;  // 1-3: the player is Opp1-Opp3 on the host
};

struct FlowState {
    i16 StopFlag = VbFalse;        // shutdown: every pause and game loop ends at once
    i16 FlipInProgress = VbFalse;  // a computer card is moving: pauses hold back input
    i16 ComputerBusy = VbFalse;
    i16 NewGamePending = VbFalse;
    i16 AbortTurn = 0;  // after a stalemate: 1 game given up, 2 recovered
    i16 GameStarted = VbFalse;
    i16 GameRestored = VbFalse;
    i16 MenusLocked = VbFalse;
    i16 AnimationRunning = VbFalse;
    i16 Dragging = 0;
    i16 DroppedByDrag = VbFalse;
    i16 Dealing = VbFalse;
    i16 StartingUp = VbFalse;
    i16 DevMode = VbFalse;

    // Internet play: 0 no Internet game, 99 set up but nobody connected, else connected peers.
    i16 NetConnected = 0;
    i16 IsHost = 0;
    std::array<NetSeat, 5> NetSeats{};
};

// The signed-in player's choices that the game's logic reads (copied from the profile).
struct PlayOptions {
    i16 SoundMode = 0;   // 0 all sounds, 1 reduced, 2 silent
    i16 SpeedLevel = 2;  // 0-5
    float MovePause = 1.0f;
    i16 AnimationSpeed = 45;
    i16 NoWinAnimation = VbFalse;
    i16 NoLoseAnimation = VbFalse;
    i16 SampleGamesOn = VbFalse;
    i16 AutoSaveOn = VbFalse;
    i16 PersonalityIndex = 0;
    std::string PlayerName;
    std::string PlayerAvatar;  // the player's picture in Avatars/ (empty: none)
    std::string AppFolder;
};
