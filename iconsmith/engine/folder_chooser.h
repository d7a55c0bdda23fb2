// Asks the user for a folder; the window implements it with the desktop's folder dialog.
#pragma once

#include <string>

namespace Module1 {

class FolderChooser {
  public:
    virtual ~FolderChooser() = default;
    // The chosen folder's full path, or the empty text when the user cancelled.
    virtual std::string BrowseForFolder(const std::string& prompt) = 0;
};

}  // namespace Module1
