#include "iconsmith/icons/icon_collection.h"

#include <QFile>

namespace Module1 {

namespace {

constexpr int kIconCount = 511;

// The generated files are compiled in as Qt resources (see CMakeLists.txt).
std::string ResourceBytes(const QString& name) {
    QFile file(QStringLiteral(":/iconsmith/collection/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

}  // namespace

int IconCount() {
    return kIconCount;
}

std::string IconFileBytes(int number) {
    if (number < 1 || number > kIconCount) return {};
    return ResourceBytes(QStringLiteral("%1.ico").arg(number, 3, 10, QLatin1Char('0')));
}

std::string DefaultIconBytes() {
    return ResourceBytes(QStringLiteral("default.ico"));
}

}  // namespace Module1
