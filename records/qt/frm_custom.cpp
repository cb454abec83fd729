#include "records/qt/frm_custom.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "engine/shared_helpers.h"
#include "platform/file_util.h"
#include "platform/vb_strings.h"
#include "records/qt/dialog_widgets.h"
#include "records/record_paths.h"

namespace {

constexpr const char* kCustomFile = "Custom.cmt";
constexpr LetterRefusal kCommentNameLetters{
    "The file name holds a letter that the players' file cannot keep.\n\nPlease name the "
    "comment file with other letters.",
    "Custom Comments"};

void SetBackground(QLineEdit* box, const QColor& colour) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Text, Qt::black);
    box->setPalette(pal);
}

}  // namespace

FrmCustom::FrmCustom(CustomParts parts, QWidget* parent)
    : QDialog(parent), parts_(std::move(parts)) {
    setObjectName("frmCustom");
    setWindowTitle("Custom Comments");
    setModal(false);
    const std::string& app = parts_.g.AppFolder;

    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu("&File");
    const char* items[] = {"&New Comment file...", "&Open Existing...", "&Save..."};
    for (int i = 0; i < 3; ++i) {
        QAction* a = file->addAction(items[i]);
        a->setObjectName(ElementName("GetGoing", i));
        connect(a, &QAction::triggered, this, [this, i] { GetGoing_Click(i); });
    }
    file->addSeparator();
    QAction* exitCus = file->addAction("E&xit");
    exitCus->setObjectName("ExitCus");
    connect(exitCus, &QAction::triggered, this, &QDialog::close);
    QAction* help = menus->addAction("&Help");
    help->setObjectName("HelpComments");
    help->setVisible(static_cast<bool>(parts_.showHelp));
    connect(help, &QAction::triggered, this, [this] { parts_.showHelp(); });

    auto* label1 = new QLabel(QString::fromStdString(ReadTextBlock(app, 9, 11)), this);
    label1->setObjectName("Label1");
    label1->setWordWrap(true);

    auto* lines = new QGridLayout;
    for (int i = 1; i <= kCommentLines; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(ElementName("Text1", i));
        box->setMinimumWidth(300);
        connect(box, &QLineEdit::textChanged, this, [this] {
            label4_->setText(" ");
            changed_ = true;
        });
        text1_[i] = box;
        // Two columns of ten lines.
        const int row = (i - 1) % 10, column = (i - 1) / 10;
        auto* number = new QLabel(QString::number(i), this);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lines->addWidget(number, row, 2 * column);
        lines->addWidget(box, row, 2 * column + 1);
    }

    fileTxt_ = new QLineEdit(this);
    fileTxt_->setObjectName("FileTxt");
    fileTxt_->setToolTip("Name for this comment file");
    label4_ = new QLabel(" ", this);
    label4_->setObjectName("Label4");
    label4_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Room for the two lines of the saved notice.
    label4_->setMinimumHeight(2 * label4_->fontMetrics().lineSpacing() + 4);
    check1_ = NewCheck("Check1", "Set as Comment Option choice", this);
    check1_->setEnabled(false);
    connect(check1_, &QCheckBox::clicked, this, &FrmCustom::Check1_Click);

    const char* captions[] = {"New", "Open", "Save"};
    const char* tips[] = {"Write a new comment file", "Open a comment file",
                          "Don't forget to save!"};
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* b = NewButton(ElementName("Command3", i), captions[i], this);
        b->setToolTip(tips[i]);
        connect(b, &QPushButton::clicked, this, [this, i] { GetGoing_Click(i); });
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto* command1 = NewButton("Command1", "Return", this);
    connect(command1, &QPushButton::clicked, this, &FrmCustom::Command1_Click);
    buttons->addWidget(command1);

    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel("Custom file name:", this));
    name->addWidget(fileTxt_, 1);
    name->addWidget(check1_);

    auto* all = new QVBoxLayout(this);
    all->setMenuBar(menus);
    all->addWidget(label1);
    all->addLayout(lines);
    all->addLayout(name);
    all->addWidget(label4_);
    all->addLayout(buttons);

    // The one comment file there is, when it is the one the game started with, opens at once.
    const std::string folder = CommentFolder(app);
    const auto files = ListFiles(folder, ".cmt");
    if (files.size() == 1 && files.front() == kCustomFile) {
        if (auto loaded = ReadCommentFile(JoinPath(folder, kCustomFile))) {
            ShowLines(*loaded);
            fileTxt_->setText(kCustomFile);
        }
    }
    changed_ = false;
}

CommentLines FrmCustom::Lines() const {
    CommentLines lines;
    for (int i = 1; i <= kCommentLines; ++i) lines[i] = text1_[i]->text().toStdString();
    return lines;
}

void FrmCustom::ShowLines(const CommentLines& lines) {
    for (int i = 1; i <= kCommentLines; ++i) text1_[i]->setText(QString::fromStdString(lines[i]));
}

void FrmCustom::GetGoing_Click(int index) {
    switch (index) {
        case 0:
            return NewFile();
        case 1:
            return OpenFile();
        case 2:
            return SaveFile();
        case 3:
            close();
            return;
        default:
            return;
    }
}

