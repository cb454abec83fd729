#pragma once
// The table's answers about what cannot be seen: a double click on the stock tells its count, a
// right press on it the used pile's (and in developer mode, with Ctrl, the hidden stock); a
// right press on an opponent's box tells its side pile's count or opens the hold-cards window on
// its hidden cards; any other press on an opponent's box brings that card to the front. The
// hold-cards window is filled here for every caller.
#include <QObject>
#include <QPointF>
#include <QPointer>

#include "board/board_looks.h"
#include "engine/game.h"
#include "engine/services.h"
#include "mainwindow/hold_info.h"
#include "mainwindow/main_window_state.h"

class BoardShell;
class FrmHold;
class QMouseEvent;

struct BoardInfoParts {
    Game& game;
    MainWindowState& state;
    const Services& services;
    BoardShell& board;
    const BoardLooks& looks;
    QWidget& window;
    // The hold-cards window's remembered place (twips; kept in the profile).
    i16& holdLeft;
    i16& holdTop;
};

class BoardInfo : public QObject {
    Q_OBJECT
  public:
    explicit BoardInfo(BoardInfoParts parts);
    ~BoardInfo() override;

    // Fills the hold-cards window with `view` and shows it at its remembered place.
    void HoldInfo(const HoldView& view);
    // The hold-cards window goes, if it is open.
    void CloseHold();
    FrmHold* Hold() const;

    void PicCenter_DblClick(int index);
    void PicCenter_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift);
    // A press on opponent `opp`'s (1-3) box `index`.
    void OppRow_MouseDown(int opp, int index, Qt::MouseButton button);

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    BoardInfoParts p_;
    QPointer<FrmHold> hold_;
};

// A table box's key split into its control name and index ("Picture2_7" gives "Picture2", 7);
// false for a key without an index.
bool SplitControlKey(const QString& key, QString* name, int* index);
struct FormModel;
// The stock's, a center's or an opponent's box at `at` (table pixels).
bool BoardInfoBoxAt(const FormModel& f, QPointF at, QString* name, int* index);
