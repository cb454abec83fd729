#include "mainwindow/qt/frm_splash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int kWidth = 460, kHeight = 280;

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int pointSize, QRect place,
                 bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont f = label->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    label->setFont(f);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setWordWrap(true);
    label->setStyleSheet("color: #FFF4C8; background: transparent;");
    return label;
}
}  // namespace

FrmSplash::FrmSplash(const QString& backgroundPath, const QString& versionText, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), background_(backgroundPath) {
    setObjectName("frmSplash");
    setFixedSize(kWidth, kHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kWidth / 2, kHeight / 2));
    }

    // The table's picture, tiled over the whole window.
    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setGeometry(rect());
    QPixmap tiled(size());
    QPainter p(&tiled);
    if (background_.isNull())
        p.fillRect(tiled.rect(), QColor(0x1E, 0x6B, 0x34));
    else
        p.drawTiledPixmap(tiled.rect(), background_);
    p.end();
    image->setPixmap(tiled);

    frame_ = new QFrame(this);
    frame_->setObjectName("Frame1");
    frame_->setGeometry(20, 20, kWidth - 40, kHeight - 40);
    frame_->setFrameShape(QFrame::Box);
    frame_->setStyleSheet(
        "QFrame#Frame1 { background: rgba(20, 40, 24, 190); border: 2px solid #C8A050; }");
    frame_->installEventFilter(this);

    const int w = frame_->width();
    AddLabel(frame_, "lblTitle", "Quorvane", 28, {0, 18, w, 48}, true);
    AddLabel(frame_, "lblPlatform", "Brivo & Tessik  -  Linux Edition", 11, {0, 70, w, 22});
    version_ = AddLabel(frame_, "lblVersion", versionText, 10, {0, 100, w, 20});
    AddLabel(frame_, "lblWarning", " Warning: Highly addictive", 10, {0, 128, w, 20}, true);
    status_ = AddLabel(frame_, "lblStatus", "", 9, {0, 152, w, 20});
    AddLabel(frame_, "lblLegal",
             "A card game of quick hands and patient piles.\nFree software: share it, "
             "change it, play it.",
             8, {10, 178, w - 20, 40});
}

void FrmSplash::keyPressEvent(QKeyEvent*) {
    close();
}

bool FrmSplash::eventFilter(QObject* watched, QEvent* e) {
    if (watched == frame_ && e->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}
