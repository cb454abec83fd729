#pragma once
// One copy of the running program (the AppRoot that main() builds) played by a test as a person
// plays it: every step goes through the program's own inputs - the drawn Internet menu's rows,
// the connection dialog's fields and button, the Deal button, the table's card boxes dragged
// with the mouse, the window's close box - and every message box the program raises is answered
// by pressing one of its buttons. It only reads the game's state, to choose its moves and to log
// the position: after every change of the player on turn the whole position's digest is written
// to "<folder>/digests" (so that the machines of one game can be compared), each game's end to
// "<folder>/outcome", the position a game was saved in to "<folder>/saved", each message box's
// text to "<folder>/boxes", the table's message lines to "<folder>/table" once a second, a long
// wait's notice that made the player end the game to "<folder>/waits", the side piles of a game
// given again as its table shows them to "<folder>/sidepiles", and the score file the player
// chose to "<folder>/scorefile". Not part of the program.
#include <QObject>
#include <QTimer>
#include <string>

#include "tests/app_machine/machine_setup.h"

class AppRoot;
class QAbstractButton;
class QMessageBox;
class QWidget;
struct Game;

class AppMachine : public QObject {
  public:
    AppMachine(MachineSetup setup, AppRoot& root);
    // Starts the player's hand on the program: before start-up, whose sign-in it answers.
    void Begin();
    // Start-up has returned: the player goes on to the Internet game.
    void Started() { started_ = true; }

  private:
    enum class Step {
        Connect,
        Joining,
        Seated,
        Playing,
        Resuming,
        GameOver,
        Leaving,
        LocalConnect,  // after the Internet game: F11 until the connection dialog opens
        LocalDeal,     // then New Game of the Game menu until a local game is dealt
        Done
    };

    const Game& g() const;
    void Tick();
    void Poll();
    bool AnswerModal(QWidget* modal);
    bool Held(QWidget& modal);
    void AnswerBox(QMessageBox& box);
    void FillConnection(QWidget& dialog);
    void ChooseSlot(QWidget& dialog);
    void ChooseCompetition(QWidget& dialog);
    void Act();
    void ActHost();
    void ActLocal();
    void PlayTurn();
    bool MenuCommand(int menu, int row);
    void Press(QAbstractButton* button);
    void Drag(int slot, const char* toRow, int toIndex);
    bool Idle() const;
    bool Disconnected();
    void TurnChanged();
    void GameEnded();
    void Note(const char* file, const std::string& text) const;
    void Shot(const char* name) const;

    MachineSetup s_;
    AppRoot& root_;
    QTimer poll_;
    bool started_ = false;
    Step step_ = Step::Connect;
    Step noted_ = Step::Connect;
    int lastTurn_ = 0;  // the turn logged last
    int seenTurn_ = 0;  // the turn the table shows, logged once it has stayed a moment
    qint64 seenAt_ = 0;
    std::string seenText_;
    int turnEnds_ = 0;  // of the game being played
    int dragTurn_ = -1;
    int resumedAt_ = 0;  // the turn the game was given again at  // the turn a drag still being
                         // answered was made in
    int games_ = 0;      // games played to their end or ended
    bool saved_ = false, sent_ = false, restarted_ = false, ended_ = false, closed_ = false;
    bool resumeLogged_ = false;
    int resumeShots_ = 0;             // turns until the table after a resume is saved as a picture
    bool tableSet_ = false;           // host: the table laid out for the players it waits for
    bool rulesSet_ = false;           // host: the rules it was told to play by chosen
    bool competitionChosen_ = false;  // Internet Players Setup opened for the score file
    bool everConnected_ = false;
    bool dialogSeen_ = false;  // the connection dialog of the last connect command opened
    bool held_ = false;        // the window the setup names has been held open
    bool released_ = false;
    bool early_ = false;  // host: its early command chosen
    qint64 nextTableNote_ = 0;
    qint64 connectAfter_ = 0;
    qint64 nextMove_ = 0;
    qint64 commandAfter_ = 0;
    qint64 offSince_ = 0;  // since when the table has been out of an Internet game
    qint64 localTry_ = 0;  // when the player tries the local table's key or menu again
    int localTable_ = -1;  // the table New Game was chosen on (-1 not yet)
};
