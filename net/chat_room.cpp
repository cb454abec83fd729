#include "net/chat_room.h"

#include <algorithm>

#include "net/chat_compose.h"
#include "net/name_compare.h"
#include "net/wire_format.h"
#include "platform/file_util.h"
#include "platform/vb_strings.h"
#include "records/comment_file.h"
#include "records/folder_lists.h"

namespace {

constexpr const char* kSelectSound = "-Select Sound:";
constexpr const char* kSelectIcon = "-Select Icon:";
constexpr const char* kRefresh = "(refresh)";
constexpr const char* kLogTitle = "Chat Logging";

// The files of `folder` with one of the extensions, listed without it, between `first` and
// "(refresh)".
std::vector<ChatRoom::ListEntry> ListWithHeads(const std::string& folder,
                                               std::initializer_list<const char*> extensions,
                                               const char* first) {
    std::vector<std::string> files = ListFolder(folder, extensions, true);
    std::vector<ChatRoom::ListEntry> list{{first, ""}};
    for (size_t i = 1; i < files.size(); ++i)
        list.push_back({files[i].substr(0, files[i].size() - 4), files[i]});
    list.push_back({kRefresh, ""});
    return list;
}

}  // namespace

CannedPhrases ChatPhrases(const std::string& appFolder, const std::string& seatComments,
                          const CannedPhrases& opponentLines) {
    const std::string set = Trim(seatComments);
    if (set.empty() || set == "Default Personality" || set == "No Comments") return opponentLines;
    auto lines = ReadCommentFile(JoinPath(CommentFolder(appFolder), set + ".cmt"));
    if (!lines) return opponentLines;
    CannedPhrases phrases{};
    for (int i = 1; i <= kCommentLines; ++i) phrases[i] = (*lines)[i];
    return phrases;
}

ChatRoom::ChatRoom(std::string appFolder, ChatLink& link, Sounds& sounds, Dialogs& dialogs,
                   ChatSeq& seq)
    : app_(std::move(appFolder)), link_(link), player_(sounds), dialogs_(dialogs), seq_(seq) {}

void ChatRoom::Load(const CannedPhrases& phrases, ChatSoundSet& soundSets,
                    const std::array<std::string, 3>& opponents) {
    phrases_ = phrases;
    for (int k = 1; k <= kMaxSoundSets; ++k) {
        const std::string& name = opponents[static_cast<size_t>(k - 1)];
        soundSets[k] = name == "Brivo" ? "" : name;
    }
    FillSoundList();
    FillIconList();
}

void ChatRoom::FillSoundList() {
    soundList_ = ListWithHeads(JoinPath(app_, "Sounds"), {"WAV", "PMW"}, kSelectSound);
}

void ChatRoom::FillIconList() {
    // An emoticon travels by name and is always shown from its ".gif" picture, here and on
    // the peer's machine, so only those are offered.
    iconList_ = ListWithHeads(JoinPath(app_, "Icons"), {"GIF"}, kSelectIcon);
}

void ChatRoom::ShowSoundList() {
    iconListOpen_ = false;
    soundListOpen_ = true;
}

void ChatRoom::ShowIconList() {
    soundListOpen_ = false;
    iconListOpen_ = true;
}

void ChatRoom::PhraseClicked(int index) {
    soundListOpen_ = iconListOpen_ = false;
    if (index >= 1 && index <= 20) input_ = phrases_[static_cast<size_t>(index)];
}

const ChatRoom::ListEntry* ChatRoom::Choose(std::vector<ListEntry>& list, int index,
                                            void (ChatRoom::*fill)(), bool& open) {
    open = false;
    if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
    if (index + 1 == static_cast<int>(list.size())) {
        // "(refresh)": the list is read again and stays open to choose from.
        (this->*fill)();
        open = true;
        return nullptr;
    }
    return index == 0 ? nullptr : &list[static_cast<size_t>(index)];
}

