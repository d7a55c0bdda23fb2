#include "iconsmith/app/qt_folder_chooser.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

std::string QtFolderChooser::BrowseForFolder(const std::string& prompt) {
    const QString folder = QFileDialog::getExistingDirectory(
        owner_.data(), QString::fromStdString(prompt), QDir::homePath(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty()) return {};
    return QFile::encodeName(QDir::toNativeSeparators(folder)).toStdString();
}
