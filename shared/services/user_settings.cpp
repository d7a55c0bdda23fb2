#include "shared/services/user_settings.h"

#include "shared/general/program_identity.h"

namespace RARUVOVOVA {
namespace {
constexpr const char* kApplicationKey = "Corvale Software";
}

std::string GetUserSetting(platform::SettingsStore& store, const std::string& key) {
    return store.value(kApplicationKey, RARUVOVOVA2DIVFU::ThisProgram().name, key);
}

void SaveUserSetting(platform::SettingsStore& store, const std::string& key,
                     const std::string& value) {
    store.setValue(kApplicationKey, RARUVOVOVA2DIVFU::ThisProgram().name, key, value);
}

}  // namespace RARUVOVOVA
