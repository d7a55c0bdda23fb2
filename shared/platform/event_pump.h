// Lets the user interface process pending events in the middle of long work.
#pragma once

namespace platform {

class EventPump {
  public:
    virtual ~EventPump() = default;
    // Cheap to call often: an implementation may skip the work when it ran only moments ago.
    virtual void yield() = 0;
};

// For command-line tools and engine calls that have no window to keep alive.
class NoEventPump final : public EventPump {
  public:
    void yield() override {}
};

}  // namespace platform
