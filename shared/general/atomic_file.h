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

// Whether the new content is flushed to the disk before the rename.
enum class Durability {
    FlushToDisk,  // survives a power cut right after the call (INI files, favicon.ico)
    RenameOnly,   // no flush: for many files in a row (a batch run's pages), where a flush per
                  // file would cost far more than the write; any reported failure still leaves
                  // the old file intact
};

// Writes bytes to path. A symbolic link at path is followed, so the file it points to is replaced.
// A directory, device or pipe at path is refused. On any failure the old file is untouched, no
// temporary file is left and the returned record says why; std::nullopt means success.
std::optional<ErrorRecord> ReplaceFileAtomically(
    const std::string& path, std::string_view bytes,
    KeepPermissions permissions = KeepPermissions::None,
    Durability durability = Durability::FlushToDisk);

}  // namespace RARUVOVOVA2DIVFU
