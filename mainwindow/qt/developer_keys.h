#pragma once
// The test keys of the human's card row, taken wherever the focus is in the main window (the
// card boxes themselves take no focus).
#include <QObject>
#include <functional>
#include <string>

#include "engine/game.h"
#include "engine/services.h"

class BoardShell;
class QWidget;

struct DeveloperKeysParts {
    Game& game;
    const Services& services;
    BoardShell& board;
    QWidget& window;
    // The connection's own address and the host's, as the network knows them.
    std::function<std::string()> ownAddress;
    std::function<std::string()> hostAddress;
};

class DeveloperKeys : public QObject {
    Q_OBJECT
  public:
    explicit DeveloperKeys(DeveloperKeysParts parts);
    // True when the key was one of the test keys.
    bool Picture7_KeyDown(int keyCode, Qt::KeyboardModifiers shift);

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    DeveloperKeysParts p_;
};
