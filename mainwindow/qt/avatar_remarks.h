#pragma once
// The opponent's picture and voice at the table: a click on the avatar slaps it (the slap
// picture and its sound), Ctrl+click brings back the personality's own picture, a right click
// opens the avatar chooser; the slap goes with a click on it or once the pointer moves away; a
// new sound level is acknowledged; and when the player lets a turn sit, Timer1 brings one idle
// remark.
#include <QCursor>
#include <QObject>
#include <functional>

#include "engine/game.h"
#include "engine/services.h"
#include "mainwindow/main_window_state.h"
#include "platform/hook_check.h"

class BoardShell;
class FrmBrivo;

struct AvatarRemarksParts {
    Game& game;
    MainWindowState& state;
    const Services& services;
    BoardShell& board;
    FrmBrivo& window;
    // The avatar chooser and importer.
    std::function<void()> getAvatars;
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("AvatarRemarksParts").Need("getAvatars", getAvatars);
    }
};

class AvatarRemarks : public QObject {
    Q_OBJECT
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const { p_.NeedHooks(check); }
    explicit AvatarRemarks(AvatarRemarksParts parts);

    // The slap, from a click on the avatar, the chat window or a peer.
    void AvatarSlap();
    // The sound level now in SoundMode, acknowledged in the personality's voice.
    void ChangeNoise();
    void Timer1_Timer();

    void ImgAvatar_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
    void imgSlap_Click();
    void imgSlap_MouseMove(QPoint at);

    int SlapPointX = 0;
    int SlapPointY = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void PlayFile(const std::string& relativePath);
    void PlaySound(const std::string& path);
    void SetSlapVisible(bool visible);

    AvatarRemarksParts p_;
    QCursor avatarCursor_;
    QCursor slapCursor_;
    // The last press only stopped the end-of-game animation: its release does nothing more.
    bool stoppedAnimation_ = false;
};
