// The backup warning shown once per program version.
#pragma once

#include "shared/platform/dialogs.h"
#include "shared/platform/settings_store.h"

namespace RARUVOVOVA {

void CheckOnceWarning(platform::Dialogs& dialogs, platform::SettingsStore& store);

}  // namespace RARUVOVOVA
