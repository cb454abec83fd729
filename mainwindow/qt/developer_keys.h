#pragma once
// The test keys of the human's card row, taken wherever the focus is in the main window (the
// card boxes themselves take no focus).
#include <QObject>
#include <functional>
#include <string>

#include "engine/game.h"
#include "engine/services.h"
#include "platform/hook_check.h"

class BoardShell;
class FrmBrivo;

struct DeveloperKeysParts {
    Game& game;
    const Services& services;
    BoardShell& board;
    FrmBrivo& window;
    // The connection's own address and the host's, as the network knows them.
    std::function<std::string()> ownAddress;
    std::function<std::string()> hostAddress;
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("DeveloperKeysParts")
            .Need("ownAddress", ownAddress)
            .Need("hostAddress", hostAddress);
    }
};

class DeveloperKeys : public QObject {
    Q_OBJECT
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const { p_.NeedHooks(check); }
    explicit DeveloperKeys(DeveloperKeysParts parts);
    // True when the key was one of the test keys.
    bool Picture7_KeyDown(int keyCode, Qt::KeyboardModifiers shift);

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    DeveloperKeysParts p_;
};
