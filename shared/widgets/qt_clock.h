// The system clock, formatted the way the user's locale writes date and time.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include "shared/platform/clock.h"

namespace platform {

class QtClock final : public Clock {
  public:
    std::string nowText() override;
    int currentYear() override;
};

// The locale's general date-and-time form: its short date with the full year, then its time with
// seconds and without a time zone ("11.12.2026 14:03:59" in German).
QString GeneralDateTimeText(const QLocale& locale, const QDateTime& moment);

}  // namespace platform
