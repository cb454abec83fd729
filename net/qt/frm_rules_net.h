#pragma once
// "Host Setup and Rules": the host of an Internet game chooses the number of opponents, the
// center piles of a two-player game, and opens the house rules. The caller lays the table out
// again afterwards unless the dialog was cancelled.
#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "engine/engine.h"
#include "net/host_rules.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class FrmRulesNET : public QDialog {
    Q_OBJECT
  public:
    // `faceDeck` is the card faces in use; `showHelp` goes on to the house rules dialog.
    FrmRulesNET(Engine& engine, int faceDeck, std::function<void(const std::string&)> showHelp,
                QWidget* parent = nullptr);

    // Shows it modally; true when the caller has a new layout to apply (CancelFlag clear).
    static bool Run(Engine& engine, int faceDeck, std::function<void(const std::string&)> showHelp,
                    QWidget* parent);
    bool cancelled() const { return rules_.cancelled(); }

  private:
    void Build();
    void Refresh();
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    Engine& engine_;
    HostRules rules_;
    std::function<void(const std::string&)> showHelp_;
    std::array<QRadioButton*, 3> option1_{};
    std::array<QRadioButton*, 2> optCenters_{};
    QGroupBox* fraCenters_ = nullptr;
    QPushButton* cmdDone_ = nullptr;
};
