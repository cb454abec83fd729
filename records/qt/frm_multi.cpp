#include "records/qt/frm_multi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "platform/file_util.h"
#include "records/qt/dialog_widgets.h"

namespace {

constexpr int kAvatarBox = 110;
const char* const kEvents[] = {"",       "Wild Card", "Turn Over", "Win1",  "Win2",  "Win3",
                               "Win4",   "Lose1",     "Lose2",     "Lose3", "Lose4", "Whining",
                               "Thanks", "Yeah!",     "Winner",    "Loser"};

}  // namespace

FrmMulti::FrmMulti(OpponentsSetupParts parts, QWidget* parent)
    : QDialog(parent), setup_(parts), appFolder_(parts.game.AppFolder) {
    setObjectName("frmMulti");
    setWindowTitle("Opponents Setup");

    auto* lblChoose = NewLabel(
        "lblChoose",
        "Click on the buttons below to customize each Opponent's Setup and your Player Avatar.",
        this);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildCounts());
    left->addWidget(lblChoose);
    for (QPushButton* b : cmdSetup_) left->addWidget(b);
    left->addStretch();

    auto* cmdDone = NewButton("cmdDone", "&Done", this);
    auto* cmdCancel = NewButton("CmdCancel", "&Cancel", this);
    connect(cmdDone, &QPushButton::clicked, this, [this] {
        setup_.Done();
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &FrmMulti::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    buttons->addWidget(cmdCancel);

    auto* middle = new QVBoxLayout;
    middle->addWidget(BuildSeatFrame());
    middle->addWidget(BuildGeneralFrame());
    middle->addLayout(buttons);

    auto* all = new QHBoxLayout(this);
    all->setSizeConstraint(QLayout::SetFixedSize);
    all->addLayout(left);
    all->addLayout(middle);
    all->addWidget(BuildSoundFrame(), 0, Qt::AlignTop);

    FillList(cboOpponent_, setup_.lists().personalities);
    FillList(cboOppLevel_, {"Average", "Clever", "Ruthless"});
    FillList(cboComment_, setup_.lists().comments);
    setup_.Open();
    Refresh();
}

QWidget* FrmMulti::BuildCounts() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    const char* counts[] = {"1 Opponent", "2 Opponents", "3 Opponents"};
    for (int i = 0; i < 3; ++i) {
        option1_[i] = NewOption("Option1", i, counts[i], box);
        column->addWidget(option1_[i]);
        connect(option1_[i], &QRadioButton::clicked, this,
                [this, i] { Then([&] { setup_.PlayersClicked(i); }); });
    }
    for (int i = 0; i < 2; ++i) {
        optCenters_[i] = NewOption("optCenters", i, i == 0 ? "3 Centers" : "4 Centers", box);
        connect(optCenters_[i], &QRadioButton::clicked, this,
                [this, i] { Then([&] { setup_.CentersClicked(i); }); });
    }
    QWidget* centers[] = {optCenters_[0], optCenters_[1]};
    fraCenters_ = NewFrame("Center Piles", centers);
    fraCenters_->setObjectName("fraCenters");
    column->addWidget(fraCenters_);
    const char* seats[] = {"Opponent 1", "Opponent 2", "Opponent 3", "Player"};
    for (int i = 0; i < 4; ++i) {
        cmdSetup_[i] = NewButton(ElementName("CmdSetup", i), seats[i], this);
        connect(cmdSetup_[i], &QPushButton::clicked, this,
                [this, i] { Then([&] { setup_.SeatClicked(i); }); });
    }
    return box;
}

