// The rows of the key tables carried out: menu rows and the keys' own commands, each command
// that stands for a menu row passing the same gate as the row.
#include "mainwindow/key_codes.h"
#include "mainwindow/key_command.h"
#include "mainwindow/tutorial_slot.h"
#include "platform/file_util.h"
#include "platform/vb_strings.h"
#include "records/saved_games.h"

namespace {
constexpr const char* kTutorialGame = "Tutorial Game";
constexpr const char* kSavePrompt = "Enter a slot number to save this game (31-)";
constexpr const char* kRestorePrompt = "Enter the record number to restore a game (31-)";
constexpr const char* kSlotRange = "Please enter a whole number from 31 to 50.";
constexpr const char* kPuppetLine =
    "I feel like a puppet on a string. Are you trying to put words in my mouth?";
constexpr const char* kHomeLine = "There's no place like home.";

// The menu rows the keys' own commands stand for, so that they meet the same gate.
constexpr int kGameMenu = 1, kSaveRow = 3, kRestoreRow = 4, kPreviousTurnRow = 6, kScoresRow = 9;
}  // namespace

bool KeyCommand::Gate(int menu, int row) const {
    return calls_.gate(menu, row);
}

void KeyCommand::RunRow(const KeyRow& row, i16 code) {
    Game& g = p_.g;
    switch (row.act) {
        case KeyAct::MenuRow:
            if (Gate(row.a, row.b)) calls_.menuRow(row.a, row.b);
            break;
        case KeyAct::CycleBackground:
            calls_.cycleBackground(static_cast<int>(code));
            break;
        case KeyAct::StretchBackground:
            calls_.stretchBackground();
            break;
        case KeyAct::RestartTurn:
            if (!Gate(kGameMenu, kPreviousTurnRow)) break;
            g.RestartWholeTurn = VbTrue;
            p_.records.RestartTurn();
            break;
        case KeyAct::Emoticon:
            ShowEmoticon(code);
            break;
        case KeyAct::OpponentSound:
            ShowEmoticon(code);
            SpeakSound(code);
            break;
        case KeyAct::ChatOnTop:
            calls_.chatOnTop();
            break;
        case KeyAct::HomeGreeting:
            HomeGreeting();
            break;
        case KeyAct::AnimateCards:
            if (Gate(kGameMenu, kScoresRow)) calls_.animateCardsFlow(row.a);
            break;
        case KeyAct::Scores:
            if (Gate(kGameMenu, kScoresRow)) calls_.showScores(row.a);
            break;
        case KeyAct::DeleteQuip:
            Tell("What are you trying to Delete?", mb::Information, "Quorvane");
            break;
        case KeyAct::SystemInfo:
            calls_.displayStats();
            break;
        case KeyAct::LabelNames:
            calls_.toggleLabelNames();
            break;
        case KeyAct::BackgroundWindow:
            calls_.showBackgroundWindow();
            break;
        case KeyAct::Flash:
            if (Gate(kGameMenu, kScoresRow)) calls_.flash();
            break;
        case KeyAct::Splash:
            calls_.showSplash();
            break;
        case KeyAct::AvatarCall:
            break;
        case KeyAct::SaveTutorial:
            if (Gate(kGameMenu, kSaveRow)) SaveTutorialPosition();
            break;
        case KeyAct::RestoreTutorial:
            if (Gate(kGameMenu, kRestoreRow)) RestoreTutorialPosition();
            break;
        case KeyAct::SampleGames:
            ToggleSampleGames();
            break;
        case KeyAct::DevMode:
            ToggleDevMode();
            break;
    }
}

// The emoticon beside the player: a letter's picture, or hidden for a letter without one. The
// digit and "=" keys show the box as it is.
void KeyCommand::ShowEmoticon(i16 code) {
    FormModel& f = p_.form;
    if (!f.IsLoaded("imgIcon")) return;
    ControlGeom& icon = f.At("imgIcon");
    if (OpponentSoundIndex(code) >= 0) {
        icon.Visible = !icon.Picture.empty();
    } else {
        const std::string file = EmoticonFile(code);
        icon.Picture = file.empty() ? std::string() : JoinPath(p_.g.AppFolder, "Icons/" + file);
        icon.Visible = !file.empty();
    }
    Refresh();
}

// The opponent's sound of the key, whatever the sound level: the player asked for it.
void KeyCommand::SpeakSound(i16 code) {
    const int n = OpponentSoundIndex(code);
    if (n < 0) return;
    const std::string& path = p_.g.CompSounds[static_cast<size_t>(n)];
    if (p_.sv.sounds && !path.empty()) p_.sv.sounds->PlaySound(path, false);
    if (n == 3 && p_.sv.board) p_.sv.board->SetMessage(2, kPuppetLine);
}

void KeyCommand::HomeGreeting() {
    if (p_.sv.sounds) p_.sv.sounds->PlaySound(JoinPath(p_.g.AppFolder, "Sounds/IntroB.wav"), false);
    if (p_.sv.board) p_.sv.board->SetMessage(2, kHomeLine);
}

// A whole number from 31 to 50, or nothing: a cancel or an empty answer says nothing, anything
// else is told the range.
std::optional<int> KeyCommand::AskTutorialSlot(const std::string& prompt) {
    if (!p_.sv.dialogs) return std::nullopt;
    const std::optional<std::string> typed = p_.sv.dialogs->InputBox(prompt, kTutorialGame, "");
    if (!typed || Trim(*typed).empty()) return std::nullopt;
    std::optional<int> slot = TutorialSlot(*typed);
    if (!slot) Tell(kSlotRange, mb::Exclamation, kTutorialGame);
    return slot;
}

void KeyCommand::SaveTutorialPosition() {
    if (p_.g.Pturn == 0) {
        Tell(kNoGameToSave, mb::OkOnly, "Brivo & Tessik");
        return;
    }
    const std::optional<int> slot = AskTutorialSlot(kSavePrompt);
    if (!slot) return;
    p_.records.SaveGameToSlot(*slot, "Tutorial " + std::to_string(*slot));
}

void KeyCommand::RestoreTutorialPosition() {
    Game& g = p_.g;
    const std::optional<int> slot = AskTutorialSlot(kRestorePrompt);
    if (!slot) return;
    GameStateRecord rec;
    if (!p_.records.ReadRecordAt(SnapshotFile::SavedGames, *slot, rec) || rec.Pturn == 0) {
        Tell(kNoMoveToRestore, mb::Critical, kTutorialGame);
        return;
    }
    p_.window.AnimationStop = true;
    calls_.showDealButton(false);
    g.SaveSlot = static_cast<i16>(*slot);
    if (p_.records.RecordToGame(SnapshotFile::SavedGames))
        g.GameRestored = VbTrue;
    else if (g.Pturn == 0 && calls_.showDealButton)
        calls_.showDealButton(true);
}

void KeyCommand::ToggleSampleGames() {
    Game& g = p_.g;
    g.SampleGamesOn = g.SampleGamesOn ? VbFalse : VbTrue;
    const std::string stored =
        p_.sv.settings ? p_.sv.settings->GetSetting("Settings9", "Tutorial", "0") : "0";
    g.SampleGameNumber = static_cast<i16>(ClampToInt(Val(stored), 0, 10));
    Tell(std::string("Sample Games ") + (g.SampleGamesOn ? "True" : "False"), mb::Information,
         "Sample Games");
}

void KeyCommand::ToggleDevMode() {
    Game& g = p_.g;
    if (g.PlayerName != "Wend" && g.PlayerName != "Master Wend") return;
    g.DevMode = g.DevMode ? VbFalse : VbTrue;
}
