// Processes pending window events during long work, at most about every 15 ms, so calling it
// often costs next to nothing.
#pragma once

#include <QElapsedTimer>

#include "shared/platform/event_pump.h"

namespace platform {

class QtEventPump final : public EventPump {
  public:
    explicit QtEventPump(int intervalMs = 15) : intervalMs_(intervalMs) {}
    void yield() override;

  private:
    int intervalMs_;
    QElapsedTimer sinceLast_;
};

}  // namespace platform