QGroupBox* FrmMulti::BuildSeatFrame() {
    frame1_ = new QGroupBox(this);
    frame1_->setObjectName("Frame1");
    const char* captions[] = {
        "Opponent Personality:", "Ability Level:", "Comment File:", "Sound File:"};
    for (int i = 0; i < 4; ++i)
        lblOppSet_[i] = NewLabel(ElementName("lblOppSet", i), captions[i], frame1_);
    cboOpponent_ = NewList("CboOpponent", frame1_);
    connect(cboOpponent_, &QComboBox::activated, this,
            [this](int i) { Then([&] { setup_.PersonalityChosen(i); }); });
    lblDescription_ = NewLabel("lblDescription", "", frame1_);
    cboOppLevel_ = NewList("CboOppLevel", frame1_);
    connect(cboOppLevel_, &QComboBox::activated, this,
            [this](int i) { Then([&] { setup_.LevelChosen(i); }); });
    cboComment_ = NewList("CboComment", frame1_);
    connect(cboComment_, &QComboBox::activated, this,
            [this](int i) { Then([&] { setup_.CommentChosen(i); }); });
    for (int i = 0; i < 2; ++i) {
        optWav_[i] = NewOption("OptWav", i, i == 0 ? "Default" : "Custom", frame1_);
        connect(optWav_[i], &QRadioButton::clicked, this,
                [this, i] { Then([&] { setup_.SoundSetChosen(i); }); });
    }
    cmdSounds_ = NewButton("cmdSounds", "Change Sounds", frame1_);
    connect(cmdSounds_, &QPushButton::clicked, this,
            [this] { Then([&] { setup_.ChangeSounds(); }); });
    lblNoSoundNow_ = NewLabel("lblNoSoundNow", "Personality sounds are switched off.", frame1_);

    lblAvatar_ = NewLabel("lblAvatar", "Avatar:", frame1_);
    imgOppAvatar_ = new QLabel(frame1_);
    imgOppAvatar_->setObjectName("imgOppAvatar");
    imgOppAvatar_->setFixedSize(kAvatarBox, kAvatarBox);
    imgOppAvatar_->setAlignment(Qt::AlignCenter);
    hScrollAvatar_ = new QScrollBar(Qt::Horizontal, frame1_);
    hScrollAvatar_->setObjectName("HScrollAvatar");
    hScrollAvatar_->setFixedWidth(kAvatarBox);
    hScrollAvatar_->setPageStep(1);
    connect(hScrollAvatar_, &QScrollBar::valueChanged, this, [this](int v) {
        if (!refreshing_) Then([&] { setup_.AvatarScrolled(v); });
    });
    command1_ = NewButton("Command1", "Add new Avatar", frame1_);
    connect(command1_, &QPushButton::clicked, this, [this] { Then([&] { setup_.AddAvatar(); }); });
    ckShowAvatar_ = NewCheck("ckShowAvatar", "Show Avatar", frame1_);
    connect(ckShowAvatar_, &QCheckBox::clicked, this,
            [this](bool on) { Then([&] { setup_.ShowAvatarTicked(on); }); });
    ckNoPlayerAvatar_ = NewCheck("ckNoPlayerAvatar", "Show Player Avatar", frame1_);
    connect(ckNoPlayerAvatar_, &QCheckBox::clicked, this,
            [this](bool on) { Then([&] { setup_.PlayerAvatarTicked(on); }); });
    lblPlayer_ = NewLabel("lblPlayer",
                          "If you would like to use your own picture during your turn for "
                          "multiplayer games, check the Show Player Avatar box and select a "
                          "picture.",
                          frame1_);
    cmdApply_ = NewButton("CmdApply", "Save Opponent", frame1_);
    connect(cmdApply_, &QPushButton::clicked, this, [this] { Then([&] { setup_.Save(); }); });

    auto* grid = new QGridLayout(frame1_);
    grid->addWidget(lblOppSet_[0], 0, 0);
    grid->addWidget(cboOpponent_, 0, 1);
    grid->addWidget(lblDescription_, 1, 0, 1, 2);
    grid->addWidget(lblOppSet_[1], 2, 0);
    grid->addWidget(cboOppLevel_, 2, 1);
    grid->addWidget(lblOppSet_[2], 3, 0);
    grid->addWidget(cboComment_, 3, 1);
    grid->addWidget(lblOppSet_[3], 4, 0);
    auto* wav = new QHBoxLayout;
    wav->addWidget(optWav_[0]);
    wav->addWidget(optWav_[1]);
    wav->addWidget(cmdSounds_);
    grid->addLayout(wav, 4, 1);
    grid->addWidget(lblNoSoundNow_, 5, 0, 1, 2);
    grid->addWidget(lblPlayer_, 6, 0, 1, 2);
    grid->addWidget(lblAvatar_, 7, 0, Qt::AlignTop);
    auto* avatar = new QGridLayout;
    avatar->addWidget(imgOppAvatar_, 0, 0);
    avatar->addWidget(hScrollAvatar_, 1, 0);
    auto* avatarButtons = new QVBoxLayout;
    avatarButtons->addWidget(command1_);
    avatarButtons->addWidget(ckShowAvatar_);
    avatarButtons->addWidget(ckNoPlayerAvatar_);
    avatarButtons->addStretch();
    avatar->addLayout(avatarButtons, 0, 1, 2, 1);
    grid->addLayout(avatar, 7, 1);
    grid->addWidget(cmdApply_, 8, 1, Qt::AlignRight);
    frame1_->setMinimumWidth(380);
    return frame1_;
}

QGroupBox* FrmMulti::BuildSoundFrame() {
    frame2_ = new QGroupBox("Current Sounds", this);
    frame2_->setObjectName("Frame2");
    auto* grid = new QGridLayout(frame2_);
    imgPoint_ = new QLabel(QString::fromUtf8("\u25B6"), frame2_);
    imgPoint_->setObjectName("imgPoint");
    for (int e = 1; e <= kSoundEvents; ++e) {
        optPlay_[e] = NewOption("OptPlay", e, kEvents[e], frame2_);
        grid->addWidget(optPlay_[e], e, 1);
        connect(optPlay_[e], &QRadioButton::clicked, this, [this, e] {
            Then([&] { setup_.PlayEvent(e); });
            optPlay_[e]->setChecked(false);  // a second click plays it again
        });
    }
    optPlay_[14]->setToolTip("Choose your own Intro music!");
    const char* captions[] = {"Get New Sound", "Save Custom", "Reset Custom"};
    const char* names[] = {"CmdChangeSound", "CmdSaveSounds", "cmdResetSounds"};
    for (int i = 0; i < 3; ++i) {
        soundButtons_[i] = NewButton(names[i], captions[i], frame2_);
        grid->addWidget(soundButtons_[i], kSoundEvents + 1 + i, 0, 1, 2);
    }
    connect(soundButtons_[0], &QPushButton::clicked, this,
            [this] { Then([&] { setup_.GetNewSound(); }); });
    connect(soundButtons_[1], &QPushButton::clicked, this,
            [this] { Then([&] { setup_.SaveCustom(); }); });
    connect(soundButtons_[2], &QPushButton::clicked, this,
            [this] { Then([&] { setup_.ResetCustom(); }); });
    return frame2_;
}

