#include "tests/app_machine/machine_setup.h"

#include <cstdlib>
#include <map>

namespace {

// The numbers of the setup by their argument names.
std::map<std::string, int MachineSetup::*> Numbers() {
    return {{"players", &MachineSetup::players},   {"port", &MachineSetup::port},
            {"save", &MachineSetup::saveAt},       {"send", &MachineSetup::sendAt},
            {"sendgame", &MachineSetup::sendGame}, {"restart", &MachineSetup::restartAt},
            {"end", &MachineSetup::endAt},         {"games", &MachineSetup::games},
            {"close", &MachineSetup::closeAt},     {"endwait", &MachineSetup::endOnWait},
            {"leave", &MachineSetup::leaveIfCut},  {"side", &MachineSetup::side},
            {"seed", &MachineSetup::seed},         {"local", &MachineSetup::localAfter},
            {"think", &MachineSetup::think},       {"early", &MachineSetup::early}};
}

}  // namespace

std::vector<std::string> MachineArgs(const MachineSetup& s) {
    std::vector<std::string> args{"host=" + std::to_string(s.host ? 1 : 0), "name=" + s.name,
                                  "folder=" + s.folder, "competition=" + s.competition,
                                  "hold=" + s.hold};
    for (const auto& [key, field] : Numbers()) args.push_back(key + "=" + std::to_string(s.*field));
    return args;
}

std::optional<MachineSetup> MachineFromArgs(const std::vector<std::string>& args) {
    MachineSetup s;
    const auto numbers = Numbers();
    for (const std::string& arg : args) {
        const size_t eq = arg.find('=');
        if (eq == std::string::npos) return std::nullopt;
        const std::string key = arg.substr(0, eq), value = arg.substr(eq + 1);
        if (key == "host")
            s.host = value == "1";
        else if (key == "name")
            s.name = value;
        else if (key == "folder")
            s.folder = value;
        else if (key == "competition")
            s.competition = value;
        else if (key == "hold")
            s.hold = value;
        else if (auto it = numbers.find(key); it != numbers.end())
            s.*(it->second) = std::atoi(value.c_str());
        else
            return std::nullopt;
    }
    return s;
}
