// The program's own folder and the trailing-separator rule for folder paths.
#pragma once

#include <string>
#include <string_view>

namespace RARUVOVOVA2DIVFU {

#ifdef _WIN32
inline constexpr char kNativeSeparator = '\\';
#else
inline constexpr char kNativeSeparator = '/';
#endif

// path unchanged when it already ends in separator, else path + separator ("" gives separator).
std::string EnsureBackslash(std::string_view path, char separator = kNativeSeparator);

// Folder of the running executable, ending in exactly one separator.
std::string AppFolder();

}  // namespace RARUVOVOVA2DIVFU
