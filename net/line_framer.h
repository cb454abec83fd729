#pragma once
// Cuts the bytes that arrive from the peers into protocol lines. Each peer has its own framer,
// so text held back from one connection is never joined to another's, and a peer that sends an
// endless line or floods the program is stopped at a fixed amount of memory.
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace net {

// The longest line a peer may send. The largest line of the protocol, a whole game in the older
// transfer layout, is under 6 KB; a chat line is far shorter.
constexpr size_t kMaxLine = 16 * 1024;
// The most one peer may have waiting (an unfinished line and complete lines not yet handled).
constexpr size_t kMaxHeld = 64 * 1024;

class LineFramer {
  public:
    // Takes one arrival. Every line it completes goes to `lines` in order, once, without its
    // line feed and without carriage returns before it. False, and nothing more is taken from
    // this peer, once its unfinished line has grown past kMaxLine.
    bool Feed(std::string_view bytes, std::vector<std::string>& lines);
    // Bytes of the unfinished line held until its line feed arrives.
    size_t Held() const { return partial_.size(); }
    bool Broken() const { return broken_; }
    void Clear();

  private:
    std::string partial_;
    bool broken_ = false;
};

// One line from one peer, in the order lines arrived from all peers.
struct InLine {
    int peer = 0;
    std::string text;
};

// The lines of every peer in arrival order, each peer cut by its own framer. The game flow takes
// them one at a time, so that every line that wakes a wait is seen by that wait before the next
// line is handled.
class Inbox {
  public:
    static constexpr int kPeers = 5;  // the host's sockets 0-4; a remote uses 0 only

    // Takes an arrival from `peer`. False when that peer broke the limits (an overlong line, or
    // more than kMaxHeld waiting): its lines are dropped and nothing more is taken from it.
    bool Feed(int peer, std::string_view bytes);
    std::optional<InLine> Take();
    // The oldest line that `ready` takes. `ready(line)` is true to take it, false to hold it; a
    // held line holds back every later line of its peer for which `passes(line)` is false.
    template <typename Ready, typename Passes>
    std::optional<InLine> TakeReady(Ready ready, Passes passes);
    bool Empty() const { return lines_.empty(); }
    // Forgets everything held for a peer that has gone.
    void Drop(int peer);
    size_t Held(int peer) const;
    bool Broken(int peer) const;

  private:
    struct Peer {
        LineFramer framer;
        size_t queued = 0;  // bytes of its complete lines still in lines_
        bool broken = false;
    };
    Peer* PeerAt(int peer);
    InLine Remove(std::deque<InLine>::iterator it);
    std::deque<InLine> lines_;
    Peer peers_[kPeers];
    std::vector<std::string> cut_;
};

template <typename Ready, typename Passes>
std::optional<InLine> Inbox::TakeReady(Ready ready, Passes passes) {
    bool held[kPeers] = {};
    for (auto it = lines_.begin(); it != lines_.end(); ++it) {
        if (held[it->peer] && !passes(*it)) continue;
        if (ready(*it)) return Remove(it);
        held[it->peer] = true;
    }
    return std::nullopt;
}

}  // namespace net
