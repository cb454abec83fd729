// Keeps every dialog within the screen it opens on. A dialog laid out for a larger screen than
// the player's gets a scroll bar around its contents, so that its buttons can still be reached.
#pragma once

#include <QObject>

class QWidget;

class DialogScreenFit : public QObject {
  public:
    using QObject::QObject;
    // Fits `dialog` into the available area of its screen; returns whether it had to.
    static bool Fit(QWidget& dialog);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
