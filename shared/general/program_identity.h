// Who the running program is: its name, version numbers and one-line description.
#pragma once

#include <cstdint>
#include <string>

namespace RARUVOVOVA2DIVFU {

struct VersionNumbers {
    int16_t major = 0;
    int16_t minor = 0;
    int16_t revision = 0;
};

struct ProgramIdentity {
    std::string name;
    VersionNumbers version;
    std::string description;
};

// Each program announces itself once at start, before any shared service runs.
void UseProgramIdentity(const ProgramIdentity& identity);
const ProgramIdentity& ThisProgram();

// Bit 256 asks for the short form with a revision letter ("2.1b"), otherwise ".revision";
// the low byte 0 wraps the text as " (V…)", 1 gives it bare.
std::string AppVersionText(int32_t flags, const VersionNumbers& version);
std::string AppVersionText(int32_t flags);

}  // namespace RARUVOVOVA2DIVFU
