#include "net/qt/frm_players.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/shared_helpers.h"
#include "platform/vb_strings.h"
#include "records/qt/dialog_widgets.h"

namespace {

constexpr const char* kHostPrompt = "Click CONNECT to get your IP ADDRESS";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

FrmPlayers::FrmPlayers(std::string playerName, int port, Dialogs& dialogs,
                       std::function<void(const std::string&)> showHelp, QWidget* parent)
    : QDialog(parent),
      playerName_(std::move(playerName)),
      dialogs_(dialogs),
      showHelp_(std::move(showHelp)) {
    setObjectName("frmPlayers");
    setWindowTitle("Quorvane Connection");
    Build();
    txtPlayerName_->setText(Q(playerName_));
    text3_->setText(QString::number(port));
    ChooseHost(true);
}

std::optional<ConnectionChosen> FrmPlayers::Run(std::string playerName, int port, Dialogs& dialogs,
                                                std::function<void(const std::string&)> showHelp,
                                                QWidget* parent) {
    FrmPlayers dialog(std::move(playerName), port, dialogs, std::move(showHelp), parent);
    dialog.exec();
    return dialog.chosen();
}

void FrmPlayers::Build() {
    auto* label4 = NewLabel("Label4", "Internet Play", this, false);
    QFont big = label4->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    label4->setFont(big);
    auto* lblSetup =
        NewLabel("lblSetup",
                 "One player must act as Host for an Internet game. All other players, "
                 "should click the Remote option and then enter in the IP Address that "
                 "the Host player gives them.",
                 this);
    option1_ = new QRadioButton("You are the HOST player", this);
    option1_->setObjectName("Option1");
    option2_ = new QRadioButton("You are the REMOTE player", this);
    option2_->setObjectName("Option2");
    connect(option1_, &QRadioButton::clicked, this, [this] { ChooseHost(true); });
    connect(option2_, &QRadioButton::clicked, this, [this] { ChooseHost(false); });

    auto* lblPlayerName = NewLabel("lblPlayerName", "Your Player name is:", this, false);
    txtPlayerName_ = new QLineEdit(this);
    txtPlayerName_->setObjectName("txtPlayerName");
    txtPlayerName_->setMaxLength(20);
    txtPlayerName_->setToolTip(
        "If you don't want to use this name, change it now before you connect.");
    auto* label6 = NewLabel("Label6", "PORT Number:", this, false);
    text3_ = new QLineEdit(this);
    text3_->setObjectName("Text3");
    text3_->setMaxLength(5);
    text3_->setToolTip("Leave the PORT# alone, unless you have a problem!");
    label5_ = NewLabel("Label5", kHostPrompt, this, false);
    text2_ = new QLineEdit("192.168.0.2 (example)", this);
    text2_->setObjectName("Text2");
    text2_->setToolTip("The HOST must give you this number.");
    // The address box keeps its place while hidden, so nothing moves when the choice changes.
    QSizePolicy keep = text2_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    text2_->setSizePolicy(keep);

    cmdConnect_ = NewButton("cmdConnect", "Connect", this);
    cmdConnect_->setDefault(true);
    auto* cmdCancel = NewButton("CmdCancel", "&Cancel", this);
    auto* cmdHelp = NewButton("cmdHelp", "&Help", this);
    connect(cmdConnect_, &QPushButton::clicked, this, &FrmPlayers::Connect);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdHelp, &QPushButton::clicked, this, [this] {
        if (showHelp_) showHelp_("Connect");
    });

    auto* fields = new QGridLayout;
    fields->addWidget(lblPlayerName, 0, 0);
    fields->addWidget(txtPlayerName_, 0, 1);
    fields->addWidget(label6, 1, 0);
    fields->addWidget(text3_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdConnect_);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHelp);
    auto* column = new QVBoxLayout(this);
    column->addWidget(label4);
    column->addWidget(lblSetup);
    column->addWidget(option1_);
    column->addWidget(option2_);
    column->addLayout(fields);
    column->addWidget(label5_);
    column->addWidget(text2_);
    column->addLayout(buttons);
    setFixedWidth(380);
}

void FrmPlayers::ChooseHost(bool host) {
    option1_->setChecked(host);
    option2_->setChecked(!host);
    label5_->setText(host ? kHostPrompt : "Enter the Host's IP Address here:");
    text2_->setVisible(!host);
    cmdConnect_->setText(host ? "Connect" : "Ready to Connect");
}

void FrmPlayers::Connect() {
    const std::string name = Trim(txtPlayerName_->text().toStdString());
    if (!name.empty() &&
        (BadFileChars(name, dialogs_) || BadLetters(name, kNameLetters, dialogs_))) {
        txtPlayerName_->setFocus();
        return;
    }
    net::ConnectionChoice choice;
    choice.host = option1_->isChecked();
    choice.name = name;
    choice.port = text3_->text().toStdString();
    choice.address = text2_->text().toStdString();
    if (auto refusal = net::CheckConnection(choice)) {
        dialogs_.MsgBox(refusal->text, refusal->style, refusal->title);
        QLineEdit* back = refusal->field == net::DialogRefusal::Port ? text3_ : text2_;
        back->setFocus();
        back->selectAll();
        return;
    }
    ConnectionChosen out;
    out.host = choice.host;
    out.playerName = name.empty() ? playerName_ : name;
    out.port = *net::ReadPort(choice.port);
    if (out.host) {
        label5_->setText("WAIT... Your IP Address will appear when ready:");
        out.ownAddresses = OwnAddresses();
    } else {
        out.hostAddress = Trim(choice.address);
    }
    chosen_ = std::move(out);
    accept();
}

std::vector<std::string> FrmPlayers::OwnAddresses() {
    std::vector<std::string> out;
    bool loopback = false;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.protocol() != QAbstractSocket::IPv4Protocol) continue;
        if (a.isLoopback()) {
            loopback = true;
            continue;
        }
        out.push_back(a.toString().toStdString());
    }
    if (out.empty() && loopback) out.push_back("127.0.0.1");
    return out;
}
