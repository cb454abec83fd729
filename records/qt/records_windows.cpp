#include "records/qt/records_windows.h"

#include <QDateTime>
#include <QFileDialog>
#include <QInputDialog>
#include <QLocale>
#include <QWidget>

#include "platform/file_util.h"
#include "platform/vb_strings.h"
#include "records/qt/frm_about.h"
#include "records/qt/frm_custom.h"
#include "records/qt/frm_save.h"
#include "records/qt/frm_score_stat.h"
#include "records/qt/frm_tip.h"
#include "records/qt/frm_tutorial.h"

namespace {

// A window that stays open: shown again (and raised) when it is already there.
template <class Window>
bool Raise(const QPointer<Window>& w) {
    if (!w) return false;
    w->show();
    w->raise();
    w->activateWindow();
    return true;
}

}  // namespace

RecordsWindows::RecordsWindows(RecordsWindowsParts parts) : p_(std::move(parts)) {}

RecordsWindows::~RecordsWindows() {
    // The windows are children of the main window, which deletes them; a tutorial still on
    // leaves the game out of tutorial mode.
    if (tutorial_ && tutorial_->running()) p_.g.TutorialOn = VbFalse;
}

// --- Saved games --------------------------------------------------------------------------

SavedGamesParts RecordsWindows::SavedGames() {
    SavedGamesParts s{p_.g, p_.records, p_.sv, {}, {}, {}, {}};
    const QDateTime now = QDateTime::currentDateTime();
    s.dateText = QLocale().toString(now.date(), QLocale::ShortFormat).toStdString();
    s.timeText = now.time().toString("hh:mm").toStdString();
    s.showDialog = [this](const SaveDialogState& state, const SaveContext& context) {
        SaveParts parts;
        parts.dialogs = p_.sv.dialogs;
        parts.sounds = p_.sv.sounds;
        parts.readRecord = [this](int slot) {
            GameStateRecord rec;
            p_.records.ReadRecordAt(SnapshotFile::SavedGames, slot, rec);
            return rec;
        };
        parts.moveHistory = [this](bool on, std::string* error) {
            if (on) return p_.g.TempMovesOpen != VbFalse || p_.records.TempMovesFile(true, error);
            return p_.records.TempMovesFile(false);
        };
        parts.autoSaveNow = [this] {
            p_.g.MoveCounter = 1;
            p_.records.AutoSave();
        };
        parts.gameOn = p_.g.Pturn != 0;
        return FrmSave::Run(state, context, std::move(parts), p_.window);
    };
    s.askTurnCount = [this]() -> std::optional<int> {
        bool ok = false;
        const int n =
            QInputDialog::getInt(p_.window, "Previous Turn", "TurnCount 1 or 2?", 1, 1, 2, 1, &ok);
        return ok ? std::optional<int>(n) : std::nullopt;
    };
    return s;
}

bool RecordsWindows::SaveGame() {
    SavedGamesParts s = SavedGames();
    return SaveGameCommand(s);
}

RestoreOutcome RecordsWindows::RestoreGame() {
    SavedGamesParts s = SavedGames();
    return RestoreGameCommand(s);
}

// --- Scores, comments, tips, about --------------------------------------------------------

void RecordsWindows::ShowScores(int statsMode) {
    FrmScoreStat scores({p_.g, p_.profile, p_.sv.dialogs, p_.sv.sounds, statsMode}, p_.window);
    scores.exec();
}

void RecordsWindows::ShowCustomComments() {
    if (Raise(custom_)) return;
    CustomParts parts{p_.g, p_.profile, p_.sv.dialogs, p_.sv.sounds};
    QWidget* parent = p_.window;
    parts.chooseOpen = [parent](const std::string& folder) {
        return QFileDialog::getOpenFileName(parent, "Open a comment file",
                                            QString::fromStdString(folder), "Comment Files (*.cmt)")
            .toStdString();
    };
    parts.chooseSave = [parent](const std::string& folder, const std::string& name) {
        return QFileDialog::getSaveFileName(parent, "Save the comment file",
                                            QString::fromStdString(JoinPath(folder, name)),
                                            "Comment Files (*.cmt)")
            .toStdString();
    };
    parts.commentFilesChanged = p_.commentFilesChanged;
    if (p_.showHelp) parts.showHelp = [this] { p_.showHelp("customize"); };
    custom_ = new FrmCustom(std::move(parts), p_.window);
    custom_->setAttribute(Qt::WA_DeleteOnClose);
    custom_->show();
}

void RecordsWindows::ShowTips(bool showAtStartup) {
    if (Raise(tips_)) return;
    TipParts parts{p_.g.AppFolder, p_.sv.settings, showAtStartup, {}};
    if (p_.showHelp) parts.showHelp = [this] { p_.showHelp(""); };
    tips_ = new FrmTip(std::move(parts), p_.window);
    tips_->setAttribute(Qt::WA_DeleteOnClose);
    tips_->show();
}

void RecordsWindows::ShowAbout() {
    FrmAbout about(
        {p_.g.AppFolder, p_.versionMajor, p_.versionMinor, p_.versionRevision, p_.sv.sounds},
        p_.window);
    about.exec();
}

// --- The tutorial -------------------------------------------------------------------------

void RecordsWindows::ShowTutorial() {
    if (tutorial_ && tutorial_->running()) {
        Raise(tutorial_);
        return;
    }
    // A finished tutorial's window is no longer in any handler: it goes, a new one starts.
    if (tutorial_) tutorial_->deleteLater();
    TutorialParts parts{p_.g, p_.records, p_.sv};
    parts.layout = p_.layout;
    parts.tableChanged = p_.repaintTable;
    parts.looks = p_.looks;
    parts.stagedFolder = p_.stagedFolder;
    parts.keyCommand = p_.keyCommand;
    tutorial_ = new FrmTutorial(std::move(parts), p_.window);
    tutorial_->show();
    if (!tutorial_->Start()) tutorial_->hide();
}

bool RecordsWindows::TutorialOn() const {
    return tutorial_ && tutorial_->running();
}

TutorialAsk RecordsWindows::Asked() const {
    return TutorialOn() ? tutorial_->flow().Asked() : TutorialAsk{};
}

void RecordsWindows::TutorialTurnStarting() {
    if (tutorial_) tutorial_->TurnStarting();
}

void RecordsWindows::TutorialTurnOver() {
    if (tutorial_) tutorial_->TurnOver();
}

void RecordsWindows::TutorialCardPlayed() {
    if (tutorial_) tutorial_->CardPlayed();
}
