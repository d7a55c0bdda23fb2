// Opens documents, web and mail addresses with the desktop's default applications.
#pragma once

#include <QUrl>
#include <string>

#include "shared/platform/shell.h"

namespace platform {

class QtShell final : public Shell {
  public:
    void execute(ShellVerb verb, const std::string& target, int showMode) override;
};

// What "Open" hands to the desktop: an address with a scheme as it is (a mail subject with blanks
// included), an existing local file as a file URL, and a bare host name ("www.example.com/login")
// as a web address. An empty target gives an invalid URL.
QUrl ShellTargetUrl(const std::string& target);

}  // namespace platform
