// An event pump that only counts how often the engine offered to yield.
#pragma once

#include <functional>

#include "shared/platform/event_pump.h"

namespace testsupport {

class CountingEventPump final : public platform::EventPump {
  public:
    int yields = 0;
    std::function<void()> onYield;  // lets a test act "while the work is running"

    void yield() override {
        ++yields;
        if (onYield) onYield();
    }
};

}  // namespace testsupport
