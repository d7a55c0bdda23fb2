#include "shared/services/shell_launch.h"

#include "shared/general/program_folder.h"
#include "shared/general/program_identity.h"

#ifdef _WIN32
#include <filesystem>

#include "shared/general/utf8_path.h"
#else
#include <sys/stat.h>
#endif

namespace RARUVOVOVA {

void ShellOpen(platform::Shell& shell, const std::string& target, int showMode) {
    // 0 would ask for a hidden window; a document the user asked for must be seen.
    shell.execute(platform::ShellVerb::Open, target, showMode == 0 ? 1 : showMode);
}

void ShowHelp(platform::Dialogs& dialogs, platform::Shell& shell) {
    ShowHelp(dialogs, shell, RARUVOVOVA2DIVFU::AppFolder());
}

void ShowHelp(platform::Dialogs& dialogs, platform::Shell& shell,
              const std::string& programFolder) {
    std::string path = programFolder + "hilfe.htm";
    if (!FileExists(path)) path = programFolder + "index.htm";
    if (!FileExists(path)) {
        dialogs.message("Die Online-Hilfe konnte leider nicht gefunden werden ...",
                        RARUVOVOVA2DIVFU::ThisProgram().name, platform::MessageButtons::Ok,
                        platform::MessageIcon::Information);
        return;
    }
    ShellOpen(shell, path, 0);
}

void OpenMakerSite(platform::Shell& shell) {
    ShellOpen(shell, kMakerSite, 3);
}

void OpenMagazineSite(platform::Shell& shell) {
    ShellOpen(shell, kMagazineSite, 0);
}

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    const size_t nameStart = path.find_last_of("/\\");
    const std::string_view name =
        std::string_view(path).substr(nameStart == std::string::npos ? 0 : nameStart + 1);
    // Hidden files count as missing, as do paths that end in a separator (folders).
    if (name.empty() || name.front() == '.') return false;
#ifndef _WIN32
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
#else
    std::error_code error;
    return std::filesystem::is_regular_file(RARUVOVOVA2DIVFU::PathFromUtf8(path), error);
#endif
}

}  // namespace RARUVOVOVA
