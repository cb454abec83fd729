#include "net/qt/frm_multi_net.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "records/qt/dialog_widgets.h"

namespace {

constexpr int kAvatarBox = 110;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

FrmMultiNET::FrmMultiNET(NetPlayersParts parts, std::function<void(QWidget*)> changeSounds,
                         QWidget* parent)
    : QDialog(parent),
      setup_(parts),
      appFolder_(parts.game.AppFolder),
      changeSounds_(std::move(changeSounds)) {
    setObjectName("frmMultiNET");
    setWindowTitle("Internet Players Setup");

    auto* lblChoose = NewLabel(
        "lblChoose", "Click on the Opponent buttons below to setup up individual opponents.", this);
    const char* captions[] = {"Opponent 1", "Opponent 2", "Opponent 3", "Player"};
    auto* setupRow = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        cmdSetup_[i] = NewButton(ElementName("CmdSetup", i), captions[i], this);
        connect(cmdSetup_[i], &QPushButton::clicked, this,
                [this, i] { Then([&] { setup_.SetupClicked(i); }); });
        setupRow->addWidget(cmdSetup_[i]);
    }
    auto* cmdDone = NewButton("cmdDone", "&Done", this);
    cmdDone->setDefault(true);
    connect(cmdDone, &QPushButton::clicked, this, [this] {
        if (!setup_.Done()) return Refresh();
        setupDone_ = true;
        accept();
    });
    auto* cmdCancel = NewButton("CmdCancel", "&Cancel", this);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmMultiNET::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    buttons->addWidget(cmdCancel);

    auto* all = new QVBoxLayout(this);
    all->addWidget(lblChoose);
    all->addLayout(setupRow);
    all->addWidget(BuildFrame());
    all->addWidget(BuildScores());
    all->addLayout(buttons);

    setup_.Open();
    Refresh();
}

QGroupBox* FrmMultiNET::BuildFrame() {
    frame1_ = new QGroupBox(this);
    frame1_->setObjectName("Frame1");
    lblOppName_ = NewLabel("lblOppName", "", frame1_, false);
    const char* tips[] = {"Change your name NOW if you need too!",
                          "You can leave this blank or enter the name YOU want to call your "
                          "opponent."};
    for (int i = 0; i < 2; ++i) {
        txtOpponent_[i] = new QLineEdit(frame1_);
        txtOpponent_[i]->setObjectName(ElementName("TxtOpponent", i));
        txtOpponent_[i]->setToolTip(tips[i]);
        txtOpponent_[i]->setMaxLength(20);
        connect(txtOpponent_[i], &QLineEdit::textEdited, this, [this](const QString& text) {
            Then([&] { setup_.NameEdited(text.toStdString()); });
        });
    }
    lblNameNote_ = NewLabel(
        "lblNameNote", "Leave this blank if you would like to use the name your Opponent is using.",
        frame1_);
    lblOppSet_ = NewLabel("lblOppSet", "Chat Comment File:", frame1_, false);
    cboComment_ = NewList("CboComment", frame1_);
    FillList(cboComment_, setup_.lists().comments);
    connect(cboComment_, &QComboBox::activated, this,
            [this](int i) { Then([&] { setup_.CommentChosen(i); }); });
    cboOpponent_ = NewList("CboOpponent", frame1_);
    FillList(cboOpponent_, setup_.lists().personalities);
    cboOpponent_->setToolTip("The personality whose remarks your chat buttons offer");
    connect(cboOpponent_, &QComboBox::activated, this,
            [this](int i) { Then([&] { setup_.PersonalityChosen(i); }); });

    lblAvatar_ = NewLabel("lblAvatar", "", frame1_, false);
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
    auto* command1 = NewButton("Command1", "&Add new Avatar", frame1_);
    connect(command1, &QPushButton::clicked, this, [this] { Then([&] { setup_.AddAvatar(); }); });
    ckNoPlayerAvatar_ = NewCheck("ckNoPlayerAvatar", "Player Avatar", frame1_);
    connect(ckNoPlayerAvatar_, &QCheckBox::clicked, this,
            [this](bool on) { Then([&] { setup_.PlayerAvatarTicked(on); }); });
    ckShowAvatar_ = NewCheck("ckShowAvatar", "Show Avatar", frame1_);
    connect(ckShowAvatar_, &QCheckBox::clicked, this,
            [this](bool on) { Then([&] { setup_.ShowAvatarTicked(on); }); });
    auto* cmdSounds = NewButton("cmdSounds", "Change &Sounds", frame1_);
    connect(cmdSounds, &QPushButton::clicked, this, [this] { changeSounds_(this); });
    cmdApply_ = NewButton("CmdApply", "", frame1_);
    connect(cmdApply_, &QPushButton::clicked, this, [this] { Then([&] { setup_.Apply(); }); });

    auto* grid = new QGridLayout(frame1_);
    grid->addWidget(lblOppName_, 0, 0);
    grid->addWidget(txtOpponent_[0], 0, 1);
    grid->addWidget(txtOpponent_[1], 0, 1);
    grid->addWidget(lblNameNote_, 1, 0, 1, 2);
    grid->addWidget(lblOppSet_, 2, 0);
    grid->addWidget(cboComment_, 2, 1);
    grid->addWidget(cboOpponent_, 3, 1);
    grid->addWidget(lblAvatar_, 4, 0, Qt::AlignTop);
    auto* avatar = new QGridLayout;
    avatar->addWidget(imgOppAvatar_, 0, 0);
    avatar->addWidget(hScrollAvatar_, 1, 0);
    auto* avatarButtons = new QVBoxLayout;
    avatarButtons->addWidget(command1);
    avatarButtons->addWidget(ckNoPlayerAvatar_);
    avatarButtons->addWidget(ckShowAvatar_);
    avatarButtons->addWidget(cmdSounds);
    avatarButtons->addStretch();
    avatar->addLayout(avatarButtons, 0, 1, 2, 1);
    grid->addLayout(avatar, 4, 1);
    grid->addWidget(cmdApply_, 5, 1, Qt::AlignRight);
    frame1_->setMinimumWidth(400);
    return frame1_;
}

