// A shell that opens nothing and records what it was asked to open.
#pragma once

#include <string>
#include <vector>

#include "shared/platform/shell.h"

namespace testsupport {

struct ShellRequest {
    platform::ShellVerb verb;
    std::string target;
    int showMode;
};

class FakeShell final : public platform::Shell {
  public:
    std::vector<ShellRequest> requests;

    void execute(platform::ShellVerb verb, const std::string& target, int showMode) override {
        requests.push_back({verb, target, showMode});
    }
};

}  // namespace testsupport
