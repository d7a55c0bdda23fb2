#include "shared/widgets/qt_clock.h"

#include <QDateTime>
#include <QLocale>

namespace platform {

std::string QtClock::nowText() {
    return QLocale::system()
        .toString(QDateTime::currentDateTime(), QLocale::ShortFormat)
        .toStdString();
}

int QtClock::currentYear() {
    return QDate::currentDate().year();
}

}  // namespace platform
