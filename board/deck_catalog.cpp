#include "board/deck_catalog.h"

#include <algorithm>
#include <filesystem>

#include "platform/file_util.h"
#include "platform/vb_strings.h"

namespace fs = std::filesystem;

std::vector<std::string> DefaultKdeDeckFolders() {
    return {"/usr/share/carddecks"};
}
std::vector<std::string> DefaultGnomeDeckFolders() {
    return {"/usr/share/aisleriot/cards"};
}

namespace {
std::vector<fs::path> SortedEntries(const std::string& folder) {
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        out.push_back(it->path());
    std::sort(out.begin(), out.end());
    return out;
}

// The value of `key=` in a KDE deck's index.desktop.
std::string DesktopValue(const std::string& text, const std::string& key) {
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = std::min(text.find('\n', pos), text.size());
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(key + "=", 0) == 0) return Trim(line.substr(key.size() + 1));
        pos = end + 1;
    }
    return "";
}

bool IsSvg(const fs::path& p) {
    const std::string ext = p.extension().string();
    return ext == ".svg" || ext == ".svgz";
}

void AddKdeDecks(const std::string& folder, std::vector<InstalledDeck>& out) {
    for (const fs::path& dir : SortedEntries(folder)) {
        const auto index = ReadWholeFile((dir / "index.desktop").string());
        if (!index) continue;
        const std::string svg = DesktopValue(*index, "SVG");
        // Only a plain file name inside the deck's own folder.
        if (svg.empty() || svg.find('/') != std::string::npos || !IsSvg(svg)) continue;
        if (!FileExists((dir / svg).string())) continue;
        std::string name = DesktopValue(*index, "Name");
        if (name.empty()) name = dir.filename().string();
        out.push_back({name, (dir / svg).string(), DeckNaming::Kde});
    }
}

void AddGnomeDecks(const std::string& folder, std::vector<InstalledDeck>& out) {
    for (const fs::path& file : SortedEntries(folder))
        if (IsSvg(file)) out.push_back({file.stem().string(), file.string(), DeckNaming::Gnome});
}
}  // namespace

std::vector<InstalledDeck> FindInstalledDecks(const std::vector<std::string>& kdeFolders,
                                              const std::vector<std::string>& gnomeFolders) {
    std::vector<InstalledDeck> out;
    for (const auto& f : kdeFolders) AddKdeDecks(f, out);
    for (const auto& f : gnomeFolders) AddGnomeDecks(f, out);
    return out;
}

std::string CardElementId(DeckNaming naming, int card) {
    static const char* const kSuits[] = {"club", "diamond", "heart", "spade"};
    static const char* const kCourt[] = {"jack", "queen", "king"};
    const int suit = (card - 1) / 13;
    const int rank = (card - 1) % 13 + 1;
    const std::string r = rank >= 11 ? kCourt[rank - 11] : std::to_string(rank);
    return naming == DeckNaming::Kde ? r + "_" + kSuits[suit] : std::string(kSuits[suit]) + "_" + r;
}

std::string BackElementId(DeckNaming) {
    return "back";
}

DeckChoice UsableDeckChoice(int faceDeck, int backStyle, int deckCount, int backCount) {
    DeckChoice c{faceDeck, backStyle};
    if (faceDeck < 0 || faceDeck >= 7 + deckCount) c.faceDeck = 6;
    if (backStyle < 0 || backStyle > backCount) c.backStyle = 0;
    return c;
}
