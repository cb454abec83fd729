#include "mainwindow/qt/preferences_apply.h"

#include "board/qt/board_shell.h"
#include "board/qt/card_looks_setup.h"
#include "board/qt/cls_dll.h"
#include "board/qt/qt_board.h"
#include "engine/game.h"
#include "mainwindow/qt/window_profile_target.h"
#include "records/profile_target.h"

namespace {

// The labels take the applied colour and size; the wild-card labels and the table follow.
void ShowLabels(const PreferencesApplyParts& p, const PreferenceValues& v) {
    DisplayPrefs d;
    d.backgroundChoice = p.looks.BackgroundChoice;
    d.backgroundIndex = p.looks.BackgroundIndex;
    d.movePause = p.game.MovePause;
    d.fontColor = v.FontColor;
    d.fontSize = v.FontSize;
    d.redrawTable = true;
    p.target.ShowDisplay(d);
}

}  // namespace

void ApplyPreferences(const PreferencesApplyParts& p, const PreferenceValues& v,
                      const PreferenceEffects& fx) {
    p.target.TakeWorkingPrefs(v);
    TableLayout& layout = p.board.layout;
    if (fx.cardFaces || fx.cardBacks || fx.skins) {
        // A deck this machine cannot draw shows the built-in one; the profile keeps the choice.
        ClsDll decks = ClsDll::Installed();
        ApplyCardLooks(p.looks, p.board.pictures, decks);
    }
    if (fx.hideSidePiles && p.game.GameStarted == VbFalse) {
        for (const char* row : {"Picture7", "Picture1"})
            if (layout.Form().IsLoaded(row, 1)) layout.Ctl(row, 1).Visible = false;
    }
    if (fx.skins || fx.cardBacks) {
        layout.SetHoldPicture();
        layout.PlaceCenterArea();
    }
    if (!fx.message.empty()) p.board.board->SetMessage(2, fx.message);
    if (fx.labels) {
        ShowLabels(p, v);  // draws the table too
        return;
    }
    if (fx.redraw) p.board.board->DrawTable();
    p.board.ApplyWidgets();
}
