// Hands documents, web and mail addresses to the desktop's default applications.
#pragma once

#include <string>

namespace platform {

enum class ShellVerb { Open, Edit };

class Shell {
  public:
    virtual ~Shell() = default;
    // Starts the default handler for target and returns at once; failures pass silently.
    // showMode: 0 or 1 normal window, 3 maximized.
    virtual void execute(ShellVerb verb, const std::string& target, int showMode) = 0;
};

}  // namespace platform
