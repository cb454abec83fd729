// The whole game from the host: any text is either refused or read into a position that passes
// the saved-game checks and keeps every card of the game in one place.
#include "engine/snapshot_codec.h"
#include "fuzz_support.h"
#include "net/recover.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static const char* const kVersions[] = {"84", "74", "60", "40"};
    const std::string version = kVersions[data[0] % 4];
    const int seat = 1 + (data[0] >> 2) % 3;
    net::Fault fault;
    auto rec = net::ReadRecover(fuzz::Text(data + 1, size - 1), version, seat, fault);
    if (!rec) {
        if (fault.text.empty()) fuzz::Fail("a refusal without a reason");
        return 0;
    }
    if (!ValidateRecord(*rec).empty()) fuzz::Fail("an accepted game fails the checks");
    Game g;
    RecordToState(*rec, g);
    if (!CheckConservation(g).empty()) fuzz::Fail("an accepted game lost a card");
    return 0;
}
