#pragma once
// "Opponents Setup": how many computer opponents and center piles, a seat panel per opponent
// (personality, level, comment set, sound set, avatar) and for the player's own picture, the
// fifteen sound events of a personality with preview and custom sounds, and three general
// switches. The sound panel widens the window while it is open.
#include <QDialog>
#include <array>

#include "records/opponents_setup.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

class FrmMulti : public QDialog {
    Q_OBJECT
  public:
    explicit FrmMulti(OpponentsSetupParts parts, QWidget* parent = nullptr);

    // After it closed: CancelFlag (cancelled, closed, or Done with the counts unchanged).
    bool cancelFlag() const { return setup_.cancelFlag(); }
    const OpponentsSetup& logic() const { return setup_; }

  public slots:
    void reject() override;

  private:
    QWidget* BuildCounts();
    QGroupBox* BuildSeatFrame();
    QGroupBox* BuildSoundFrame();
    QGroupBox* BuildGeneralFrame();
    void Refresh();
    void ShowAvatar(const std::string& file);
    // Runs a handler of the logic, then shows what it changed.
    template <class F>
    void Then(F&& f) {
        f();
        Refresh();
    }

    OpponentsSetup setup_;
    std::string appFolder_;
    bool refreshing_ = false;

    std::array<QRadioButton*, 3> option1_{};
    QWidget* fraCenters_ = nullptr;
    std::array<QRadioButton*, 2> optCenters_{};
    std::array<QPushButton*, 4> cmdSetup_{};
    QGroupBox* frame1_ = nullptr;
    QComboBox* cboOpponent_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QComboBox* cboOppLevel_ = nullptr;
    QComboBox* cboComment_ = nullptr;
    std::array<QRadioButton*, 2> optWav_{};
    QPushButton* cmdSounds_ = nullptr;
    std::array<QLabel*, 4> lblOppSet_{};
    QLabel* lblNoSoundNow_ = nullptr;
    QLabel* lblAvatar_ = nullptr;
    QLabel* imgOppAvatar_ = nullptr;
    QScrollBar* hScrollAvatar_ = nullptr;
    QPushButton* command1_ = nullptr;
    QCheckBox* ckShowAvatar_ = nullptr;
    QCheckBox* ckNoPlayerAvatar_ = nullptr;
    QLabel* lblPlayer_ = nullptr;
    QPushButton* cmdApply_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    std::array<QRadioButton*, 16> optPlay_{};
    QLabel* imgPoint_ = nullptr;
    std::array<QPushButton*, 3> soundButtons_{};
    std::array<QCheckBox*, 3> check1_{};
};
