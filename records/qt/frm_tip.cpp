#include "records/qt/frm_tip.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/file_util.h"
#include "records/qt/brivo_picture.h"
#include "records/qt/dialog_widgets.h"

FrmTip::FrmTip(TipParts parts, QWidget* parent) : QDialog(parent), parts_(std::move(parts)) {
    setObjectName("frmTip");
    setWindowTitle("Quorvane Tip of the Day");
    setModal(false);

    // The panel the tip is shown on, with Brivo beside it.
    auto* picture1 = new QFrame(this);
    picture1->setObjectName("Picture1");
    picture1->setFrameShape(QFrame::StyledPanel);
    picture1->setAutoFillBackground(true);
    QPalette paper = picture1->palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    picture1->setPalette(paper);
    auto* brivo = new QLabel(picture1);
    brivo->setPixmap(BrivoPicture(parts_.appFolder, 72));
    brivo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto* label1 = new QLabel("Advice from Brivo...", picture1);
    label1->setObjectName("Label1");
    QFont heading = label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    label1->setFont(heading);
    lblTipText_ = new QLabel(picture1);
    lblTipText_->setObjectName("lblTipText");
    lblTipText_->setWordWrap(true);
    lblTipText_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lblTipText_->setMinimumSize(340, 150);
    lblTipText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* text = new QVBoxLayout;
    text->addWidget(label1);
    text->addWidget(lblTipText_, 1);
    auto* panel = new QHBoxLayout(picture1);
    panel->addWidget(brivo);
    panel->addLayout(text, 1);

    auto* next = NewButton(ElementName("cmdNextTip", 0), "&Next Tip", this);
    auto* previous = NewButton(ElementName("cmdNextTip", 1), "&Previous Tip", this);
    auto* help = NewButton("cmdHelp", "&Help", this);
    auto* ok = NewButton("cmdOK", "OK", this);
    ok->setDefault(true);
    help->setVisible(static_cast<bool>(parts_.showHelp));
    chkLoadTipsAtStartup_ = NewCheck("chkLoadTipsAtStartup", "&Show Tips at Startup", this);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {ok, next, previous, help}) buttons->addWidget(b);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture1, 1);
    top->addLayout(buttons);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addWidget(chkLoadTipsAtStartup_);

    connect(next, &QPushButton::clicked, this, [this] { StepTip(false); });
    connect(previous, &QPushButton::clicked, this, [this] { StepTip(true); });
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(help, &QPushButton::clicked, this, [this] { parts_.showHelp(); });

    if (parts_.settings) book_.SetIndex(StoredTipNumber(*parts_.settings));
    chkLoadTipsAtStartup_->setChecked(parts_.showAtStartup);
    // The box writes its state at once, whichever way the window is closed afterwards.
    connect(chkLoadTipsAtStartup_, &QCheckBox::toggled, this, [this](bool on) {
        if (parts_.settings) StoreShowTipsAtStartup(*parts_.settings, on);
    });
    tipsLoaded_ = book_.Load(JoinPath(parts_.appFolder, kTipsFileName));
    if (tipsLoaded_)
        StepTip(false);
    else
        lblTipText_->setText(QString::fromStdString(MissingTipsText()));
}

void FrmTip::StepTip(bool back) {
    if (!tipsLoaded_) return;
    book_.Step(back);
    DisplayCurrentTip();
}

void FrmTip::DisplayCurrentTip() {
    lblTipText_->setText(QString::fromStdString(book_.Text()));
}

void FrmTip::done(int result) {
    if (parts_.settings && tipsLoaded_) StoreTipNumber(*parts_.settings, book_.Index());
    QDialog::done(result);
}
