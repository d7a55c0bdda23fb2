// Reading and writing whole files byte for byte, for tests that check exact file content.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Names in a folder, sorted, so a test can see that no temporary file was left behind.
inline std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline void SetReadOnly(const std::string& path, bool readOnly) {
    std::filesystem::permissions(
        path,
        std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
            std::filesystem::perms::others_write,
        readOnly ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
}

}  // namespace testsupport
