// An in-memory settings store keyed by "application/section/key".
#pragma once

#include <map>
#include <string>

#include "shared/platform/settings_store.h"

namespace testsupport {

class FakeSettingsStore final : public platform::SettingsStore {
  public:
    std::map<std::string, std::string> values;

    static std::string address(const std::string& application, const std::string& section,
                               const std::string& key) {
        return application + "/" + section + "/" + key;
    }

    std::string value(const std::string& application, const std::string& section,
                      const std::string& key) override {
        const auto found = values.find(address(application, section, key));
        return found == values.end() ? std::string() : found->second;
    }

    void setValue(const std::string& application, const std::string& section,
                  const std::string& key, const std::string& value) override {
        values[address(application, section, key)] = value;
    }
};

}  // namespace testsupport
