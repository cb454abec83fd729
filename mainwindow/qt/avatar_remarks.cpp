#include "mainwindow/qt/avatar_remarks.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

#include "board/qt/board_shell.h"
#include "board/qt/slap_art.h"
#include "board/qt/table_view.h"
#include "mainwindow/idle_comment.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/table_controls.h"
#include "platform/file_util.h"
#include "platform/vb_strings.h"

AvatarRemarks::AvatarRemarks(AvatarRemarksParts parts)
    : p_(std::move(parts)),
      avatarCursor_(QPixmap::fromImage(HandPointer(0)), 16, 16),
      slapCursor_(QPixmap::fromImage(HandPointer(1)), 16, 16) {
    connect(p_.window.Timer1(), &QTimer::timeout, this, [this] { Timer1_Timer(); });
    qApp->installEventFilter(this);
}

void AvatarRemarks::PlaySound(const std::string& path) {
    if (p_.services.sounds && !Trim(path).empty()) p_.services.sounds->PlaySound(path, false);
}

void AvatarRemarks::PlayFile(const std::string& relativePath) {
    PlaySound(JoinPath(p_.game.AppFolder, relativePath));
}

void AvatarRemarks::SetSlapVisible(bool visible) {
    SetTableControlVisible(p_.board, "imgSlap", visible);
}

// Slaps are heard whatever the sound level.
void AvatarRemarks::AvatarSlap() {
    SetSlapVisible(true);
    PlayFile("Sounds/slap.wav");
}

void AvatarRemarks::ChangeNoise() {
    const NoiseAnswer a = ::ChangeNoise(p_.game.SoundMode);
    SayOnTable(p_.board, p_.services.board, 2, a.text);
    if (a.cheer) PlaySound(p_.game.CompSounds[13]);
    PlaySound(p_.game.CompSounds[2]);
}

void AvatarRemarks::Timer1_Timer() {
    p_.window.Timer1()->stop();
    // Only a turn of the player's own that sits idle draws the remark.
    if (p_.game.Pturn != 1 || p_.game.ComputerBusy || p_.game.StopFlag) return;
    const IdleRemark r = IdleComment(p_.game);
    if (!r.avatar.empty() && p_.services.board) p_.services.board->LoadAvatar(r.avatar);
    SayOnTable(p_.board, p_.services.board, 2, r.text);
}

void AvatarRemarks::ImgAvatar_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                      QPoint at) {
    if (button == Qt::RightButton) {
        // The chooser waits for the player: never in the middle of a turn or a deal.
        const Game& g = p_.game;
        if (g.ComputerBusy || g.PlayRunning || g.Dealing || g.FlipInProgress) return;
        p_.getAvatars();
        return;
    }
    if (shift == Qt::ControlModifier) {
        if (p_.services.board) p_.services.board->LoadAvatar(p_.game.DefaultAvatar);
        p_.state.ShownAvatarName = p_.game.DefaultAvatar;
        return;
    }
    if (p_.game.FlipInProgress) return;
    SlapPointX = at.x();
    SlapPointY = at.y();
}

void AvatarRemarks::imgSlap_Click() {
    SetSlapVisible(false);
    PlayFile("Data/~118.tmp");
}

void AvatarRemarks::imgSlap_MouseMove(QPoint at) {
    if (!SlapStaysAt(at.x(), at.y(), SlapPointX, SlapPointY)) SetSlapVisible(false);
}

bool AvatarRemarks::eventFilter(QObject* watched, QEvent* e) {
    const QEvent::Type t = e->type();
    if (t != QEvent::MouseButtonRelease && t != QEvent::MouseMove &&
        t != QEvent::MouseButtonPress && t != QEvent::Enter)
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || !p_.board.view || w->parentWidget() != p_.board.view) return false;
    const QString name = w->objectName();
    const bool avatar = name == "ImgAvatar";
    if (!avatar && name != "imgSlap") return false;
    // The pointer is followed over both pictures, pressed or not.
    if (t == QEvent::Enter) w->setMouseTracking(true);
    if (t == QEvent::Enter || t == QEvent::MouseMove) {
        if (avatar && !p_.game.FlipInProgress) w->setCursor(avatarCursor_);
        if (!avatar) w->setCursor(slapCursor_);
    }
    // A click on the table ends the end-of-game animation, which covers the pictures too.
    if (t == QEvent::MouseButtonPress && p_.game.AnimationRunning) {
        p_.state.AnimationStop = true;
        stoppedAnimation_ = true;
        return true;
    }
    if (t == QEvent::MouseButtonPress) stoppedAnimation_ = false;
    if (t == QEvent::MouseButtonRelease && stoppedAnimation_) {
        stoppedAnimation_ = false;
        return true;
    }
    if (t == QEvent::Enter || t == QEvent::MouseButtonPress) return false;
    auto* me = static_cast<QMouseEvent*>(e);
    const QPoint at = me->position().toPoint();
    if (t == QEvent::MouseMove) {
        if (!avatar) imgSlap_MouseMove(at);
        return false;
    }
    if (avatar) {
        ImgAvatar_MouseUp(me->button(), me->modifiers(), at);
        // A click of the left button slaps, as a click on the avatar always does.
        if (me->button() == Qt::LeftButton && w->rect().contains(at)) AvatarSlap();
    } else if (me->button() == Qt::LeftButton && w->rect().contains(at)) {
        imgSlap_Click();
    }
    return false;
}
