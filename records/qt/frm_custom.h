#pragma once
// "Custom Comments": the comment-file editor. Twenty lines that a computer opponent says in
// place of its personality's remarks, kept as "users/<name>.cmt"; New, Open and Save (from the
// File menu or the buttons), and a box that puts the file into use for the first opponent at
// once. Files are opened from and saved to the users folder only.
#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "engine/game.h"
#include "platform/dialogs.h"
#include "platform/sounds.h"
#include "records/comment_file.h"
#include "shared/profile_state.h"

class QCheckBox;
class QLabel;
class QLineEdit;

struct CustomParts {
    Game& g;
    ProfileState& profile;
    Dialogs* dialogs = nullptr;
    Sounds* sounds = nullptr;
    // File choosers in the users folder: the chosen path, empty when the player cancelled.
    std::function<std::string(const std::string& folder)> chooseOpen{};
    std::function<std::string(const std::string& folder, const std::string& name)> chooseSave{};
    // The comment files changed (a file was saved): the lists that offer them are made again.
    std::function<void()> commentFilesChanged{};
    // In an Internet game: canned chat phrase `i` (1-20) takes a line as its tool tip.
    std::function<void(int, const std::string&)> chatPhrase{};
    std::function<void()> showHelp{};
};

class FrmCustom : public QDialog {
    Q_OBJECT
  public:
    explicit FrmCustom(CustomParts parts, QWidget* parent = nullptr);

    // The file commands of the File menu and the buttons: 0 new, 1 open, 2 save, 3 exit.
    void GetGoing_Click(int index);
    void Command1_Click();
    void Check1_Click(bool ticked);
    void UseCommentsNow();

    bool changed() const { return changed_; }

  protected:
    // Return, the close box, Esc and Exit all ask about unsaved lines.
    void reject() override;

  private:
    // True when the window may close: nothing unsaved, or the player chose not to save it.
    bool MayLeave();

    void NewFile();
    void OpenFile();
    void SaveFile();
    CommentLines Lines() const;
    void ShowLines(const CommentLines& lines);
    void Problem(const std::string& what);

    CustomParts parts_;
    std::array<QLineEdit*, kCommentLines + 1> text1_{};
    QLineEdit* fileTxt_ = nullptr;
    QLabel* label4_ = nullptr;
    QCheckBox* check1_ = nullptr;
    bool changed_ = false;
};
