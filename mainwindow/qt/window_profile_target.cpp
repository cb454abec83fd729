#include "mainwindow/qt/window_profile_target.h"

#include <QLabel>
#include <QStatusBar>

#include "board/qt/board_shell.h"
#include "board/qt/card_looks_setup.h"
#include "board/qt/cls_dll.h"
#include "board/qt/table_view.h"
#include "engine/personality.h"
#include "mainwindow/change_person.h"
#include "mainwindow/qt/frm_brivo.h"
#include "platform/file_util.h"
#include "records/folder_lists.h"
#include "records/preferences.h"
#include "records/stats.h"

ProfileSurroundings WindowProfileTarget::Surroundings() const {
    const Game& g = p_.game;
    ProfileSurroundings s;
    s.startingUp = g.StartingUp != VbFalse;
    s.lowColour = p_.state.ColorDepth < 16;
    s.screenWidthTw = p_.state.ScreenWidth;
    s.screenHeightTw = p_.state.ScreenHeight;
    s.gameOnTable = g.GameStarted != VbFalse;
    s.netGameSetUp = g.NetConnected != 0;
    s.backgroundCount = p_.looks.BackgroundCount;
    s.defaultBackground = DefaultBackgroundIndex(p_.looks.BackgroundFiles);
    return s;
}

TableCounts WindowProfileTarget::Counts() const {
    // Start-up lays the table out once the profile is applied.
    if (p_.game.StartingUp) return {};
    return {p_.board.layout.NumPlayers, p_.board.layout.NumCenters};
}

void WindowProfileTarget::TakeWorkingPrefs(const WorkingPrefs& w) {
    Game& g = p_.game;
    BoardLooks& looks = p_.looks;
    kept_ = w;
    g.PlayerName = w.PlayerName;
    g.NumPlayers = w.NumPlayers;
    g.NumCenters = w.NumCenters;
    g.SpeedLevel = w.SpeedLevel;
    g.AnimationSpeed = w.AnimationSpeed;
    g.SoundMode = w.SoundMode;
    g.NoLoseAnimation = VbBool(w.NoLoseAnimation);
    g.NoWinAnimation = VbBool(w.NoWinAnimation);
    g.SidePileSize = w.SidePileSize;
    g.ForcedCards = w.ForcedCards;
    g.ShuffleSeparately = VbBool(w.ShuffleSeparately);
    g.NoWildAce = VbBool(w.NoWildAce);
    looks.FaceDeck = w.FaceDeck;
    looks.BackStyle = w.BackStyle;
    looks.DeckColor = RgbOfVbColour(w.DeckColor);
    looks.MatColor = RgbOfVbColour(w.MatColor);
    looks.CardSoundSet = w.CardSoundSet;
    looks.PlaceholderStyle = VbBool(w.PlaceholderStyle);
    looks.MenuStyle = VbBool(w.MenuStyle == 0);
    looks.BackgroundChoice = w.BackgroundChoice;
    looks.StretchBackground = VbBool(w.StretchBackground);
    p_.board.layout.PlaceholderStyle = w.PlaceholderStyle;
    p_.board.layout.FontSize = w.FontSize;
}

WorkingPrefs WindowProfileTarget::CurrentWorkingPrefs() const {
    const Game& g = p_.game;
    const BoardLooks& looks = p_.looks;
    const TableLayout& layout = p_.board.layout;
    WorkingPrefs w = kept_;
    w.PlayerName = g.PlayerName;
    w.NumPlayers = g.NumPlayers;
    w.NumCenters = g.NumCenters;
    w.SpeedLevel = g.SpeedLevel;
    w.AnimationSpeed = g.AnimationSpeed;
    w.SoundMode = g.SoundMode;
    w.NoLoseAnimation = g.NoLoseAnimation != VbFalse;
    w.NoWinAnimation = g.NoWinAnimation != VbFalse;
    w.SidePileSize = g.SidePileSize;
    w.ForcedCards = g.ForcedCards;
    w.ShuffleSeparately = g.ShuffleSeparately != VbFalse;
    w.NoWildAce = g.NoWildAce != VbFalse;
    w.FaceDeck = looks.FaceDeck;
    w.BackStyle = looks.BackStyle;
    w.DeckColor = VbColourOfRgb(looks.DeckColor);
    w.MatColor = VbColourOfRgb(looks.MatColor);
    w.CardSoundSet = looks.CardSoundSet;
    w.PlaceholderStyle = looks.PlaceholderStyle != VbFalse;
    w.MenuStyle = looks.MenuStyle != VbFalse ? 0 : 1;
    w.BackgroundChoice = looks.BackgroundChoice;
    w.StretchBackground = looks.StretchBackground != VbFalse;
    w.SmallDisplay = layout.SmallDisplay;
    w.FontSize = static_cast<i16>(layout.FontSize);
    // What the player sees now is what the player chose; during start-up the window has not
    // shown the status bar yet, so the choice read from the profile stands.
    if (!g.StartingUp) w.StatusBar = p_.window.StatusBar1()->isVisibleTo(&p_.window);
    w.ShowAvatar = layout.Ctl("ImgAvatar").Visible;
    w.AutoSave = g.TempMovesOpen != VbFalse;
    return w;
}

void WindowProfileTarget::PlayIntro() {
    const std::string intro = JoinPath(p_.game.AppFolder, "Sounds/IntroB.wav");
    if (p_.services.sounds && FileExists(intro)) p_.services.sounds->PlaySound(intro, false);
    p_.services.Pause(0.75);
}

