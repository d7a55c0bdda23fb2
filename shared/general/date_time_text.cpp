#include "shared/general/date_time_text.h"

namespace RARUVOVOVA2DIVFU {

std::string GeneralDateTimeText(const QLocale& locale, const QDateTime& moment) {
    // A log line tells runs apart: a two-digit year or a time without seconds would not.
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy")))
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    // The long time form carries the seconds and the time zone ('t'); the zone is dropped, letters
    // inside quotes are literal text and stay.
    QString timeFormat;
    bool quoted = false;
    for (const QChar c : locale.timeFormat(QLocale::LongFormat)) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) continue;
        timeFormat += c;
    }
    return locale.toString(moment, dateFormat + QLatin1Char(' ') + timeFormat.trimmed())
        .toStdString();
}

}  // namespace RARUVOVOVA2DIVFU
