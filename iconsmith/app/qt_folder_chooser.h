// The folder chooser of the desktop, asking for the web root.
#pragma once

#include <QPointer>
#include <QWidget>

#include "iconsmith/engine/folder_chooser.h"

class QtFolderChooser final : public Module1::FolderChooser {
  public:
    explicit QtFolderChooser(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    // The chosen folder as the file system spells it (bytes as on disk), or "" when cancelled.
    std::string BrowseForFolder(const std::string& prompt) override;

  private:
    QPointer<QWidget> owner_;
};
