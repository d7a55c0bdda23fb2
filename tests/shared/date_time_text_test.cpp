#include "shared/general/date_time_text.h"

#include <gtest/gtest.h>

using RARUVOVOVA2DIVFU::GeneralDateTimeText;

TEST(GeneralDateTimeText, WritesTheFullYearAndTheSecondsWithoutATimeZone) {
    const QDateTime moment(QDate(2026, 12, 11), QTime(14, 3, 59));
    struct Case {
        const char* locale;
        const char* expected;
    };
    const Case cases[] = {
        {"de_DE", "11.12.2026 14:03:59"},
        {"C", "11 Dec 2026 14:03:59"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(GeneralDateTimeText(QLocale(QString::fromLatin1(c.locale)), moment), c.expected);
    }
}
