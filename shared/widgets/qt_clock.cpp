#include "shared/widgets/qt_clock.h"

#include <QDateTime>
#include <QLocale>

#include "shared/general/date_time_text.h"

namespace platform {

std::string QtClock::nowText() {
    return RARUVOVOVA2DIVFU::GeneralDateTimeText(QLocale::system(), QDateTime::currentDateTime());
}

int QtClock::currentYear() {
    return QDate::currentDate().year();
}

}  // namespace platform
