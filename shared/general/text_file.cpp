#include "shared/general/text_file.h"

#include "shared/general/atomic_file.h"
#include "shared/general/windows1252.h"

namespace RARUVOVOVA2DIVFU {

std::optional<ErrorRecord> WriteTextFile(const std::string& path, const std::string& text) {
    // The new file starts with default permissions, so a read-only old file does not stop it.
    return ReplaceFileAtomically(path, ToWindows1252(text), KeepPermissions::None);
}

}  // namespace RARUVOVOVA2DIVFU
