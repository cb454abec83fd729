#include "records/qt/frm_speed.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "platform/vb_strings.h"
#include "records/qt/dialog_widgets.h"
#include "records/speed_settings.h"

FrmSpeed::FrmSpeed(PlayOptions& options, QWidget* parent) : QDialog(parent), options_(options) {
    setObjectName("frmSpeed");
    setWindowTitle("Speed Settings");

    hScroll1_ = new QScrollBar(Qt::Horizontal, this);
    hScroll1_->setObjectName("HScroll1");
    hScroll1_->setRange(0, kSpeedLevels - 1);
    hScroll1_->setPageStep(1);
    hScroll1_->setMinimumWidth(220);
    label1_ = NewLabel("Label1", "", this, false);
    label1_->setAlignment(Qt::AlignCenter);
    auto* speedFrame = new QGroupBox("Brivo's Speed", this);
    auto* speedBox = new QVBoxLayout(speedFrame);
    speedBox->addWidget(hScroll1_);
    speedBox->addWidget(label1_);
    speedBox->addStretch();

    vScroll1_ = new QScrollBar(Qt::Vertical, this);
    vScroll1_->setObjectName("VScroll1");
    vScroll1_->setRange(0, kAnimationPositions - 1);
    vScroll1_->setPageStep(1);
    vScroll1_->setMinimumHeight(120);
    lblAni_ = NewLabel("lblAni", "", this, false);
    auto* aniFrame = new QGroupBox("Card Animation Speed", this);
    auto* aniGrid = new QGridLayout(aniFrame);
    aniGrid->addWidget(vScroll1_, 0, 0, 3, 1);
    aniGrid->addWidget(new QLabel("Faster", aniFrame), 0, 1, Qt::AlignTop);
    aniGrid->addWidget(lblAni_, 1, 1);
    aniGrid->addWidget(new QLabel("Slower", aniFrame), 2, 1, Qt::AlignBottom);

    auto* note = new QLabel("Not responsible for games played at the speed of light", this);
    note->setWordWrap(true);
    auto* command1 = NewButton("Command1", "&Done", this);
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* frames = new QHBoxLayout;
    frames->addWidget(speedFrame, 1);
    frames->addWidget(aniFrame);
    auto* all = new QVBoxLayout(this);
    all->addLayout(frames);
    all->addWidget(note);
    all->addWidget(command1, 0, Qt::AlignHCenter);

    // Opening shows the settings without changing them; only the player's moves do.
    const SpeedBars bars = OpenSpeedDialog(options_);
    hScroll1_->setValue(bars.speed);
    vScroll1_->setValue(bars.animation);
    label1_->setText(QString::fromStdString(SpeedWord(bars.speed)));
    lblAni_->setText(QString::fromStdString(Str(bars.animation)));
    connect(hScroll1_, &QScrollBar::valueChanged, this, &FrmSpeed::ShowSpeed);
    connect(vScroll1_, &QScrollBar::valueChanged, this, &FrmSpeed::ShowAnimation);
    setFixedSize(sizeHint());
}

void FrmSpeed::ShowSpeed(int level) {
    SpeedBarChanged(options_, level);
    label1_->setText(QString::fromStdString(SpeedWord(level)));
}

void FrmSpeed::ShowAnimation(int position) {
    AnimationBarChanged(options_, position);
    lblAni_->setText(QString::fromStdString(Str(position)));
}
