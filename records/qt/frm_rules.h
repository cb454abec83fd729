#pragma once
// The house rules window "Rules": side-pile size, shuffle, centers, the wild Ace and the forced
// cards. Its controls only change the dialog's pending rules; Apply makes them the game's rules
// (asking for a new game where the change needs one) and closes; Cancel, Esc and the close box
// drop them.
#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "records/house_rules.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

class FrmRules : public QDialog {
    Q_OBJECT
  public:
    // `showHelp` opens the help on a keyword; without it the dialog explains the rules itself.
    FrmRules(Engine& engine, std::function<void(const std::string&)> showHelp,
             QWidget* parent = nullptr);

    // False when the dialog refused to open (an Internet peer too old for it); the player has
    // been told. Show it only when true.
    bool opened() const { return opened_; }
    // After it closed: the applied change needs a new game.
    bool rulesChanged() const { return rules_.rulesChanged(); }

    // Opens the dialog modally; returns RulesChanged.
    static bool Run(Engine& engine, std::function<void(const std::string&)> showHelp,
                    QWidget* parent);

  private:
    void Build();
    void Refresh();
    void Save();
    void Help();

    HouseRules rules_;
    std::function<void(const std::string&)> showHelp_;
    bool opened_ = false;
    std::array<QRadioButton*, 4> optSide_{};
    std::array<QRadioButton*, 2> optShuffle_{};
    std::array<QRadioButton*, 2> optCenter_{};
    QCheckBox* chkWild_ = nullptr;
    QCheckBox* chkNoForced_ = nullptr;
    std::array<QCheckBox*, 5> chkForced_{};
};