void FrmCustom::NewFile() {
    check1_->setEnabled(false);
    ShowLines(NewCommentLines());
    fileTxt_->setText("filename");
    fileTxt_->setFocus();
    fileTxt_->selectAll();
    changed_ = false;
}

void FrmCustom::OpenFile() {
    const std::string folder = CommentFolder(parts_.g.AppFolder);
    const std::string path = parts_.chooseOpen(folder);
    // Cancelling the chooser changes nothing.
    if (path.empty()) return;
    if (!InCommentFolder(parts_.g.AppFolder, path)) {
        if (parts_.dialogs)
            parts_.dialogs->MsgBox(kOutsideUsersText, mb::Exclamation, "Custom Comments");
        return;
    }
    check1_->setEnabled(false);
    const auto lines = ReadCommentFile(path);
    if (!lines) return Problem("The comment file " + path + " cannot be read.");
    const std::string fileName = std::filesystem::path(path).filename().string();
    fileTxt_->setText(QString::fromStdString(CommentFileTitle(fileName)));
    ShowLines(*lines);
    changed_ = false;
    check1_->setEnabled(true);
}

void FrmCustom::SaveFile() {
    check1_->setEnabled(false);
    label4_->setText(" ");
    for (int i = 1; i <= kCommentLines; ++i) SetBackground(text1_[i], Qt::white);
    const CommentLines lines = Lines();
    const CommentSaveCheck check = CheckCommentSave(lines, fileTxt_->text().toStdString());
    switch (check.result) {
        case CommentSaveCheck::LineTooLong:
        case CommentSaveCheck::LetterNotKept:
            SetBackground(text1_[check.line], QColor(0xFF, 0xFF, 0x00));
            text1_[check.line]->setFocus();
            label4_->setText(check.result == CommentSaveCheck::LineTooLong ? kLineTooLongText
                                                                           : kLetterNotKeptText);
            if (parts_.sounds) parts_.sounds->Beep();
            return;
        case CommentSaveCheck::NoComments:
            if (parts_.dialogs)
                parts_.dialogs->MsgBox(kNoCommentsText, mb::Information, "Custom Comments");
            text1_[1]->setFocus();
            return;
        case CommentSaveCheck::NoName:
            if (parts_.dialogs)
                parts_.dialogs->MsgBox(kNoNameText, mb::Information, "Custom Comments");
            fileTxt_->setFocus();
            return;
        case CommentSaveCheck::Ok:
            break;
    }
    // The profile keeps the name of the comment file in use, one byte a letter.
    if (BadLetters(check.name, kCommentNameLetters, *parts_.dialogs)) {
        fileTxt_->setFocus();
        return;
    }
    const std::string folder = CommentFolder(parts_.g.AppFolder);
    std::string path = parts_.chooseSave(folder, check.name + ".cmt");
    if (path.empty()) return;
    if (!InCommentFolder(parts_.g.AppFolder, path)) {
        if (parts_.dialogs)
            parts_.dialogs->MsgBox(kOutsideUsersText, mb::Exclamation, "Custom Comments");
        return;
    }
    std::string fileName = std::filesystem::path(path).filename().string();
    if (CommentFileTitle(fileName) == fileName) {
        fileName += ".cmt";
        path += ".cmt";
    }
    if (BadLetters(fileName, kCommentNameLetters, *parts_.dialogs)) return;
    std::string error;
    if (!WriteCommentFile(path, lines, &error))
        return Problem("The comment file could not be written: " + error);
    fileTxt_->setText(QString::fromStdString(fileName.substr(0, fileName.size() - 4)));
    if (fileTxt_->text().toStdString() == parts_.g.Opp[1].CommentFile) UseCommentsNow();
    if (parts_.commentFilesChanged) parts_.commentFilesChanged();
    if (parts_.g.SoundMode != 2 && parts_.sounds)
        parts_.sounds->PlaySound(parts_.g.CompSounds[12], false);
    label4_->setText("\nCustom Comments Saved!");
    check1_->setEnabled(true);
    changed_ = false;
}

void FrmCustom::Problem(const std::string& what) {
    if (parts_.dialogs)
        parts_.dialogs->MsgBox("Here's the problem:\n" + what, mb::Critical, "Custom Comments");
}

void FrmCustom::Check1_Click(bool ticked) {
    if (!ticked) return;
    parts_.g.Opp[1].CommentFile = fileTxt_->text().toStdString();
    UseCommentsNow();
}

void FrmCustom::UseCommentsNow() {
    const CommentLines lines = Lines();
    std::string error;
    if (!::UseCommentsNow(parts_.g, parts_.profile, lines, PrefsFilePath(parts_.g.AppFolder),
                          &error))
        Problem(error);
    if (parts_.g.NetConnected != 0 && parts_.chatPhrase)
        for (int i = 1; i <= kCommentLines; ++i) parts_.chatPhrase(i, Trim(lines[i]));
}

void FrmCustom::Command1_Click() {
    close();
}

bool FrmCustom::MayLeave() {
    if (!changed_ || !parts_.dialogs) return true;
    if (parts_.dialogs->MsgBox("Do you want to save your changes?", mb::YesNo, "Custom Comments") !=
        mb::Yes)
        return true;
    // The save runs and the window stays, so the player sees how it went.
    GetGoing_Click(2);
    return false;
}

void FrmCustom::reject() {
    if (MayLeave()) QDialog::reject();
}
