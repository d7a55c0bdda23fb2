#include "iconsmith/icons/icon_collection.h"

namespace Module1 {

int IconCount() { return 511; }

std::string IconFileBytes(int) { return {}; }

std::string DefaultIconBytes() { return {}; }

}  // namespace Module1