void ChatRoom::SoundChosen(int index) {
    emoticon_.clear();
    const ListEntry* chosen = Choose(soundList_, index, &ChatRoom::FillSoundList, soundListOpen_);
    if (!chosen) return;
    soundFile_ = chosen->file;
    const bool slap = SameName(chosen->name, "SLAP");
    input_ = slap ? "<SLAP>" : "WAV " + chosen->name;
    if (slap) PlayFromSounds("slap.wav");
    if (link_.Context().netConnected == kNetWaiting) {
        if (!slap) PlayFromSounds(soundFile_);
        return;
    }
    Send();
}

void ChatRoom::IconChosen(int index) {
    const ListEntry* chosen = Choose(iconList_, index, &ChatRoom::FillIconList, iconListOpen_);
    if (!chosen) return;
    emoticon_ = chosen->name;
    const ChatContext c = link_.Context();
    if (c.netConnected != 0 && c.netConnected != kNetWaiting && c.peerVersion < "81")
        history_.Add(">>> " + c.opponentName +
                     " can't see the picture you are sending. Feature only works with v.8.2+");
}

std::string ChatRoom::EmoticonPicture() const {
    return emoticon_.empty() ? "" : JoinPath(app_, "Icons/" + emoticon_ + ".gif");
}

std::string ChatRoom::EmoticonFolder() const {
    return JoinPath(app_, "Icons");
}

void ChatRoom::BackspaceInEmptyInput() {
    if (input_.empty()) emoticon_.clear();
}

std::vector<std::string> ChatRoom::SoundFiles() const {
    std::vector<std::string> files;
    for (const ListEntry& e : soundList_)
        if (!e.file.empty()) files.push_back(e.file);
    return files;
}

std::vector<std::string> ChatRoom::IconNames() const {
    std::vector<std::string> names;
    for (const ListEntry& e : iconList_)
        if (!e.file.empty()) names.push_back(e.name);
    return names;
}

void ChatRoom::Send() {
    const ChatContext c = link_.Context();
    ChatDraft draft{input_,         emoticon_,     soundFile_,   c.playerName,
                    c.opponentName, c.peerVersion, SoundFiles(), IconNames()};
    const ComposedChat chat = ComposeChat(draft);
    if (chat.empty) return;
    const i16 seq = seq_.Next();
    const bool sent = link_.SendChat(net::ChatLine(seq, chat.text));
    if (c.netConnected == 0) {
        closeRequested_ = true;
        return;
    }
    if (!sent) {
        // Nothing is lost: the line stays in the input line to be sent again.
        Show(">>> Not sent (no connection): " + Trim(draft.input));
        return;
    }
    if (chat.kind == ComposedChat::Echo::Sound) PlayFromSounds(chat.soundFile);
    if (chat.kind == ComposedChat::Echo::Smack) link_.AvatarSlap();
    emoticon_.clear();
    Show(chat.echo);
    input_.clear();
}

void ChatRoom::ShowLine(const std::string& line) {
    Show(line);
}

void ChatRoom::Show(const std::string& line) {
    log_.Write(line);
    history_.Add(line);
}

void ChatRoom::PlayFromSounds(const std::string& file) {
    player_.PlaySound(JoinPath(app_, "Sounds/" + file), false);
}

void ChatRoom::StartLogging(const std::string& stamp) {
    const ChatContext c = link_.Context();
    if (c.netConnected == kNetWaiting) {
        dialogs_.MsgBox(
            "Please wait until you are connected to your opponent, then start the chat logging.",
            mb::OkOnly | mb::Information, kLogTitle);
        return;
    }
    std::string error;
    if (!log_.Start(app_, c.opponentName, stamp, &error)) {
        dialogs_.MsgBox("The chat log could not be opened:\n" + error, mb::OkOnly | mb::Exclamation,
                        kLogTitle);
        return;
    }
    dialogs_.MsgBox("Logging Started", mb::OkOnly | mb::Information, kLogTitle);
}

void ChatRoom::StopLogging() {
    if (!log_.on()) {
        dialogs_.MsgBox("Logging wasn't on.", mb::OkOnly | mb::Information, kLogTitle);
        return;
    }
    log_.Stop();
    dialogs_.MsgBox("Logging Stopped", mb::OkOnly | mb::Information, kLogTitle);
}
