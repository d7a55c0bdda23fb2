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
    None,                 // default permissions for a new file (read-only flag cleared)
    PlusOwnerWrite,       // the old file's bits plus the owner's write bit
};

// Writes bytes to path. On any failure the old file is untouched, no temporary file is left and
// the returned record says why; std::nullopt means success.
std::optional<ErrorRecord> ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                                                 KeepPermissions permissions = KeepPermissions::None);

}  // namespace RARUVOVOVA2DIVFU
