#include "shared/services/log_file.h"

#include <filesystem>
#include <fstream>
#include <mutex>

#include "shared/general/program_folder.h"
#include "shared/general/utf8_path.h"
#include "shared/general/windows1252.h"

namespace RARUVOVOVA {
namespace {

std::mutex& logLock() {
    static std::mutex lock;
    return lock;
}

std::string& logPath() {
    static std::string path;
    return path;
}

const std::string& currentLogPath() {
    if (logPath().empty()) logPath() = RARUVOVOVA2DIVFU::AppFolder() + "Application.log";
    return logPath();
}

}  // namespace

void WriteLog(const std::string& text) {
    const std::string line = RARUVOVOVA2DIVFU::ToWindows1252(text) + "\r\n";
    std::lock_guard guard(logLock());
    const std::filesystem::path path = RARUVOVOVA2DIVFU::PathFromUtf8(currentLogPath());
    // A read-only log stays as it is, also for an administrator whom the system would let write.
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!error && (status.permissions() & std::filesystem::perms::owner_write) ==
                      std::filesystem::perms::none) {
        return;
    }
    std::ofstream file(path, std::ios::binary | std::ios::app);
    // A read-only folder or a missing one: the line is lost.
    file.write(line.data(), static_cast<std::streamsize>(line.size()));
}

const std::string& LogPath() {
    std::lock_guard guard(logLock());
    return currentLogPath();
}

void UseLogPath(const std::string& path) {
    std::lock_guard guard(logLock());
    logPath() = path;
}

}  // namespace RARUVOVOVA
