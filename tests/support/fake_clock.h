// A clock that stands still at a time the test chooses.
#pragma once

#include <string>

#include "shared/platform/clock.h"

namespace testsupport {

class FakeClock final : public platform::Clock {
  public:
    std::string now = "11.12.2026 14:03:59";
    int year = 2026;

    std::string nowText() override { return now; }
    int currentYear() override { return year; }
};

}  // namespace testsupport
