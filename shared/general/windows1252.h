// The single-byte code page of the programs' own files (INI files, log, default entry file).
// Every one of the 256 byte values maps to one character and back, so nothing is lost on a round
// trip; the five bytes the code page leaves undefined map to the control characters of the same
// code.
#pragma once

#include <string>
#include <string_view>

namespace RARUVOVOVA2DIVFU {

// UTF-8 text to Windows-1252 bytes; characters the code page cannot hold become '?'.
// Invalid UTF-8 sequences are taken byte by byte as Windows-1252.
std::string ToWindows1252(std::string_view utf8Text);

// Windows-1252 bytes to UTF-8 text.
std::string FromWindows1252(std::string_view bytes);

}  // namespace RARUVOVOVA2DIVFU
