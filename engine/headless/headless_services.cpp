#include "engine/headless/headless_services.h"

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

void RecordingSounds::PlaySound(const std::string& path, bool wait) {
    ++played;
    log_.Add(std::string(wait ? "PlaySoundSync " : "PlaySound ") + path);
}

void RecordingBoard::ShowCard(PileRow row, int index, i16 cardId, CardKind kind) {
    if (!log_.enabled) return;
    log_.Add("ShowCard " + std::to_string(static_cast<int>(row)) + "," + std::to_string(index) +
             " " + std::to_string(cardId) + " kind " + std::to_string(static_cast<int>(kind)));
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
}
