#pragma once
// Headless stand-ins for the window, sounds, board, status bar and network, so that whole games
// run by calls with no window and no waiting. Message boxes are answered from a script.
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "engine/game.h"
#include "engine/services.h"
#include "tests/support/call_log.h"
#include "tests/support/scripted_dialog_host.h"

class ScriptedDialogs : public Dialogs {
  public:
    explicit ScriptedDialogs(CallLog& log) : log_(log) {}
    int MsgBox(const std::string& text, int style, const std::string& title) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& folder,
                                              const std::string& filter) override;
    std::optional<i32> ChooseColor(i32 initial) override;

    // Answers given in order; when they run out, `fallback` answers (default: Yes / OK).
    std::deque<int> answers;
    int fallback = mb::Yes;
    int asked = 0;
    std::string lastText, lastTitle;
    // The input box's, the choosers' and the colour chooser's answers in order; when they run
    // out, the player cancels.
    std::deque<std::optional<std::string>> inputs, openFiles;
    std::deque<std::optional<i32>> colors;

  private:
    std::optional<std::string> Chosen(const char* kind,
                                      std::deque<std::optional<std::string>>& script,
                                      const std::string& title, const std::string& folder,
                                      const std::string& filter);
    CallLog& log_;
};

class RecordingSounds : public Sounds {
  public:
    explicit RecordingSounds(CallLog& log) : log_(log) {}
    void PlaySound(const std::string& path, bool wait) override;
    void Beep() override { log_.Add("Beep"); }
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
    void SetRulesLabels(const std::string& rules, const std::string& level) override {
        rulesCaption = rules;
        levelCaption = level;
    }
    void SetLevelLabel(const std::string& level) override { levelCaption = level; }
    void SetStatusNotice(const std::string& text, bool visible) override {
        statusNotice = visible ? text : "";
    }
    i32 ScreenWidth() const override { return screenWidth; }
    int DisplayMode() const override { return displayMode; }
    std::string messages[5];
    std::string wildLabels[5];
    std::string rulesCaption, levelCaption;
    std::string statusNotice;  // what the status notice shows, empty while hidden
    i32 screenWidth = 19200;
    int displayMode = 0;

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
    void SetPanelText(int panel, const std::string& text) override {
        log_.Add("Panel " + std::to_string(panel) + " " + text);
    }

  private:
    CallLog& log_;
};

// Keeps every line sent, for a scripted peer to read.
class RecordingNet : public NetPort {
  public:
    explicit RecordingNet(CallLog& log) : log_(log) {}
    void SendNet(int socket, const std::string& line) override;
    void SendNetAll(int exceptSocket, const std::string& line) override;
    // Runs the next scripted answer of the peer; false (connection gone) when none is left.
    bool WaitNet(int index) override;
    void EndNetGame() override {
        ended = true;
        log_.Add("EndNetGame");
    }
    // The deck readers are the protocol's; a test that deals over the network plugs them in.
    bool TakeDeal(Game& g) override { return takeDeal && takeDeal(g); }
    bool TakeReshuffle(Game& g) override { return takeReshuffle && takeReshuffle(g); }
    void Move_Transmit(i16 from, i16 to, bool endOfTurn) override {
        log_.Add("Move_Transmit " + std::to_string(from) + "," + std::to_string(to) +
                 (endOfTurn ? " OK" : " WT"));
    }
    std::function<bool(Game&)> takeDeal, takeReshuffle;
    std::vector<std::pair<int, std::string>> sent;
    std::deque<std::function<void()>> replies;
    bool ended = false;

  private:
    CallLog& log_;
};

class RecordingRecords : public RecordsPort {
  public:
    explicit RecordingRecords(CallLog& log) : log_(log) {}
    ProfileState& Profile() override { return profile; }
    bool SaveProfile() override {
        log_.Add("SaveProfile");
        return saveSucceeds;
    }
    void AutoSave() override { log_.Add("AutoSave"); }
    void SaveMove() override { log_.Add("SaveMove"); }
    void StatsAdd(int slot, int who) override {
        log_.Add("StatsAdd " + std::to_string(slot) + "," + std::to_string(who));
    }
    void StatsCk(int ckNew, int ckOld) override {
        log_.Add("StatsCk " + std::to_string(ckNew) + "," + std::to_string(ckOld));
    }
    void StatsSave(int ckNew, int whoSaved) override {
        log_.Add("StatsSave " + std::to_string(ckNew) + "," + std::to_string(whoSaved));
    }
    void Scores_Net(const std::string& winner) override { log_.Add("Scores_Net " + winner); }
    bool saveSucceeds = true;
    ProfileState profile;

  private:
    CallLog& log_;
};

class RecordingWindow : public WindowPort {
  public:
    explicit RecordingWindow(CallLog& log) : log_(log) {}
    void ReturnDraggedCard(int slot) override {
        log_.Add("ReturnDraggedCard " + std::to_string(slot));
    }
    void ShowTurnMarker(int pturn) override { log_.Add("TurnMarker " + std::to_string(pturn)); }
    void ShowDealButton(bool visible) override { log_.Add(visible ? "ShowDeal" : "HideDeal"); }
    void ShowSideStack(bool visible) override {
        log_.Add(visible ? "ShowSideStack" : "HideSideStack");
    }
    void ShowHoldImage(bool visible) override {
        log_.Add(visible ? "ShowHoldImage" : "HideHoldImage");
    }
    void StopIdleTimer() override { log_.Add("StopIdleTimer"); }
    void StartIdleTimer(int ms) override { log_.Add("StartIdleTimer " + std::to_string(ms)); }
    void MenuNewGame() override {
        log_.Add("MenuNewGame");
        if (onMenuNewGame) onMenuNewGame();
    }
    void TutorialTurnOver() override { log_.Add("TutorialTurnOver"); }
    void TutorialTurnStarting() override { log_.Add("TutorialTurnStarting"); }
    void TutorialCardPlayed() override { log_.Add("TutorialCardPlayed"); }
    void DealButtonClick() override { log_.Add("DealButtonClick"); }
    std::function<void()> onMenuNewGame;
    void Flash(const std::string& personalityName) override {
        log_.Add("Flash " + personalityName);
    }
    void AnimateCardsFlow(int style) override {
        log_.Add("AnimateCardsFlow " + std::to_string(style));
    }
    void DebugShowDeck() override { log_.Add("DebugShowDeck"); }

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
    RecordingWindow window{log};
    ScriptedDialogHost dialogHost;

    Services services;
};
