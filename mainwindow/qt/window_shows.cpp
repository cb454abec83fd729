#include "mainwindow/qt/window_shows.h"

#include <QTimer>

#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/frm_shuffled_deck.h"
#include "mainwindow/qt/table_controls.h"
#include "platform/vb_strings.h"

WindowShows::WindowShows(WindowShowsParts parts)
    : p_(std::move(parts)),
      flow_(CardsFlowParts{p_.game, p_.state, p_.board, p_.looks, p_.window, p_.dialogs,
                           p_.pressDeal}) {}

WindowShows::~WindowShows() {
    if (deck_) deck_->close();
}

void WindowShows::ShowTurnMarker(int pturn) {
    FormModel& f = p_.board.layout.Form();
    if (f.IsLoaded("ImgTurn1")) f.At("ImgTurn1").Visible = pturn == 1;
    if (f.IsLoaded("ImgTurn2")) f.At("ImgTurn2").Visible = pturn >= 2 && pturn <= 4;
    SyncTableControl(p_.board, "ImgTurn1");
    SyncTableControl(p_.board, "ImgTurn2");
    FrmBrivo::ReportTurn(pturn);
}

void WindowShows::ShowSideStack(bool visible) {
    p_.board.layout.ShowSideStack(p_.game, visible);
    if (p_.board.view) p_.board.view->update();
}

void WindowShows::ShowHoldImage(bool visible) {
    SetTableControlVisible(p_.board, "ImgHold", visible);
}

// Asked for from inside the computer's turn: it runs once that turn's calls have returned, so
// no deal ever starts inside another game's procedure.
void WindowShows::MenuNewGame() {
    QTimer::singleShot(0, this, [this] {
        if (p_.game.StopFlag || p_.game.ComputerBusy) return;
        p_.newGame();
    });
}

void WindowShows::Flash(const std::string& personalityName) {
    if (!p_.board.view) return;
    const int style = ClampToInt(Val(p_.game.CompSounds[0]), -32768, 32767);
    p_.board.flash.Flash(p_.game, personalityName, style, p_.board.layout, *p_.board.view, p_.clock,
                         p_.pump, [this] { p_.board.board->LoadBackground(); });
}

void WindowShows::AnimateCardsFlow(int style) {
    flow_.AnimateCardsFlow(style);
}

void WindowShows::DebugShowDeck() {
    std::vector<int> ids;
    for (int i = 1; i <= p_.game.NumCards && i <= kMaxCards; ++i)
        ids.push_back(p_.game.Deck[kId][static_cast<size_t>(i)]);
    // Each deal opens its own view.
    auto* deck =
        new FrmShuffledDeck(p_.board.pictures, std::move(ids), p_.window.size(), &p_.window);
    deck_ = deck;
    deck->show();
}

FrmShuffledDeck* WindowShows::ShuffledDeck() const {
    return qobject_cast<FrmShuffledDeck*>(deck_.data());
}