QGroupBox* FrmMultiNET::BuildScores() {
    auto* fraScores = new QGroupBox("Net Score File", this);
    fraScores->setObjectName("fraScores");
    const char* options[] = {"Use Player's Default Score File", "Use Competition Score File:"};
    for (int i = 0; i < 2; ++i) {
        optNetScore_[i] = NewOption("optNetScore", i, options[i], fraScores);
        connect(optNetScore_[i], &QRadioButton::clicked, this,
                [this, i] { Then([&] { setup_.ScoreOptionClicked(i); }); });
    }
    lblCompete_ = NewLabel(
        "lblCompete", "Select existing competition or type in new competition name:", fraScores);
    combo1_ = NewList("Combo1", fraScores);
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    connect(combo1_, &QComboBox::activated, this,
            [this](int i) { Then([&] { setup_.CompetitionChosen(i); }); });
    connect(combo1_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (!refreshing_) Then([&] { setup_.CompetitionTyped(text.toStdString()); });
    });
    lblScoreFile_ = NewLabel("lblScoreFile", "Current Score File: ", fraScores);
    auto* box = new QVBoxLayout(fraScores);
    box->addWidget(optNetScore_[0]);
    box->addWidget(optNetScore_[1]);
    box->addWidget(lblCompete_);
    box->addWidget(combo1_);
    box->addWidget(lblScoreFile_);
    return fraScores;
}

void FrmMultiNET::Refresh() {
    refreshing_ = true;
    const NetPlayerPanel& p = setup_.panel();
    const bool player = p.setup == 3;
    for (int i = 0; i < 4; ++i) cmdSetup_[i]->setEnabled(setup_.setupEnabled(i));
    frame1_->setTitle(Q(p.frame));
    lblOppName_->setText(Q(p.nameLabel));
    QLineEdit* shown = txtOpponent_[player ? 0 : 1];
    txtOpponent_[0]->setVisible(player);
    txtOpponent_[1]->setVisible(!player);
    if (shown->text() != Q(p.name)) shown->setText(Q(p.name));
    lblNameNote_->setVisible(!player);
    cboComment_->setCurrentIndex(p.comment);
    cboOpponent_->setVisible(player && p.personalityShown);
    cboOpponent_->setCurrentIndex(p.personality);
    lblAvatar_->setText(Q(p.avatarLabel));
    const int avatars = static_cast<int>(setup_.lists().avatars.size()) - 1;
    hScrollAvatar_->setRange(avatars > 0 ? 1 : 0, std::max(avatars, 0));
    hScrollAvatar_->setValue(p.avatar);
    const QPixmap picture = AvatarPixmap(appFolder_, p.avatarFile, kAvatarBox);
    if (picture.isNull())
        imgOppAvatar_->clear();
    else
        imgOppAvatar_->setPixmap(picture);
    ckNoPlayerAvatar_->setVisible(player);
    ckNoPlayerAvatar_->setChecked(p.playerAvatar);
    ckShowAvatar_->setChecked(setup_.avatarShown());
    cmdApply_->setText(Q(p.applyCaption));
    cmdApply_->setEnabled(setup_.applyEnabled());

    const bool competition = setup_.scoreOption() == 1;
    SelectOption(std::span<QRadioButton* const>(optNetScore_), setup_.scoreOption());
    lblCompete_->setVisible(competition);
    combo1_->setVisible(competition);
    if (competition) {
        const auto& entries = setup_.competitions().entries;
        if (combo1_->count() != static_cast<int>(entries.size())) FillList(combo1_, entries);
        if (combo1_->currentText() != Q(setup_.competitionText()))
            combo1_->setEditText(Q(setup_.competitionText()));
    }
    lblScoreFile_->setText(Q(setup_.scoreCaption()));
    refreshing_ = false;
}

void FrmMultiNET::reject() {
    setup_.Cancel();
    setupDone_ = true;
    QDialog::reject();
}
