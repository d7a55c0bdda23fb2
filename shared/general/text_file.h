// Replaces a file by a text, written in the programs' single-byte code page.
#pragma once

#include <optional>
#include <string>

#include "shared/general/text_operations.h"

namespace RARUVOVOVA2DIVFU {

// text is UTF-8; the file gets exactly its Windows-1252 bytes. A read-only old file is replaced
// too. std::nullopt on success; on failure the old file is untouched.
std::optional<ErrorRecord> WriteTextFile(const std::string& path, const std::string& text);

}  // namespace RARUVOVOVA2DIVFU
