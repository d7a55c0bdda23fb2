// Per-user text settings addressed by application key, section and key.
#pragma once

#include <string>

namespace platform {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The empty text when the key has no value or the store cannot be read.
    virtual std::string value(const std::string& application, const std::string& section,
                              const std::string& key) = 0;
    // A failed write is ignored.
    virtual void setValue(const std::string& application, const std::string& section,
                          const std::string& key, const std::string& value) = 0;
};

}  // namespace platform
