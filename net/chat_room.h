#pragma once
// The chat window without its window: the input line with its emoticon, the sound and emoticon
// lists, the canned phrases, sending a line with its local echo, the history and the log. The
// window shows what this holds after each call; received lines come in through ShowLine.
#include <array>
#include <string>
#include <vector>

#include "net/chat_history.h"
#include "net/chat_log.h"
#include "net/chat_seq.h"
#include "net/chat_sound_sets.h"
#include "platform/dialogs.h"
#include "platform/sounds.h"

// What the chat reads of the Internet game each time it needs it.
struct ChatContext {
    std::string playerName;
    std::string opponentName;  // the first opponent's name
    std::string peerVersion;   // "" until the peer's hello has come
    int netConnected = 0;      // 0 no game, 99 waiting for a peer, else the peers connected
};
inline constexpr int kNetWaiting = 99;

// What the chat window asks of the rest of the program.
class ChatLink {
  public:
    virtual ~ChatLink() = default;
    virtual ChatContext Context() const = 0;
    // Sends a chat line (as the wire carries it) to the peers: a remote to its host, the host
    // to every remote. False when it reached none of them.
    virtual bool SendChat(const std::string& line) = 0;
    // The avatar slap on the main window.
    virtual void AvatarSlap() = 0;
};

// The canned phrases 1-20 of the chat's buttons: the player's own comment file when the
// player's seat names one that can be read, else the first opponent's comment lines.
using CannedPhrases = std::array<std::string, 21>;
CannedPhrases ChatPhrases(const std::string& appFolder, const std::string& seatComments,
                          const CannedPhrases& opponentLines);

class ChatRoom {
  public:
    struct ListEntry {
        std::string name;  // as listed
        std::string file;  // the file it stands for ("" for the first and last entries)
    };

    ChatRoom(std::string appFolder, ChatLink& link, Sounds& sounds, Dialogs& dialogs, ChatSeq& seq);

    // The window opens: its phrases, the sound sets of the opponents, and both lists.
    void Load(const CannedPhrases& phrases, ChatSoundSet& soundSets,
              const std::array<std::string, 3>& opponents);

    // The player saved other comment lines for the chat's buttons (Internet Players Setup).
    void SetPhrases(const CannedPhrases& phrases) { phrases_ = phrases; }

    // The lists: "-Select Sound:" / "-Select Icon:" first, "(refresh)" last.
    void FillSoundList();
    void FillIconList();
    const std::vector<ListEntry>& soundList() const { return soundList_; }
    const std::vector<ListEntry>& iconList() const { return iconList_; }
    void ShowSoundList();
    void ShowIconList();
    void InputClicked() { soundListOpen_ = false; }
    bool soundListOpen() const { return soundListOpen_; }
    bool iconListOpen() const { return iconListOpen_; }
    void SoundChosen(int index);
    void IconChosen(int index);

    // The canned-phrase button `index` (1-20).
    void PhraseClicked(int index);
    const CannedPhrases& phrases() const { return phrases_; }

    // The input line as the player types it.
    void SetInput(std::string text) { input_ = std::move(text); }
    const std::string& input() const { return input_; }
    // Backspace in an empty input line takes the emoticon away.
    void BackspaceInEmptyInput();
    // The emoticon shown beside the input line ("" none), and its picture.
    const std::string& emoticon() const { return emoticon_; }
    std::string EmoticonPicture() const;
    // The folder the emoticon list's pictures are in.
    std::string EmoticonFolder() const;
    void RemoveEmoticon() { emoticon_.clear(); }

    // The send button.
    void Send();
    // The window should close: there was nobody to send to.
    bool closeRequested() const { return closeRequested_; }

    // A line from the chat-line layer (or a notice): shown and logged.
    void ShowLine(const std::string& line);
    // Replaces the whole history.
    void SetHistory(const std::string& text) { history_.Set(text); }
    const ChatHistory& history() const { return history_; }

    // The title strip's pop-up: "Start Logging" with the date and time as the player's
    // system writes them, and "Stop Logging".
    void StartLogging(const std::string& stamp);
    void StopLogging();
    bool logging() const { return log_.on(); }
    // The window unloads: the log is closed.
    void Unload() { log_.Stop(); }

  private:
    // The entry chosen in a list, or nothing for its heading and for "(refresh)".
    const ListEntry* Choose(std::vector<ListEntry>& list, int index, void (ChatRoom::*fill)(),
                            bool& open);
    void Show(const std::string& line);
    void PlayFromSounds(const std::string& file);
    std::vector<std::string> SoundFiles() const;
    std::vector<std::string> IconNames() const;

    std::string app_;
    ChatLink& link_;
    Sounds& player_;
    Dialogs& dialogs_;
    ChatSeq& seq_;

    CannedPhrases phrases_{};
    std::vector<ListEntry> soundList_, iconList_;
    bool soundListOpen_ = false, iconListOpen_ = false;
    std::string input_;
    std::string emoticon_;
    std::string soundFile_;
    bool closeRequested_ = false;
    ChatHistory history_;
    ChatLog log_;
};
