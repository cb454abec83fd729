#pragma once
// The chat window of an Internet game: a small borderless window that stays on top of the table,
// with the history, the input line and its emoticon, twenty canned-phrase buttons, the sound and
// emoticon lists, font and size buttons, the pin that keeps it on top, and the title strip that
// drags it and switches the chat log on and off. Peer text is only ever shown as plain text.
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "net/chat_room.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

struct ChatWindowParts {
    std::string appFolder;
    ChatLink& link;
    Sounds& sounds;
    Dialogs& dialogs;
    ChatSeq& seq;
    ChatSoundSet& soundSets;
    CannedPhrases phrases{};
    std::array<std::string, 3> opponents{};  // the three opponents' names
    bool wood = true;                        // the dialogs' skin
};

class FrmChat : public QWidget {
    Q_OBJECT
  public:
    explicit FrmChat(ChatWindowParts parts, QWidget* parent = nullptr);
    ~FrmChat() override;

    ChatRoom& room() { return room_; }
    // A line from the chat-line layer: shown in the history (and the log).
    void ShowLine(const std::string& line);
    // A web address from a peer, offered under the history to be opened with a click; it is
    // never opened by itself.
    void OfferLink(const std::string& url);
    // Replaces the history (the host's own address is shown this way).
    void SetHistory(const std::string& text);
    // Keeps the window above every other window, or makes it an ordinary one brought to the
    // front (the key dispatcher's Page Up does that).
    void OnTop(bool isTop);
    // The canned phrases of the buttons replaced, their tool tips with them.
    void SetPhrases(const CannedPhrases& phrases);
    // Shows what the chat holds now.
    void Refresh();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Build();
    void ShowPhrases();
    void PlaceLists();
    void ChangeFont(int points);
    void ToggleSize();
    void LogMenu(const QPoint& at);
    void Drag();

    ChatRoom room_;
    bool wood_;
    bool onTop_ = true;
    bool small_ = false;
    QLabel* label1_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLabel* imgIcon_ = nullptr;
    QWidget* picture1_ = nullptr;
    QListWidget* lstWavs_ = nullptr;
    QListWidget* lstIcons_ = nullptr;
    QPushButton* cmdShowSounds_ = nullptr;
    QPushButton* cmdIcon_ = nullptr;
    QPushButton* cmdOnTop_ = nullptr;
    QWidget* linkBar_ = nullptr;
    QLabel* lblLink_ = nullptr;
    std::array<QPushButton*, 21> cmdChat_{};
    std::string shownHistory_;
};
