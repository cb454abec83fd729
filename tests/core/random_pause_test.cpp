#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/cpu_speed.h"
#include "platform/pause.h"
#include "platform/vb_random.h"
#include "temp_folder.h"

TEST(VbRandom, IsRepeatableAfterANegativeArgumentAndSeed) {
    auto sequence = [](double seed) {
        VbRandom r;
        r.Rnd(-1);
        r.Randomize(seed);
        std::vector<float> v;
        for (int i = 0; i < 20; ++i) v.push_back(r.Rnd());
        return v;
    };
    EXPECT_EQ(sequence(7), sequence(7));
    EXPECT_NE(sequence(7), sequence(13));
    for (float x : sequence(3)) {
        EXPECT_GE(x, 0.0f);
        EXPECT_LT(x, 1.0f);
    }
}

TEST(VbRandom, FollowsTheTwentyFourBitSequence) {
    VbRandom r;  // the runtime's starting state
    EXPECT_EQ(r.state(), 0x50000u);
    r.Rnd();
    EXPECT_EQ(r.state(), (0x50000u * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu);
    float last = r.Rnd();
    EXPECT_EQ(r.Rnd(0), last);
}

TEST(VbRandom, DrawsCoverOneToN) {
    VbRandom r;
    std::vector<int> hits(53, 0);
    for (int i = 0; i < 52000; ++i) ++hits[static_cast<size_t>(r.Draw1To(52))];
    EXPECT_EQ(hits[0], 0);
    for (int k = 1; k <= 52; ++k) EXPECT_GT(hits[static_cast<size_t>(k)], 700) << k;
}

TEST(Pause, WaitsTheTimeAndEndsOnTheStopFlag) {
    ManualClock clock;
    InstantPump pump(clock);
    i16 stop = VbFalse, flip = VbFalse;
    Pauser pauser(clock, pump, stop, flip);
    pauser.Pause(2.0);
    EXPECT_NEAR(clock.Now(), 2.0, 1e-9);
    pauser.Pause(-1);
    EXPECT_NEAR(clock.Now(), 2.0, 1e-9);
    stop = VbTrue;
    pauser.Pause(100);
    EXPECT_NEAR(clock.Now(), 2.0, 1e-9);
}

namespace {
// Raises the stop flag from inside the event loop, as a click on the close box would.
class StoppingPump : public EventPump {
  public:
    StoppingPump(ManualClock& c, i16& stop, i16& flip) : clock_(c), stop_(stop), flip_(flip) {}
    void Pump(bool allowInput, double wait) override {
        inputAllowed_.push_back(allowInput);
        clock_.Advance(wait);
        if (++calls_ == 3) stop_ = VbTrue;
        flip_ = VbFalse;
    }
    std::vector<bool> inputAllowed_;  // one entry per call, in order
    int calls_ = 0;

  private:
    ManualClock& clock_;
    i16& stop_;
    i16& flip_;
};
}  // namespace

TEST(Pause, StopFlagRaisedDuringThePauseEndsItAndInputWaitsWhileAFlipRuns) {
    ManualClock clock;
    i16 stop = VbFalse, flip = VbTrue;
    StoppingPump pump(clock, stop, flip);
    Pauser pauser(clock, pump, stop, flip);
    flip = VbTrue;
    pauser.Pause(60);
    EXPECT_EQ(pump.calls_, 3);
    EXPECT_LT(clock.Now(), 1.0);
    // Input waits while the flip runs (first call); the flip ends inside it, so input flows.
    EXPECT_EQ(pump.inputAllowed_, (std::vector<bool>{false, true, true}));
}

TEST(Pause, RealClockSleepsInsteadOfSpinning) {
    SteadyClock clock;
    struct SleepPump : EventPump {
        int calls = 0;
        void Pump(bool, double wait) override {
            ++calls;
            std::this_thread::sleep_for(std::chrono::duration<double>(wait));
        }
    } pump;
    i16 stop = VbFalse, flip = VbFalse;
    Pauser pauser(clock, pump, stop, flip);
    double start = clock.Now();
    pauser.Pause(0.1);
    EXPECT_GE(clock.Now() - start, 0.1);
    EXPECT_LT(pump.calls, 20);
}

TEST(CpuSpeed, MapsTheClockToAnAnimationSpeed) {
    struct Case {
        long mhz;
        int speed;
    } cases[] = {{0, 20}, {849, 20}, {850, 45}, {1799, 45}, {1800, 70}, {2399, 70}, {2400, 95}};
    for (auto c : cases) EXPECT_EQ(AnimationSpeedForMhz(c.mhz), c.speed) << c.mhz;
    EXPECT_EQ(ReadCpuMhz("/nonexistent-root"), 0);

    // The processor list as the system writes it, and damaged.
    TempProgramFolder root;
    std::filesystem::create_directories(root.File("proc"));
    for (auto [line, mhz] : {std::pair{"cpu MHz\t\t: 2400.125", 2400L},
                             {"cpu MHz\t\t: 1e30", 1'000'000L},
                             {"cpu MHz\t\t: -5", 0L}}) {
        std::ofstream(root.File("proc/cpuinfo")) << "processor\t: 0\n" << line << "\n";
        EXPECT_EQ(ReadCpuMhz(root.path().c_str()), mhz) << line;
    }
}
