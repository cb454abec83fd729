#pragma once
// Headless stand-ins for the window, sounds, board, status bar and network, so that whole games
// run by calls with no window and no waiting. Message boxes are answered from a script.
#include <deque>
#include <functional>
#include <memory>

#include "engine/game.h"
#include "engine/headless/call_log.h"
#include "engine/services.h"

class ScriptedDialogs : public Dialogs {
public:
    explicit ScriptedDialogs(CallLog& log) : log_(log) {}
    int MsgBox(const std::string& text, int style, const std::string& title) override;

    // Answers given in order; when they run out, `fallback` answers (default: Yes / OK).
    std::deque<int> answers;
    int fallback = mb::Yes;
    int asked = 0;
    std::string lastText, lastTitle;

private:
    CallLog& log_;
};

class RecordingSounds : public Sounds {
public:
    explicit RecordingSounds(CallLog& log) : log_(log) {}
    void PlaySound(const std::string& path, bool wait) override;
    void StopSounds() override {}
    int played = 0;

private:
    CallLog& log_;
};

class RecordingBoard : public BoardPort {
public:
    explicit RecordingBoard(CallLog& log) : log_(log) {}
    void ShowCard(PileRow row, int index, i16 cardId, int kind) override;
    void HideCard(PileRow row, int index) override;
    void SetMessage(int index, const std::string& text) override;
    void DrawTable() override { log_.Add("DrawTable"); }
    void ResetTable() override { log_.Add("ResetTable"); }
    void SetupLayout(int oldPlayers, int oldCenters) override;
    void MoveCardAnim(PileRow fromRow, int fromIdx, PileRow toRow, int toIdx) override;
    void PutMoverOnStock() override { log_.Add("PutMoverOnStock"); }
    void Peek() override { log_.Add("Peek"); }
    void EnableHumanPiles(bool flag, int fromPile, int toPile) override;
    void EnablePlayerPiles(bool flag) override;
    void EnableItem(PileRow row, int index) override;
    void LoadAvatar(const std::string& fileName) override { log_.Add("LoadAvatar " + fileName); }
    void SetWildLabel(int center, const std::string& text) override {
        if (center >= 0 && center <= 4) wildLabels[center] = text;
        log_.Add("WildLabel " + std::to_string(center) + " " + text);
    }
    std::string messages[5];
    std::string wildLabels[5];

private:
    CallLog& log_;
};

class RecordingStatus : public StatusPort {
public:
    explicit RecordingStatus(CallLog& log) : log_(log) {}
    void StatusBar_Clear() override { log_.Add("StatusBar_Clear"); }
    void WildUpdate() override { log_.Add("WildUpdate"); }
    void ShowOppStatus(int opp) override { log_.Add("ShowOppStatus " + std::to_string(opp)); }
    void ShowCounter() override { log_.Add("ShowCounter"); }

private:
    CallLog& log_;
};

// Keeps every line sent, for a scripted peer to read.
class RecordingNet : public NetPort {
public:
    explicit RecordingNet(CallLog& log) : log_(log) {}
    void SendNet(int socket, const std::string& line) override;
    void SendNetAll(int exceptSocket, const std::string& line) override;
    std::vector<std::pair<int, std::string>> sent;

private:
    CallLog& log_;
};

class RecordingRecords : public RecordsPort {
public:
    explicit RecordingRecords(CallLog& log) : log_(log) {}
    bool SaveProfile() override {
        log_.Add("SaveProfile");
        return saveSucceeds;
    }
    void AutoSave() override { log_.Add("AutoSave"); }
    void SaveMove() override { log_.Add("SaveMove"); }
    bool saveSucceeds = true;

private:
    CallLog& log_;
};

// Runs a callback as the computer's turn (tests plug in a stand-in or the real computer).
class CallbackTurns : public TurnPort {
public:
    void ComputerTurn() override {
        if (run) run();
    }
    std::function<void()> run;
};

// All of the above, wired to one game's flags, with a clock that only moves during pauses.
struct HeadlessServices {
    explicit HeadlessServices(Game& g);

    CallLog log;
    ScriptedDialogs dialogs{log};
    RecordingSounds sounds{log};
    RecordingBoard board{log};
    RecordingStatus status{log};
    RecordingNet net{log};
    RecordingRecords records{log};
    MemorySettings settings;
    ManualClock clock;
    InstantPump pump{clock};
    Pauser pauser;
    CallbackTurns turns;

    Services services;
};
