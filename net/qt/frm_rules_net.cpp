#include "net/qt/frm_rules_net.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "records/qt/dialog_widgets.h"
#include "records/qt/frm_rules.h"

FrmRulesNET::FrmRulesNET(Engine& engine, int faceDeck,
                         std::function<void(const std::string&)> showHelp, QWidget* parent)
    : QDialog(parent),
      engine_(engine),
      rules_(engine.g, *engine.sv.dialogs, faceDeck),
      showHelp_(std::move(showHelp)) {
    setObjectName("frmRulesNET");
    setWindowTitle("Host Setup and Rules");
    Build();
    rules_.Open();
    Refresh();
}

bool FrmRulesNET::Run(Engine& engine, int faceDeck,
                      std::function<void(const std::string&)> showHelp, QWidget* parent) {
    FrmRulesNET dialog(engine, faceDeck, std::move(showHelp), parent);
    dialog.exec();
    return !dialog.cancelled();
}

void FrmRulesNET::Build() {
    auto* label1 =
        new QLabel("You can change the number of opponents for this Internet game below.", this);
    label1->setObjectName("Label1");
    label1->setWordWrap(true);
    const char* players[] = {"1 Opponent", "2 Opponents", "3 Opponents"};
    for (int i = 0; i < 3; ++i) {
        option1_[i] = NewOption("Option1", i, players[i], this);
        connect(option1_[i], &QRadioButton::clicked, this, [this, i] {
            rules_.PlayersClicked(i);
            Refresh();
        });
    }
    for (int i = 0; i < 2; ++i) {
        optCenters_[i] = NewOption("optCenters", i, i == 0 ? "3 Centers" : "4 Centers", this);
        connect(optCenters_[i], &QRadioButton::clicked, this, [this, i] {
            rules_.CentersClicked(i);
            Refresh();
        });
    }
    QWidget* const centers[] = {optCenters_[0], optCenters_[1]};
    fraCenters_ = NewFrame("Center Piles", centers, true);
    fraCenters_->setObjectName("fraCenters");

    auto* lblRules = new QLabel("Click here to change the Rules for this Internet game:", this);
    lblRules->setObjectName("lblRules");
    lblRules->setWordWrap(true);
    auto* cmdRules = NewButton("cmdRules", "Change &Rules", this);
    connect(cmdRules, &QPushButton::clicked, this, [this] {
        const bool changed = FrmRules::Run(engine_, showHelp_, this);
        engine_.ShowRulesCaption();
        rules_.RulesClosed(changed);
        Refresh();
    });
    cmdDone_ = NewButton("cmdDone", "&Done", this);
    cmdDone_->setDefault(true);
    connect(cmdDone_, &QPushButton::clicked, this, [this] {
        rules_.Done();
        accept();
    });
    auto* cmdCancel = NewButton("CmdCancel", "&Cancel", this);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    QWidget* const opponents[] = {option1_[0], option1_[1], option1_[2]};
    auto* fraPlayers = NewFrame("", opponents);
    auto* rulesRow = new QHBoxLayout;
    rulesRow->addWidget(lblRules, 1);
    rulesRow->addWidget(cmdRules);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDone_);
    buttons->addWidget(cmdCancel);
    auto* all = new QVBoxLayout(this);
    all->addWidget(label1);
    all->addWidget(fraPlayers);
    all->addWidget(fraCenters_);
    all->addLayout(rulesRow);
    all->addLayout(buttons);
    setFixedWidth(380);
}

void FrmRulesNET::Refresh() {
    SelectOption(std::span<QRadioButton* const>(option1_), rules_.playersOption());
    SelectOption(std::span<QRadioButton* const>(optCenters_), rules_.centersOption());
    optCenters_[1]->setEnabled(rules_.fourCentersEnabled());
    fraCenters_->setVisible(rules_.centersShown());
    cmdDone_->setEnabled(rules_.doneEnabled());
    adjustSize();
}

void FrmRulesNET::reject() {
    rules_.Cancel();
    QDialog::reject();
}

void FrmRulesNET::closeEvent(QCloseEvent* event) {
    rules_.Cancel();
    QDialog::closeEvent(event);
}
