// The line framer: any bytes, cut into arrivals of any sizes over the five sockets, give each
// peer's lines once, in order, within the limits, the same as one arrival would.
#include <vector>

#include "fuzz_support.h"
#include "net/line_framer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string_view stream = fuzz::Text(data + 1, size - 1);
    net::Inbox chunked, whole;
    const int peer = data[0] % net::Inbox::kPeers;
    const bool wholeOk = whole.Feed(peer, stream);
    std::size_t at = 0, step = 1 + data[0] / 8;
    bool chunkedOk = true;
    while (at < stream.size() && chunkedOk) {
        const std::size_t n = std::min(step, stream.size() - at);
        chunkedOk = chunked.Feed(peer, stream.substr(at, n));
        at += n;
        step = step * 7 % 61 + 1;
        if (chunked.Held(peer) > net::kMaxHeld) fuzz::Fail("a peer holds more than its limit");
    }
    if (!wholeOk || !chunkedOk) return 0;  // over the limits: that peer is stopped either way
    std::vector<std::string> a, b;
    while (auto l = whole.Take()) a.push_back(l->text);
    while (auto l = chunked.Take()) b.push_back(l->text);
    if (a != b) fuzz::Fail("the lines depend on how the bytes arrived");
    for (const auto& line : a)
        if (line.find('\n') != std::string::npos || line.size() > net::kMaxLine ||
            (!line.empty() && line.back() == '\r'))
            fuzz::Fail("a line handed on with its end or over its limit");
    return 0;
}
