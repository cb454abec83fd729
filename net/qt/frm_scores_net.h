#pragma once
// "Quorvane Internet Game Scores": the Internet score tables of this machine's players, one file
// at a time, by player count and competition, with the deletes of a file and of an opponent (or
// a group of opponents). A window of its own beside the table, not modal.
#include <QDialog>
#include <string>

#include "net/net_score_tables.h"
#include "platform/dialogs.h"
#include "platform/sounds.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class FrmScoresNet : public QDialog {
    Q_OBJECT
  public:
    FrmScoresNet(const std::string& appFolder, const std::string& playerName, Dialogs& dialogs,
                 Sounds* sounds, QWidget* parent = nullptr);

    // False when there was no score file to show; the window is then not to be shown.
    bool opened() const { return opened_; }

  private:
    void Build();
    void Refresh();
    void FillRows();

    NetScoreTables tables_;
    bool opened_ = false;
    QComboBox* cboMulti_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QTableWidget* gridNET_ = nullptr;
    QLabel* label1_ = nullptr;
    QPushButton* cmdNext_ = nullptr;
};
