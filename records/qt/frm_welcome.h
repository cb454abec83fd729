#pragma once
// The sign-in window: a small borderless window, dragged by any part of it, that asks for the
// player's name, offers the known players and signs the chosen or new player in. It cannot be
// left with an unusable name: Esc leaves only while somebody is already signed in, and closing
// it otherwise reports that nobody signed in (at start-up the program then ends).
#include <QDialog>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "board/board_looks.h"
#include "platform/dialogs.h"
#include "records/profiles.h"

class QComboBox;
class QLabel;
class QPushButton;

struct WelcomeParts {
    std::string playerName;      // the name signed in this run, empty before the first
    std::string lastPlayerName;  // the name the profile file remembers
    std::vector<std::string> knownPlayers;
    bool someoneSignedIn = false;
    QImage background;  // the table's background picture, null for the plain mat
    Rgb matColor = 0x1E6B34;
    Rgb fontColor = 0xFFFFFF;
    Dialogs* dialogs = nullptr;
    // Signs the checked name in (the profile loads or creates the player's record).
    std::function<SignInResult(const std::string&)> signIn;
};

class FrmWelcome : public QDialog {
    Q_OBJECT
  public:
    explicit FrmWelcome(WelcomeParts parts, QWidget* parent = nullptr);

    // After it closed: the player signed in, under this name, and how.
    bool signedIn() const { return signedIn_; }
    const std::string& playerName() const { return name_; }
    SignInResult outcome() const { return outcome_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void Command1_Click();
    void Drag(QMouseEvent* e);

    WelcomeParts parts_;
    QComboBox* combo1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLabel* label1_ = nullptr;
    bool signedIn_ = false;
    std::string name_;
    SignInResult outcome_ = SignInResult::Failed;
    QPoint dragOffset_;
};
