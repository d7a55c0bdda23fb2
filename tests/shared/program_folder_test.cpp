#include "shared/general/program_folder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace RARUVOVOVA2DIVFU;

TEST(EnsureBackslash, AppendsOneSeparatorOnlyWhenMissing) {
    struct Case {
        const char* path;
        char separator;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\web", '\\', "C:\\web\\"},
        {"C:\\web\\", '\\', "C:\\web\\"},
        {"", '\\', "\\"},
        {"C:\\", '\\', "C:\\"},
        {"C:\\web/", '\\', "C:\\web/\\"},
        {"C:\\web\\\\", '\\', "C:\\web\\\\"},
        {"/srv/www", '/', "/srv/www/"},
        {"/", '/', "/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(EnsureBackslash(c.path, c.separator), c.expected);
    }
}

TEST(AppFolder, IsTheExecutablesFolderEndingInOneSeparator) {
    const std::string folder = AppFolder();
    ASSERT_GE(folder.size(), 2u);
    EXPECT_EQ(folder.back(), kNativeSeparator);
    EXPECT_NE(folder[folder.size() - 2], kNativeSeparator);
    const QString executable = QCoreApplication::applicationFilePath();
    EXPECT_EQ(QDir::toNativeSeparators(QFileInfo(executable).absolutePath()).toStdString() +
                  kNativeSeparator,
              folder);
}
