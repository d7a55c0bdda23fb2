// Per-user settings under the application key "Corvale Software" and the program's name.
#pragma once

#include <string>

#include "shared/platform/settings_store.h"

namespace RARUVOVOVA {

std::string GetUserSetting(platform::SettingsStore& store, const std::string& key);
void SaveUserSetting(platform::SettingsStore& store, const std::string& key,
                     const std::string& value);

}  // namespace RARUVOVOVA
