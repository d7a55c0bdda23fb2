#include "shared/widgets/qt_event_pump.h"

#include <QCoreApplication>

namespace platform {

void QtEventPump::yield() {
    if (sinceLast_.isValid() && sinceLast_.elapsed() < intervalMs_) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    sinceLast_.start();
}

}  // namespace platform
