#pragma once
// The table on the main window: one widget that paints the background, the center area, the
// depth shapes and every card box from the layout's model and the drawn boxes. Cards are drawn
// at the screen's pixel density, so they stay sharp on high-density screens.
#include <QImage>
#include <QWidget>

#include "board/board_looks.h"
#include "board/model_canvas.h"

class CardPictures;

// The dynamic property holding the narrowest width the table can be drawn at, in pixels; the
// window keeps at least that width.
inline constexpr const char* kMinimumTableWidthProperty = "minimumTableWidth";
// The lowest the table can be: the player's own row whole above the status bar.
inline constexpr const char* kMinimumTableHeightProperty = "minimumTableHeight";

class TableView : public QWidget {
    Q_OBJECT
  public:
    TableView(const FormModel& form, const ModelCanvas& boxes, CardPictures& pictures,
              const BoardLooks& looks, QWidget* parent = nullptr);

    void SetBackground(const QImage& picture, bool stretch);
    void SetAvatar(const QImage& picture);
    // Labels and buttons painted by the table itself (off when widgets stand for them).
    void SetDrawTexts(bool on) { drawTexts_ = on; }
    QImage Grab() const;
    // A picture painted over the table (the end-of-game show's frames, the animation's board);
    // `opaque` when it hides everything it covers.
    void SetOverlay(const QImage& picture, QPointF at, bool opaque = false);
    void ClearOverlay() { SetOverlay(QImage(), QPointF()); }

    // Paints again, at the next paint, only the table within `area`: what a card that moved or
    // changed covers and uncovers, out to the whole pixels that a box standing at a fraction of
    // a pixel reaches into.
    void UpdateArea(const QRectF& area);
    // The time between two frames of the screen the table shows on.
    double FrameSeconds() const;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    void PaintAll(QPainter& p) const;

    const FormModel& form_;
    const ModelCanvas& boxes_;
    CardPictures& pictures_;
    const BoardLooks& looks_;
    QImage background_;
    bool stretch_ = false;
    QImage avatar_;
    bool drawTexts_ = true;
    QImage overlay_;
    QPointF overlayAt_;
    bool overlayOpaque_ = false;
};
