// The system clock, formatted the way the user's locale writes date and time.
#pragma once

#include "shared/platform/clock.h"

namespace platform {

class QtClock final : public Clock {
  public:
    std::string nowText() override;
    int currentYear() override;
};

}  // namespace platform
