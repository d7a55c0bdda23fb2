// The operating system's version as "major.minor.build", for the info dialog's mail subject.
#pragma once

#include <cstdint>
#include <string>

namespace RARUVOVOVA {

// Packs the version fields the way the Windows version record delivers them: platform 1 (the
// Windows 95 line) keeps major and minor in the upper bytes of the build field itself.
std::string PackedWindowsVersion(uint32_t platformId, uint32_t major, uint32_t minor,
                                 uint32_t build);

// The running system's version; on Linux the kernel release ("6.1.0" from "6.1.0-13-amd64").
std::string WindowsVersionText();

}  // namespace RARUVOVOVA
