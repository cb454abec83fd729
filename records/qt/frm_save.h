#pragma once
// "Saved Games": the ten saved-game slots and, when restoring outside an Internet game, the
// AutoSave switch with the previous turn's slot. The caller sets the mode and the list; the
// dialog hands back the slot and title chosen, or that it was cancelled.
#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "platform/dialogs.h"
#include "platform/sounds.h"
#include "records/save_slots.h"
#include "records/saved_games.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

struct SaveParts {
    Dialogs* dialogs = nullptr;
    Sounds* sounds = nullptr;
    // Record `slot` of the saved-game store (a restore checks its title when it is clicked).
    std::function<GameStateRecord(int slot)> readRecord;
    // The AutoSave switch: starts or ends the move history; false (with the reason) when it
    // could not be started.
    std::function<bool(bool on, std::string* error)> moveHistory;
    // Ticking the switch during a game saves the turn's start at once.
    std::function<void()> autoSaveNow;
    bool gameOn = false;
};

class FrmSave : public QDialog {
    Q_OBJECT
  public:
    FrmSave(SaveDialogState state, SaveContext context, SaveParts parts, QWidget* parent = nullptr);

    // Shows the dialog modally and returns what it decided.
    static SaveDialogResult Run(const SaveDialogState& state, const SaveContext& context,
                                SaveParts parts, QWidget* parent);
    SaveDialogResult result() const { return result_; }

    void SlotPressed(int slot);
    void cmdSave_Click();
    void Command2_Click();
    void Check1_Click(bool ticked);

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void reject() override;

  private:
    void Refresh();
    void Paint(int slot);

    SaveDialogState st_;
    SaveContext ctx_;
    SaveParts parts_;
    SaveDialogResult result_;
    std::array<QLineEdit*, 12> text1_{};
    QCheckBox* check1_ = nullptr;
    QLabel* label1_ = nullptr;
};
