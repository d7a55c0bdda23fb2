// RARUVOVOVA holds the application services both programs share: INI access, per-user settings,
// log, shell launching, the one-time warning.
#pragma once

#include <string>

namespace RARUVOVOVA {

// Value of key in section of the INI file; defaultValue when the file, section or key is missing
// or unreadable, the empty text for a key with nothing after "=". Values are cut to 32766
// characters. A non-empty iniPath becomes the remembered file; an empty one uses it.
std::string ReadIniValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue, const std::string& iniPath);

// Creates file, section or key as needed, replaces a value in place, keeps every other line.
// The file is replaced atomically; a failed write leaves it untouched and passes silently.
void WriteIniValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& iniPath);

// The file the last call named.
const std::string& RememberedIniPath();

}  // namespace RARUVOVOVA
