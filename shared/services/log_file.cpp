#include "shared/services/log_file.h"

#include <cstdio>
#include <mutex>

#include "shared/general/program_folder.h"
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
    std::FILE* file = std::fopen(currentLogPath().c_str(), "ab");
    if (file == nullptr) return;  // read-only file or folder, missing folder: the line is lost
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
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
