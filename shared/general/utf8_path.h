// File-system paths to and from the UTF-8 text the programs keep paths in. Windows would read a
// narrow string in the ANSI code page, so there the conversion goes through char8_t.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace RARUVOVOVA2DIVFU {

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
#ifdef _WIN32
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
#else
    return std::filesystem::path(std::string(utf8));
#endif
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
#else
    return path.string();
#endif
}

}  // namespace RARUVOVOVA2DIVFU