QGroupBox* FrmMulti::BuildGeneralFrame() {
    auto* frame = new QGroupBox("Personality Adjustment", this);
    frame->setObjectName("fraGeneral");
    auto* column = new QVBoxLayout(frame);
    column->addWidget(new QLabel("General Game settings that can be disabled:", frame));
    const char* captions[] = {"Disable Win Game Animation", "Disable Lose Game Animation",
                              "Disable Personality Sounds"};
    for (int i = 0; i < 3; ++i) {
        check1_[i] = NewCheck(ElementName("Check1", i), captions[i], frame);
        column->addWidget(check1_[i]);
        connect(check1_[i], &QCheckBox::clicked, this,
                [this, i](bool on) { Then([&] { setup_.AdjustmentClicked(i, on); }); });
    }
    return frame;
}

void FrmMulti::Refresh() {
    refreshing_ = true;
    const OpponentsSetup& s = setup_;
    const SeatPanel& p = s.panel();
    const bool player = p.seat == 3;

    SelectOption<QRadioButton>(option1_, s.setupPlayers() - 2);
    fraCenters_->setVisible(s.centersShown());
    SelectOption<QRadioButton>(optCenters_, s.setupCenters() == 4 ? 1 : 0);
    for (int i = 0; i < 4; ++i) cmdSetup_[i]->setEnabled(s.seatEnabled(i));

    frame1_->setTitle(QString::fromStdString(p.caption));
    for (QWidget* w : {static_cast<QWidget*>(cboOpponent_), static_cast<QWidget*>(cboOppLevel_),
                       static_cast<QWidget*>(cboComment_), static_cast<QWidget*>(lblDescription_),
                       static_cast<QWidget*>(cmdSounds_), static_cast<QWidget*>(optWav_[0]),
                       static_cast<QWidget*>(optWav_[1])})
        w->setVisible(!player);
    for (QLabel* l : lblOppSet_) l->setVisible(!player);
    lblNoSoundNow_->setVisible(!player && !s.soundSetsEnabled());
    cboOpponent_->setCurrentIndex(p.personality);
    lblDescription_->setText(QString::fromStdString(p.description));
    cboOppLevel_->setCurrentIndex(p.level);
    cboComment_->setCurrentIndex(p.comment);
    SelectOption<QRadioButton>(optWav_, p.soundSet);
    for (QRadioButton* o : optWav_) o->setEnabled(s.soundSetsEnabled());

    lblAvatar_->setText(player ? "Your Avatar:" : "Avatar:");
    ckShowAvatar_->setVisible(!player);
    ckShowAvatar_->setChecked(s.avatarShown());
    ckNoPlayerAvatar_->setVisible(player);
    ckNoPlayerAvatar_->setChecked(p.showPlayerAvatar);
    lblPlayer_->setVisible(player);
    const int avatars = static_cast<int>(s.lists().avatars.size()) - 1;
    hScrollAvatar_->setRange(avatars > 0 ? 1 : 0, std::max(0, avatars));
    hScrollAvatar_->setValue(p.avatar);
    ShowAvatar(p.avatarFile);
    cmdApply_->setText(player ? "Save Player" : "Save Opponent");
    cmdApply_->setEnabled(s.saveEnabled());

    frame2_->setVisible(p.soundPanel);
    imgPoint_->setVisible(p.soundEvent > 0);
    if (p.soundEvent > 0)
        static_cast<QGridLayout*>(frame2_->layout())->addWidget(imgPoint_, p.soundEvent, 0);
    for (QPushButton* b : soundButtons_) b->setEnabled(s.customButtonsEnabled());

    for (int i = 0; i < 3; ++i) check1_[i]->setChecked(s.adjustment(i));
    refreshing_ = false;
}

void FrmMulti::ShowAvatar(const std::string& file) {
    const QPixmap picture = AvatarPixmap(appFolder_, file, kAvatarBox);
    if (picture.isNull())
        imgOppAvatar_->clear();  // a missing picture leaves the box empty
    else
        imgOppAvatar_->setPixmap(picture);
}

void FrmMulti::reject() {
    setup_.Cancel();
    QDialog::reject();
}
