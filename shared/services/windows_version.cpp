#include "shared/services/windows_version.h"

#include <cctype>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/utsname.h>
#endif

namespace RARUVOVOVA {

std::string PackedWindowsVersion(uint32_t platformId, uint32_t major, uint32_t minor,
                                 uint32_t build) {
    const uint32_t packed =
        platformId == 1 ? build
                        : ((major & 255u) << 24) | ((minor & 255u) << 16) | (build & 65535u);
    return std::to_string(packed >> 24) + "." + std::to_string((packed >> 16) & 255u) + "." +
           std::to_string(packed & 65535u);
}

#ifdef _WIN32

std::string WindowsVersionText() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma warning(suppress : 4996)
    GetVersionExA(&info);
    return PackedWindowsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                                info.dwBuildNumber);
}

#else

std::string WindowsVersionText() {
    struct utsname names {};
    uint32_t parts[3] = {0, 0, 0};
    if (::uname(&names) == 0) {
        // The leading numbers of the release, "6.1.0-13-amd64" -> 6, 1, 0; missing ones stay 0.
        const char* c = names.release;
        for (int part = 0; part < 3 && std::isdigit(static_cast<unsigned char>(*c)); ++part) {
            uint32_t value = 0;
            while (std::isdigit(static_cast<unsigned char>(*c))) {
                value = value * 10 + static_cast<uint32_t>(*c - '0');
                ++c;
            }
            parts[part] = value;
            if (*c != '.') break;
            ++c;
        }
    }
    return PackedWindowsVersion(2, parts[0], parts[1], parts[2]);
}

#endif

}  // namespace RARUVOVOVA
