#include "net/chat_effects.h"

#include <algorithm>

#include "platform/file_util.h"

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

bool IsChatEffect(const net::Action& action) {
    using namespace net::act;
    return std::holds_alternative<ChatShown>(action) || std::holds_alternative<Label>(action) ||
           std::holds_alternative<DataSound>(action) || std::holds_alternative<PeerSound>(action) ||
           std::holds_alternative<Emoticon>(action) || std::holds_alternative<Slap>(action) ||
           std::holds_alternative<Link>(action) || std::holds_alternative<CardShow>(action) ||
           std::holds_alternative<PeekLabel>(action);
}

void ApplyChatEffects(const std::vector<net::Action>& actions, const std::string& appFolder,
                      bool silent, ChatEffectsTarget& target, Sounds& sounds) {
    using namespace net::act;
    auto play = [&](const std::string& rel) {
        if (!silent) sounds.PlaySound(JoinPath(appFolder, rel), false);
    };
    for (const net::Action& action : actions)
        std::visit(Overloaded{
                       [&](const ChatShown& a) { target.ShowChatLine(a.line); },
                       [&](const Label& a) { target.SetLabel(a.index, a.text); },
                       [&](const DataSound& a) { play("Data/~" + std::to_string(a.id) + ".tmp"); },
                       [&](const PeerSound& a) { play("Sounds/" + a.file); },
                       [&](const Emoticon& a) {
                           target.ShowEmoticon(
                               a.file.empty() ? "" : JoinPath(appFolder, "Icons/" + a.file));
                       },
                       [&](const Slap&) { target.AvatarSlap(); },
                       [&](const Link& a) { target.OfferLink(a.url); },
                       [&](const CardShow&) { target.CardShow(); },
                       [&](const PeekLabel& a) { target.ShowPeek(a.text); },
                       [](const auto&) {},
                   },
                   action);
}
