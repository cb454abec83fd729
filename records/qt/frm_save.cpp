#include "records/qt/frm_save.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/shared_helpers.h"
#include "records/qt/dialog_widgets.h"

namespace {

constexpr int kAuto = save_records::kAutoSlot;

constexpr LetterRefusal kTitleLetters{
    "The title holds a letter that the saved-game file cannot keep.\n\nPlease enter the title "
    "with other letters.",
    "Saved Games"};

}  // namespace

FrmSave::FrmSave(SaveDialogState state, SaveContext context, SaveParts parts, QWidget* parent)
    : QDialog(parent), st_(std::move(state)), ctx_(std::move(context)), parts_(std::move(parts)) {
    setObjectName("frmSave");
    setWindowTitle("Saved Games");
    const bool restore = st_.mode == SaveMode::Restore;

    auto* grid = new QGridLayout;
    for (int k = 1; k <= kAuto; ++k) {
        auto* box = new QLineEdit(this);
        box->setObjectName(ElementName("Text1", k));
        box->setMaxLength(30);
        box->setMinimumWidth(260);
        box->installEventFilter(this);
        box->setReadOnly(restore);
        text1_[k] = box;
        if (k <= save_records::kSlots) {
            auto* number = new QLabel(QString("%1.").arg(k), this);
            number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(number, k - 1, 0);
            grid->addWidget(box, k - 1, 1);
        }
    }
    text1_[1]->setToolTip("Type in a descriptive name if you want!");
    text1_[kAuto]->setToolTip("Click the box to the right to enable AutoSave");

    check1_ = NewCheck("Check1", "", this);
    check1_->setToolTip("Click here to enable AutoSave");
    auto* autoRow = new QHBoxLayout;
    autoRow->addWidget(text1_[kAuto], 1);
    autoRow->addWidget(check1_);
    auto* autoLabel = new QLabel("Previous turn:", this);
    grid->addWidget(autoLabel, kAuto, 0);
    grid->addLayout(autoRow, kAuto, 1);
    for (QWidget* w : {static_cast<QWidget*>(text1_[kAuto]), static_cast<QWidget*>(check1_),
                       static_cast<QWidget*>(autoLabel)})
        w->setVisible(st_.autoSaveShown);

    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    label1_->setMinimumHeight(label1_->fontMetrics().height());
    const char* caption =
        restore ? "Restore" : (st_.mode == SaveMode::NetSave ? "NET Save" : "Save");
    auto* cmdSave = NewButton("cmdSave", caption, this);
    cmdSave->setDefault(true);
    auto* command2 = NewButton("Command2", "Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(label1_, 1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(command2);

    auto* all = new QVBoxLayout(this);
    all->addLayout(grid);
    all->addLayout(buttons);

    connect(cmdSave, &QPushButton::clicked, this, &FrmSave::cmdSave_Click);
    connect(command2, &QPushButton::clicked, this, &FrmSave::Command2_Click);
    connect(check1_, &QCheckBox::clicked, this, &FrmSave::Check1_Click);

    check1_->setChecked(st_.autoSaveTicked);
    if (st_.autoSaveShown && st_.autoSaveTicked) st_.boxes[kAuto].enabled = true;
    Refresh();
}

SaveDialogResult FrmSave::Run(const SaveDialogState& state, const SaveContext& context,
                              SaveParts parts, QWidget* parent) {
    FrmSave dialog(state, context, std::move(parts), parent);
    dialog.exec();
    return dialog.result();
}

void FrmSave::Refresh() {
    for (int k = 1; k <= kAuto; ++k) {
        QLineEdit* box = text1_[k];
        const SlotBox& s = st_.boxes[k];
        if (box->text().toStdString() != s.text) box->setText(QString::fromStdString(s.text));
        box->setEnabled(s.enabled);
        Paint(k);
    }
    label1_->setText(QString::fromStdString(st_.hint));
}

void FrmSave::Paint(int slot) {
    QLineEdit* box = text1_[slot];
    QPalette pal = palette();
    QPalette::ColorRole base = QPalette::Base, text = QPalette::Text;
    if (st_.boxes[slot].look == SlotLook::Chosen)
        base = QPalette::ToolTipBase, text = QPalette::ToolTipText;
    if (st_.boxes[slot].look == SlotLook::Highlight)
        base = QPalette::Highlight, text = QPalette::HighlightedText;
    pal.setColor(QPalette::Base, palette().color(base));
    pal.setColor(QPalette::Text, palette().color(text));
    box->setPalette(pal);
}

bool FrmSave::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) {
        for (int k = 1; k <= kAuto; ++k)
            if (watched == text1_[k] && text1_[k]->isEnabled()) SlotPressed(k);
    }
    return QDialog::eventFilter(watched, e);
}

void FrmSave::SlotPressed(int slot) {
    // A click into the slot already chosen only places the caret: what was typed stays.
    if (slot == st_.selSlot) return;
    // Typing in the save modes went into the box; the dialog's copy follows it.
    if (st_.selSlot != 0) st_.boxes[st_.selSlot].text = text1_[st_.selSlot]->text().toStdString();
    ::SlotPressed(st_, slot, ctx_);
    GameStateRecord record;
    if (st_.mode == SaveMode::Restore && parts_.readRecord) record = parts_.readRecord(slot);
    bool secure = result_.secureSave;
    const std::string refusal = SlotClicked(st_, slot, ctx_, record, secure);
    result_.secureSave = secure;
    Refresh();
    if (!refusal.empty() && parts_.dialogs)
        parts_.dialogs->MsgBox(refusal, mb::Information, "Internet Game");
    if (st_.mode != SaveMode::Restore && st_.selSlot == slot) {
        text1_[slot]->setFocus();
        text1_[slot]->setCursorPosition(text1_[slot]->text().size());
    }
}

void FrmSave::cmdSave_Click() {
    if (st_.selSlot != 0) st_.boxes[st_.selSlot].text = text1_[st_.selSlot]->text().toStdString();
    // The saved-game file keeps one byte a letter: a title it cannot keep stays for the player
    // to change.
    if (st_.mode != SaveMode::Restore && st_.selSlot != 0 &&
        BadLetters(st_.boxes[st_.selSlot].text, kTitleLetters, *parts_.dialogs)) {
        text1_[st_.selSlot]->setFocus();
        return;
    }
    const std::optional<SaveChoice> choice = Confirm(st_, ctx_);
    Refresh();
    if (!choice) {
        if (parts_.sounds) parts_.sounds->Beep();
        return;
    }
    result_.cancelled = false;
    result_.choice = *choice;
    accept();
}

void FrmSave::Command2_Click() {
    if (CancelAsks(st_) && parts_.dialogs &&
        parts_.dialogs->MsgBox(kCancelQuestion, mb::YesNo, "Save game?") == mb::Yes)
        return;
    if (ctx_.netConnected != 0) result_.secureSave = false;
    reject();
}

void FrmSave::reject() {
    // The close box and Esc cancel, as the Cancel button does without its question.
    result_.cancelled = true;
    QDialog::reject();
}

void FrmSave::Check1_Click(bool ticked) {
    std::string error;
    if (ticked && parts_.moveHistory && !parts_.moveHistory(true, &error)) {
        check1_->setChecked(false);
        if (parts_.dialogs) parts_.dialogs->MsgBox(error, mb::Exclamation, "AutoSave");
        return;
    }
    if (!ticked && parts_.moveHistory) parts_.moveHistory(false, nullptr);
    st_.boxes[kAuto].enabled = ticked;
    Refresh();
    if (ticked && parts_.gameOn && parts_.autoSaveNow) parts_.autoSaveNow();
}
