// The connection dialog's checks: the port as a whole number from 1024 up (the ports below are the
// system's; never cut to 16 bits),
// and the host's address in the dotted form.
#include "net/connection_checks.h"

#include <gtest/gtest.h>

namespace {

TEST(ConnectionChecks, ThePortIsAWholeNumberFrom1024To65535) {
    const struct {
        const char* text;
        std::optional<int> port;
    } cases[] = {
        {"41001", 41001}, {" 1024 ", 1024}, {"1023", {}},   {" 80 ", {}},  {"1", {}},
        {"65535", 65535}, {"0", {}},        {"65536", {}},  {"70000", {}}, {"-1", {}},
        {"", {}},         {"12a", {}},      {"123456", {}}, {"1 2", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(net::ReadPort(c.text), c.port) << c.text;
}

TEST(ConnectionChecks, ARemoteNeedsAnAddressWithThreePoints) {
    using F = net::DialogRefusal::Field;
    const struct {
        bool host;
        const char* port;
        const char* address;
        std::optional<F> refused;
        const char* title;
    } cases[] = {
        {true, "41001", "", {}, ""},
        {true, "99999", "", F::Port, "Quorvane Internet Game"},
        {false, "41001", "192.168.0.2", {}, ""},
        {false, "41001", " a.b.c.d ", {}, ""},  // the connection attempt tells the rest
        {false, "41001", "", F::Address, "Quorvane Internet Game"},
        {false, "41001", "192.168.0.2 (example)", F::Address, "Quorvane Internet Game"},
        {false, "41001", "10.0.0", F::Address, "Incorrect IP Address!"},
        {false, "0", "10.0.0.1", F::Port, "Quorvane Internet Game"},
        {true, "1001", "", F::Port, "Quorvane Internet Game"},
    };
    for (const auto& c : cases) {
        auto r = net::CheckConnection({c.host, "Ann", c.port, c.address});
        ASSERT_EQ(r.has_value(), c.refused.has_value()) << c.address;
        if (!r) continue;
        EXPECT_EQ(r->field, *c.refused) << c.address;
        EXPECT_EQ(r->title, c.title) << c.address;
    }
}

TEST(ConnectionChecks, APortBelow1024IsRefusedWithTheRangeToUse) {
    const auto r = net::CheckConnection({true, "Ann", "80", ""});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->text,
              "The PORT number must be a whole number from 1024 to 65535: the ports below 1024 "
              "are reserved for the system.\nLeave it at 41001 unless you have a problem.");
}

TEST(ConnectionChecks, APortThatCannotBeOpenedSaysWhy) {
    EXPECT_EQ(net::PortRefusedText(1001, false),
              "Port 1001 cannot be opened by this program.\nPorts below 1024 are reserved for the "
              "system: use a Port number from 1024 to 65535 (the usual one is 41001).");
    EXPECT_EQ(net::PortRefusedText(41001, true).substr(0, 45),
              "Port 41001 is already in use by another progr");
}

}  // namespace
