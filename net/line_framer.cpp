#include "net/line_framer.h"

#include <algorithm>

namespace net {

bool LineFramer::Feed(std::string_view bytes, std::vector<std::string>& lines) {
    if (broken_) return false;
    size_t start = 0;
    for (size_t lf = bytes.find('\n'); lf != std::string_view::npos; lf = bytes.find('\n', start)) {
        std::string_view piece = bytes.substr(start, lf - start);
        start = lf + 1;
        if (partial_.size() + piece.size() > kMaxLine) {
            broken_ = true;
            partial_.clear();
            return false;
        }
        std::string line = std::move(partial_);
        partial_.clear();
        line.append(piece);
        while (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    const std::string_view rest = bytes.substr(start);
    if (partial_.size() + rest.size() > kMaxLine) {
        broken_ = true;
        partial_.clear();
        return false;
    }
    partial_.append(rest);
    return true;
}

void LineFramer::Clear() {
    partial_.clear();
    broken_ = false;
}

Inbox::Peer* Inbox::PeerAt(int peer) {
    return peer >= 0 && peer < kPeers ? &peers_[peer] : nullptr;
}

bool Inbox::Feed(int peer, std::string_view bytes) {
    Peer* p = PeerAt(peer);
    if (!p || p->broken) return false;
    cut_.clear();
    bool ok = p->framer.Feed(bytes, cut_);
    size_t added = 0;
    for (const auto& line : cut_) added += line.size() + 1;
    if (ok && p->queued + added + p->framer.Held() > kMaxHeld) ok = false;
    if (!ok) {
        Drop(peer);
        p->broken = true;
        return false;
    }
    p->queued += added;
    for (auto& line : cut_) lines_.push_back(InLine{peer, std::move(line)});
    return true;
}

std::optional<InLine> Inbox::Take() {
    if (lines_.empty()) return std::nullopt;
    return Remove(lines_.begin());
}

InLine Inbox::Remove(std::deque<InLine>::iterator it) {
    InLine line = std::move(*it);
    lines_.erase(it);
    peers_[line.peer].queued -= line.text.size() + 1;
    return line;
}

void Inbox::Drop(int peer) {
    Peer* p = PeerAt(peer);
    if (!p) return;
    lines_.erase(std::remove_if(lines_.begin(), lines_.end(),
                                [peer](const InLine& l) { return l.peer == peer; }),
                 lines_.end());
    p->framer.Clear();
    p->queued = 0;
    p->broken = false;
}

size_t Inbox::Held(int peer) const {
    if (peer < 0 || peer >= kPeers) return 0;
    return peers_[peer].queued + peers_[peer].framer.Held();
}

bool Inbox::Broken(int peer) const {
    return peer >= 0 && peer < kPeers && peers_[peer].broken;
}

}  // namespace net
