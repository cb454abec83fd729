#include "tests/support/headless_services.h"

int ScriptedDialogs::MsgBox(const std::string& text, int style, const std::string& title) {
    ++asked;
    lastText = text;
    lastTitle = title;
    int answer = fallback;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    log_.Add("MsgBox [" + title + "] " + text + " (" + std::to_string(style) + ") -> " +
             std::to_string(answer));
    return answer;
}

namespace {
template <class T>
std::optional<T> Next(std::deque<std::optional<T>>& answers) {
    if (answers.empty()) return std::nullopt;
    std::optional<T> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

std::string Shown(const std::optional<std::string>& answer) {
    return answer ? "\"" + *answer + "\"" : std::string("cancel");
}
}  // namespace

std::optional<std::string> ScriptedDialogs::InputBox(const std::string& prompt,
                                                     const std::string& title,
                                                     const std::string& defaultText) {
    std::optional<std::string> answer = Next(inputs);
    log_.Add("InputBox [" + title + "] " + prompt + " (" + defaultText + ") -> " + Shown(answer));
    return answer;
}

std::optional<std::string> ScriptedDialogs::Chosen(const char* kind,
                                                   std::deque<std::optional<std::string>>& script,
                                                   const std::string& title,
                                                   const std::string& folder,
                                                   const std::string& filter) {
    std::optional<std::string> answer = Next(script);
    log_.Add(std::string(kind) + " [" + title + "] " + folder + " " + filter + " -> " +
             Shown(answer));
    return answer;
}

std::optional<std::string> ScriptedDialogs::ChooseOpenFile(const std::string& title,
                                                           const std::string& folder,
                                                           const std::string& filter) {
    return Chosen("ChooseOpenFile", openFiles, title, folder, filter);
}

std::optional<i32> ScriptedDialogs::ChooseColor(i32 initial) {
    std::optional<i32> answer = Next(colors);
    log_.Add("ChooseColor " + std::to_string(initial) + " -> " +
             (answer ? std::to_string(*answer) : std::string("cancel")));
    return answer;
}

void RecordingSounds::PlaySound(const std::string& path, bool wait) {
    ++played;
    log_.Add(std::string(wait ? "PlaySoundSync " : "PlaySound ") + path);
}

namespace {
std::string Box(PileRow row, int index) {
    return std::to_string(static_cast<int>(row)) + "," + std::to_string(index);
}
}  // namespace

void RecordingBoard::ShowCard(PileRow row, int index, i16 cardId, int kind) {
    if (!log_.enabled) return;
    log_.Add("ShowCard " + Box(row, index) + " " + std::to_string(cardId) + " kind " +
             std::to_string(kind));
}

void RecordingBoard::HideCard(PileRow row, int index) {
    if (log_.enabled) log_.Add("HideCard " + Box(row, index));
}

void RecordingBoard::MoveCardAnim(PileRow fromRow, int fromIdx, PileRow toRow, int toIdx) {
    if (log_.enabled)
        log_.Add("MoveCardAnim " + Box(fromRow, fromIdx) + " -> " + Box(toRow, toIdx));
}

void RecordingBoard::EnableHumanPiles(bool flag, int fromPile, int toPile) {
    log_.Add("EnableHumanPiles " + std::to_string(flag) + " " + std::to_string(fromPile) + "-" +
             std::to_string(toPile));
}

void RecordingBoard::EnablePlayerPiles(bool flag) {
    log_.Add("EnablePlayerPiles " + std::to_string(flag));
}

void RecordingBoard::EnableItem(PileRow row, int index) {
    log_.Add("EnableItem " + Box(row, index));
}

void RecordingBoard::SetMessage(int index, const std::string& text) {
    if (index >= 0 && index < 5) messages[index] = text;
    log_.Add("Label9(" + std::to_string(index) + ") " + text);
}

void RecordingBoard::SetupLayout(int oldPlayers, int oldCenters) {
    log_.Add("SetupLayout " + std::to_string(oldPlayers) + "," + std::to_string(oldCenters));
}

void RecordingNet::SendNet(int socket, const std::string& line) {
    sent.emplace_back(socket, line);
    log_.Add("SendNet " + std::to_string(socket) + " " + line);
}

void RecordingNet::SendNetAll(int exceptSocket, const std::string& line) {
    sent.emplace_back(-exceptSocket, line);
    log_.Add("SendNetAll " + std::to_string(exceptSocket) + " " + line);
}

bool RecordingNet::WaitNet(int index) {
    log_.Add("WaitNet " + std::to_string(index));
    if (replies.empty()) return false;
    auto reply = std::move(replies.front());
    replies.pop_front();
    reply();
    return true;
}

HeadlessServices::HeadlessServices(Game& g) : pauser(clock, pump, g.StopFlag, g.FlipInProgress) {
    services.dialogs = &dialogs;
    services.sounds = &sounds;
    services.board = &board;
    services.status = &status;
    services.net = &net;
    services.records = &records;
    services.settings = &settings;
    services.pauser = &pauser;
    services.turns = &turns;
    services.window = &window;
    services.dialogHost = &dialogHost;
}
