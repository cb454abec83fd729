#include "net/qt/frm_sounds.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/qt/dialog_widgets.h"

FrmSounds::FrmSounds(const std::string& appFolder,
                     const std::vector<PersonalityEntry>& personalities, ChatSoundSet& chosen,
                     Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), sets_(appFolder, personalities, chosen, dialogs) {
    setObjectName("frmSounds");
    setWindowTitle("Online Personality Sounds");

    auto* lblSounds = new QLabel(
        "Select up to 3 personalities and their sounds will be included in the Chat box.\n"
        "Remember: your opponent must have the same sounds in order to hear the sounds you send.",
        this);
    lblSounds->setObjectName("lblSounds");
    lblSounds->setWordWrap(true);

    lstSounds_ = new QListWidget(this);
    lstSounds_->setObjectName("lstSounds");
    for (const ChatSoundSets::Item& item : sets_.items()) {
        auto* row = new QListWidgetItem(QString::fromStdString(item.name), lstSounds_);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        row->setCheckState(item.ticked ? Qt::Checked : Qt::Unchecked);
    }
    connect(lstSounds_, &QListWidget::itemChanged, this, [this](QListWidgetItem* row) {
        sets_.Tick(lstSounds_->row(row), row->checkState() == Qt::Checked);
    });
    connect(lstSounds_, &QListWidget::currentRowChanged, this, [this](int row) {
        lblDescription_->setText(QString::fromStdString(sets_.Description(row)));
    });

    lblDescription_ = new QLabel("Description", this);
    lblDescription_->setObjectName("lblDescription");
    lblDescription_->setWordWrap(true);
    lblDescription_->setMinimumHeight(lblDescription_->fontMetrics().height() * 3);
    lblDescription_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* cmdDone = NewButton("cmdDone", "Update", this);
    cmdDone->setDefault(true);
    connect(cmdDone, &QPushButton::clicked, this, [this] {
        if (sets_.Update()) accept();
    });
    auto* cmdCancel = NewButton("CmdCancel", "Cancel", this);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    buttons->addWidget(cmdCancel);
    auto* all = new QVBoxLayout(this);
    all->addWidget(lblSounds);
    all->addWidget(lstSounds_, 1);
    all->addWidget(lblDescription_);
    all->addLayout(buttons);
    resize(360, 330);
}
