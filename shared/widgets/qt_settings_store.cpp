#include "shared/widgets/qt_settings_store.h"

#include <QSettings>

namespace platform {

std::string QtSettingsStore::value(const std::string& application, const std::string& section,
                                   const std::string& key) {
    const QSettings settings(QString::fromStdString(application), QString::fromStdString(section));
    if (settings.status() != QSettings::NoError) return {};
    return settings.value(QString::fromStdString(key)).toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& application, const std::string& section,
                               const std::string& key, const std::string& value) {
    QSettings settings(QString::fromStdString(application), QString::fromStdString(section));
    settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
    settings.sync();  // a failed write is ignored; the warning then simply comes again
}

}  // namespace platform
