#include "iconsmith/icons/ico_format.h"

namespace Module1 {

std::optional<std::vector<IcoImage>> ParseIco(std::string_view) { return std::nullopt; }

}  // namespace Module1
