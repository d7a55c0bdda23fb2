#include "shared/general/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <filesystem>
#include <system_error>

namespace RARUVOVOVA2DIVFU {

std::string EnsureBackslash(std::string_view path, char separator) {
    std::string result(path);
    if (result.empty() || result.back() != separator) result += separator;
    return result;
}

std::string AppFolder() {
    std::string folder;
    if (QCoreApplication::instance() != nullptr) {
        folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    } else {
        // Before the application object exists (early start-up, tools without Qt's event loop).
        std::error_code error;
        const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
        folder = error ? std::filesystem::current_path(error).string()
                       : executable.parent_path().string();
    }
    return EnsureBackslash(folder);
}

}  // namespace RARUVOVOVA2DIVFU