void WindowProfileTarget::ShowPlayerLooks(const WorkingPrefs& w, bool startingUp) {
    if (!w.StatusBar)
        p_.window.StatusBar1()->hide();
    else if (!startingUp)
        p_.window.StatusBar1()->show();
    p_.board.layout.Ctl("ImgAvatar").Visible = w.ShowAvatar;
    if (w.AutoSave && !p_.game.TempMovesOpen) {
        // At start-up the move history is only marked in use: its first write, at the first
        // turn, tells the player if it cannot be kept. A disk's flush costs the start too much.
        std::string error;
        if (startingUp)
            p_.game.TempMovesOpen = VbTrue;
        else if (!p_.records.TempMovesFile(true, &error))
            ReportProblem(error + "\n\nAutoSave stays off for this session.", "AutoSave");
    }
    // Start-up prepares the card pictures with the first layout.
    if (!startingUp) {
        ClsDll dll = ClsDll::Installed();
        ApplyCardLooks(p_.looks, p_.board.pictures, dll);
    }
}

void WindowProfileTarget::PrepareBoard(bool clearTable, bool createSideStacks) {
    // Start-up creates the depth shapes and the empty table with the first layout.
    if (createSideStacks || !clearTable) return;
    p_.board.layout.ClearBoard();
    p_.board.board->DrawTable();
}

void WindowProfileTarget::SeatOpponents(std::array<SeatRecord, 4>& seats) {
    const std::string lost = ApplyOpponentSeats(p_.game, seats, p_.board.board.get());
    ChangePerson(p_.game, p_.board.layout);
    // Each sign-in seats the opponents again: a missing file is told once.
    if (!lost.empty() && toldLost_.insert(lost).second) ReportProblem(lost, "Opponents");
}

void WindowProfileTarget::ShowLevel(const std::string& caption) {
    p_.board.layout.Ctl("lblLevel").Caption = caption;
}

void WindowProfileTarget::PrepareTable(const BestRunArray& bestRun) {
    Game& g = p_.game;
    g.NumCards = static_cast<i16>(g.NumPlayers * 52);
    p_.engine.ShowRulesCaption();
    ChangeBestRun(g.StatsTable, bestRun);
}

void WindowProfileTarget::LayOutTable(TableCounts previous, TableCounts now) {
    // The very first layout is start-up's, for the counts the game now holds.
    if (previous.players == 0) return;
    if (previous != now) p_.board.board->SetupLayout(previous.players, previous.centers);
    p_.engine.Reset_Table();
}

void WindowProfileTarget::ShowTableNames() {
    TableLayout& layout = p_.board.layout;
    layout.Show_PlayerNames(p_.game);
    layout.Ctl("Label9", 3).Caption = p_.game.PlayerName;
    layout.SetHoldPicture();
    layout.PlaceCenterArea();
    if (!p_.game.StartingUp) p_.board.ApplyWidgets();
}

void WindowProfileTarget::ShowDisplay(const DisplayPrefs& d) {
    Game& g = p_.game;
    BoardLooks& looks = p_.looks;
    TableLayout& layout = p_.board.layout;
    if (d.clearBoard && !g.StartingUp) layout.ClearBoard();
    looks.BackgroundChoice = d.backgroundChoice;
    looks.BackgroundIndex = d.backgroundIndex;
    g.MovePause = d.movePause;
    kept_.FontColor = d.fontColor;
    kept_.FontSize = d.fontSize;
    layout.FontSize = d.fontSize;
    layout.Ctl("Label9", 2).FontSize = d.fontSize;
    // Start-up draws the background and the table with the first layout.
    if (g.StartingUp) return;
    if (d.showPicture) p_.board.board->LoadBackground();
    if (d.redrawTable) {
        for (int k = 1; k <= g.NumCenters; ++k)
            if (layout.Form().IsLoaded("LblWild", k))
                layout.Ctl("LblWild", k).FontSize = d.fontSize;
        p_.board.board->DrawTable();
    }
    p_.board.ApplyWidgets();
    ColourNameLabels();
}

void WindowProfileTarget::ColourNameLabels() {
    const unsigned rgb = RgbOfVbColour(kept_.FontColor);
    const QString style = QString("color: #%1; background: transparent;")
                              .arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    for (int k = 1; k <= 4; ++k)
        if (auto* label = p_.board.view->findChild<QLabel*>(QString("Label9_%1").arg(k)))
            label->setStyleSheet(style);
    // The font backdrop: the remarks stand on the mat colour over a busy picture.
    auto* remarks = p_.board.view->findChild<QLabel*>("Label9_2");
    if (remarks && kept_.FontBackdrop)
        remarks->setStyleSheet(QString("color: #%1; background: #%2;")
                                   .arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                   .arg(p_.looks.MatColor & 0xFFFFFF, 6, 16, QLatin1Char('0')));
}

void WindowProfileTarget::CloseMoveHistory() {
    p_.records.TempMovesFile(false);
}

void WindowProfileTarget::Beep() {
    if (p_.services.sounds) p_.services.sounds->Beep();
}

void WindowProfileTarget::ReportProblem(const std::string& text, const std::string& title) {
    if (p_.services.dialogs) p_.services.dialogs->MsgBox(text, mb::Exclamation, title);
}
