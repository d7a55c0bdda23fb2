// The backslash notation for tab, line feed, carriage return and double quote in stored texts:
// \T tab, \L line feed, \N carriage return, \H double quote, \\ backslash.
#pragma once

#include <string>
#include <string_view>

namespace RARUVOVOVA2DIVFU {

std::string DecodeEscapes(std::string_view text);
std::string EncodeEscapes(std::string_view text);

}  // namespace RARUVOVOVA2DIVFU
