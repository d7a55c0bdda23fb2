// Date and time as the user's locale writes them in full, for the run log.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <string>

namespace RARUVOVOVA2DIVFU {

// The locale's general date-and-time form: its short date with the full year, then its time with
// seconds and without a time zone ("11.12.2026 14:03:59" in German). UTF-8.
std::string GeneralDateTimeText(const QLocale& locale, const QDateTime& moment);

}  // namespace RARUVOVOVA2DIVFU
