#pragma once
// Hands the pause's time to Qt's event loop: the window paints and takes input while the game
// waits, and the processor sleeps between events.
#include "platform/pause.h"

class QtEventPump : public EventPump {
  public:
    void Pump(bool allowInput, double maxWaitSeconds) override;
};
