// The current date and time, as the log and the info dialog show them.
#pragma once

#include <string>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    // Date and time in the system's general short form, for example "11.12.2026 14:03:59".
    virtual std::string nowText() = 0;
    virtual int currentYear() = 0;
};

}  // namespace platform
