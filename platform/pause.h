#pragma once
// The one delay of the game: waits a number of seconds on a monotonic clock while the window
// keeps painting, without spinning the processor. It ends at once when the stop flag is raised,
// and holds back the player's input while a computer card is being flipped.
#include "platform/vb_types.h"

// Seconds on a clock that never goes back.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual double Now() = 0;
};

// Hands control to the event loop for up to `maxWaitSeconds`, returning earlier when an event
// arrives. With `allowInput` false the player's mouse and key events wait until later.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void Pump(bool allowInput, double maxWaitSeconds) = 0;
};

class SteadyClock : public Clock {
  public:
    double Now() override;
};

// A clock that only moves when told: for tests and headless games.
class ManualClock : public Clock {
  public:
    double Now() override { return now_; }
    void Advance(double seconds) { now_ += seconds; }

  private:
    double now_ = 0;
};

// A pump with no events that lets a manual clock run on: a pause takes no real time.
class InstantPump : public EventPump {
  public:
    explicit InstantPump(ManualClock& clock) : clock_(clock) {}
    void Pump(bool, double maxWaitSeconds) override { clock_.Advance(maxWaitSeconds); }

  private:
    ManualClock& clock_;
};

class Pauser {
  public:
    Pauser(Clock& clock, EventPump& pump, const i16& stopFlag, const i16& flipInProgress)
        : clock_(clock), pump_(pump), stop_(stopFlag), flip_(flipInProgress) {}

    // Waits `seconds` (nothing for 0 or less); the flags are read afresh after every event.
    void Pause(double seconds);

    // Total time spent in pauses so far, for tests that check a flow's pacing.
    double paused() const { return paused_; }

  private:
    Clock& clock_;
    EventPump& pump_;
    const i16& stop_;
    const i16& flip_;
    double paused_ = 0;
};
