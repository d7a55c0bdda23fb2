// Per-user settings with QSettings: the registry on Windows, an INI file under ~/.config on Linux.
#pragma once

#include "shared/platform/settings_store.h"

namespace platform {

class QtSettingsStore final : public SettingsStore {
  public:
    // application = organisation ("Corvale Software"), section = the program ("Iconsmith").
    std::string value(const std::string& application, const std::string& section,
                      const std::string& key) override;
    void setValue(const std::string& application, const std::string& section,
                  const std::string& key, const std::string& value) override;
};

}  // namespace platform
