#pragma once
// "Quorvane Connection": the player chooses to host an Internet game or to join one, confirms the
// name, keeps or changes the port and, joining, types the host's address. A host is given the
// machine's own IPv4 addresses to pass on. Nothing is opened here: the caller connects with what
// the dialog returns.
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "net/connection_checks.h"
#include "platform/dialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

struct ConnectionChosen {
    bool host = true;
    std::string playerName;
    std::string hostAddress;  // remote only
    int port = net::kDefaultNetPort;
    std::vector<std::string> ownAddresses;  // host only: this machine's IPv4 addresses
};

class FrmPlayers : public QDialog {
    Q_OBJECT
  public:
    FrmPlayers(std::string playerName, int port, Dialogs& dialogs,
               std::function<void(const std::string&)> showHelp, QWidget* parent = nullptr);

    // Shows it modally; nothing when the player cancelled or closed it.
    static std::optional<ConnectionChosen> Run(std::string playerName, int port, Dialogs& dialogs,
                                               std::function<void(const std::string&)> showHelp,
                                               QWidget* parent);
    const std::optional<ConnectionChosen>& chosen() const { return chosen_; }

    // The machine's own IPv4 addresses, the loopback address last and only when there is no
    // other.
    static std::vector<std::string> OwnAddresses();

  private:
    void Build();
    void ChooseHost(bool host);
    void Connect();

    std::string playerName_;
    Dialogs& dialogs_;
    std::function<void(const std::string&)> showHelp_;
    std::optional<ConnectionChosen> chosen_;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QLineEdit* txtPlayerName_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLabel* label5_ = nullptr;
    QPushButton* cmdConnect_ = nullptr;
};
