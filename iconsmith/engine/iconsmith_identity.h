// Who Iconsmith is: name, version and the one-line description the info dialog shows.
#pragma once

#include "shared/general/program_identity.h"

namespace Module1 {

inline const RARUVOVOVA2DIVFU::ProgramIdentity kIconsmith{
    "Iconsmith", {2, 1, 202}, "Aut. Einf\u00fcgen und L\u00f6schen von Favicons in Web-Seiten"};

}  // namespace Module1
