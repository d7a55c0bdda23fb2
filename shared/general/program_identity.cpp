#include "shared/general/program_identity.h"

#include <cmath>

namespace RARUVOVOVA2DIVFU {
namespace {

ProgramIdentity& runningProgram() {
    static ProgramIdentity identity;
    return identity;
}

std::string revisionPart(int32_t flags, int16_t revision) {
    if ((flags & 256) == 0) return "." + std::to_string(revision);
    if (revision < 100) return {};
    // nearbyint rounds half to even under the default rounding mode: 250 gives 'b', 350 'd'.
    const auto letter = static_cast<char>(std::nearbyint(revision / 100.0 + 96.0));
    return std::string(1, letter);
}

}  // namespace

void UseProgramIdentity(const ProgramIdentity& identity) {
    runningProgram() = identity;
}

const ProgramIdentity& ThisProgram() {
    return runningProgram();
}

std::string AppVersionText(int32_t flags, const VersionNumbers& version) {
    const std::string text = std::to_string(version.major) + "." + std::to_string(version.minor) +
                             revisionPart(flags, version.revision);
    return (flags % 256) == 1 ? text : " (V" + text + ")";
}

std::string AppVersionText(int32_t flags) {
    return AppVersionText(flags, ThisProgram().version);
}

}  // namespace RARUVOVOVA2DIVFU
