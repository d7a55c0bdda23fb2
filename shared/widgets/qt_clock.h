// The system clock, formatted the way the user's locale writes date and time.
#pragma once

#include "shared/platform/clock.h"

namespace platform {

class QtClock final : public Clock {
  public:
    // The locale's general form with the full year and the seconds (GeneralDateTimeText).
    std::string nowText() override;
    int currentYear() override;
};

}  // namespace platform
