// Help pages, the maker's and the magazine's web sites, and file tests, through the shell.
#pragma once

#include <string>

#include "shared/platform/dialogs.h"
#include "shared/platform/shell.h"

namespace RARUVOVOVA {

inline constexpr const char* kMakerSite = "https://www.corvale.example/";
inline constexpr const char* kMakerAboutPage = "https://www.corvale.example/ueber-uns.htm";
inline constexpr const char* kSupportMail = "support@corvale.example";
inline constexpr const char* kMagazineSite = "https://www.webmagazin.example/";

// Opens target with its default handler; showMode 0 means a normal window. Never reports failure.
void ShellOpen(platform::Shell& shell, const std::string& target, int showMode);

// Opens "hilfe.htm", else "index.htm" from the program folder, else says the help is missing.
void ShowHelp(platform::Dialogs& dialogs, platform::Shell& shell);
// The same with the folder given (ending in a separator), for tools and tests.
void ShowHelp(platform::Dialogs& dialogs, platform::Shell& shell, const std::string& programFolder);

void OpenMakerSite(platform::Shell& shell);
void OpenMagazineSite(platform::Shell& shell);

// True only for an existing ordinary, non-hidden file; false on any error.
bool FileExists(const std::string& path);

}  // namespace RARUVOVOVA
