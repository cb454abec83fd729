#pragma once
// "Internet Players Setup": for the player and each connected opponent, the name shown on this
// machine, the picture, whether pictures are shown, the chat's comment set and the chat's
// personality sounds, and the score file the game's results go to.
#include <QDialog>
#include <array>
#include <functional>

#include "net/net_players_setup.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

class FrmMultiNET : public QDialog {
    Q_OBJECT
  public:
    // `changeSounds` opens the chat sound sets ("Change Sounds") over this window.
    FrmMultiNET(NetPlayersParts parts, std::function<void(QWidget*)> changeSounds,
                QWidget* parent = nullptr);

    // NetSetupDone: the player closed the window (Done, Cancel or the close box).
    bool setupDone() const { return setupDone_; }

  public slots:
    void reject() override;

  private:
    QGroupBox* BuildFrame();
    QGroupBox* BuildScores();
    void Refresh();
    template <class F>
    void Then(F&& f) {
        f();
        Refresh();
    }

    NetPlayersSetup setup_;
    std::string appFolder_;
    std::function<void(QWidget*)> changeSounds_;
    bool setupDone_ = false;
    bool refreshing_ = false;

    std::array<QPushButton*, 4> cmdSetup_{};
    QGroupBox* frame1_ = nullptr;
    QLabel* lblOppName_ = nullptr;
    std::array<QLineEdit*, 2> txtOpponent_{};
    QLabel* lblNameNote_ = nullptr;
    QLabel* lblOppSet_ = nullptr;
    QComboBox* cboComment_ = nullptr;
    QComboBox* cboOpponent_ = nullptr;
    QLabel* lblAvatar_ = nullptr;
    QLabel* imgOppAvatar_ = nullptr;
    QScrollBar* hScrollAvatar_ = nullptr;
    QCheckBox* ckNoPlayerAvatar_ = nullptr;
    QCheckBox* ckShowAvatar_ = nullptr;
    QPushButton* cmdApply_ = nullptr;
    std::array<QRadioButton*, 2> optNetScore_{};
    QLabel* lblCompete_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QLabel* lblScoreFile_ = nullptr;
};
