// Replaces a whole file without ever leaving half of it: write a temporary file in the same folder,
// then rename it over the old one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shared/general/text_operations.h"

namespace RARUVOVOVA2DIVFU {

// How the permission bits of the replacement are chosen.
enum class KeepPermissions {
    None,            // default permissions for a new file (read-only flag cleared)
    PlusOwnerWrite,  // the old file's bits plus the owner's write bit
    Same,            // exactly the old file's bits (default ones when there is no old file)
};

// Writes bytes to path. A symbolic link at path is followed, so the file it points to is replaced.
// A directory, device or pipe at path is refused. On any failure the old file is untouched, no
// temporary file is left and the returned record says why; std::nullopt means success.
std::optional<ErrorRecord> ReplaceFileAtomically(
    const std::string& path, std::string_view bytes,
    KeepPermissions permissions = KeepPermissions::None);

}  // namespace RARUVOVOVA2DIVFU
