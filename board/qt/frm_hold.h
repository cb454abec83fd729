#pragma once
// The hold-cards window: a small borderless window with a row of ten overlapping small cards
// (the cards hidden under a hold pile, or a player's other hidden cards), which the player drags
// by any part of it. Closing it only hides it; a click on it, or its position button, keeps its
// place in the player's profile. It never holds up the end of the program or of the session.
#include <QWidget>
#include <array>

#include "board/board_looks.h"
#include "board/model_canvas.h"
#include "platform/vb_types.h"

class CardPictures;
class QLabel;
class QPushButton;

class FrmHold : public QWidget {
    Q_OBJECT
  public:
    // `holdLeft`/`holdTop` (twips) are the profile's remembered position.
    FrmHold(CardPictures& pictures, const BoardLooks& looks, i16& holdLeft, i16& holdTop,
            bool largeFonts, QWidget* parent = nullptr);

    // Shows card `card` (0 with card_kind::kEmptyPile: the placeholder) in box 1-10; always
    // small faces.
    void ShowCard(int index, int card, int kind = 0);
    void HideCard(int index);
    void SetCaption(const QString& text);
    // Puts the window at the remembered position and shows it.
    void ShowAtSavedPlace();
    void HoldSavePos();
    // The program's own close: the window goes for good.
    void Unload();

    const FormModel& Form() const { return form_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void LayOut(bool largeFonts);
    void HoldDrag(Qt::MouseButtons buttons, QPoint globalPos);

    CardPictures& pictures_;
    const BoardLooks& looks_;
    i16& holdLeft_;
    i16& holdTop_;
    FormModel form_;
    ModelCanvas canvas_{form_};
    QLabel* lblHold_ = nullptr;
    std::array<QPushButton*, 2> cmdExit_{};
    bool unloading_ = false;
    bool dragged_ = false;
    QPoint dragOffset_;
};
