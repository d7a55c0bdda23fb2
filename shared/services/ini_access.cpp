#include "shared/services/ini_access.h"

#include <mutex>

#include "shared/services/ini_file.h"

namespace RARUVOVOVA {
namespace {

std::mutex& pathLock() {
    static std::mutex lock;
    return lock;
}

std::string& rememberedPath() {
    static std::string path;
    return path;
}

std::string useIniPath(const std::string& iniPath) {
    std::lock_guard guard(pathLock());
    if (!iniPath.empty()) rememberedPath() = iniPath;
    return rememberedPath();
}

}  // namespace

std::string ReadIniValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue, const std::string& iniPath) {
    const std::string path = useIniPath(iniPath);
    return ReadIniFileValue(path, section, key).value_or(defaultValue);
}

void WriteIniValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& iniPath) {
    // Callers go on as if the write succeeded; WriteIniFileValue is there for those who ask.
    (void)WriteIniFileValue(useIniPath(iniPath), section, key, value);
}

const std::string& RememberedIniPath() {
    std::lock_guard guard(pathLock());
    return rememberedPath();
}

}  // namespace RARUVOVOVA
