#include "shared/services/log_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>

#include "shared/general/program_folder.h"
#include "tests/support/file_helpers.h"
#include "tests/support/permissions_bind.h"

using namespace RARUVOVOVA;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

class WriteLogTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string log = dir.path().toStdString() + "/Application.log";

    void SetUp() override { UseLogPath(log); }
};

TEST_F(WriteLogTest, AppendsEachLineWithCrLfInTheCodePage) {
    WriteLog("________________________________________");
    WriteLog("");
    WriteLog("Anzahl veränderter Dateien: 2");
    EXPECT_EQ(
        ReadBytes(log),
        "________________________________________\r\n\r\nAnzahl ver\xE4nderter Dateien: 2\r\n");
    // A later run appends; nothing is removed.
    WriteLog("1: /srv/www/index.htm");
    EXPECT_EQ(ReadBytes(log),
              "________________________________________\r\n\r\nAnzahl ver\xE4nderter Dateien: "
              "2\r\n1: /srv/www/index.htm\r\n");
}

TEST_F(WriteLogTest, UnwritablePlacesLoseTheLineQuietly) {
    WriteBytes(log, "alt\r\n");
    testsupport::SetReadOnly(log, true);
    WriteLog("neu");
    EXPECT_EQ(ReadBytes(log), "alt\r\n");

    const std::string inMissingFolder = dir.path().toStdString() + "/fehlt/Application.log";
    UseLogPath(inMissingFolder);
    WriteLog("neu");
    EXPECT_FALSE(std::filesystem::exists(inMissingFolder));

    UseLogPath(dir.path().toStdString());  // a directory where the file should be
    WriteLog("neu");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path().toStdString()));
}

TEST(LogPath, DefaultsToTheProgramFolder) {
    UseLogPath("");
    EXPECT_EQ(LogPath(), RARUVOVOVA2DIVFU::AppFolder() + "Application.log");
}

TEST_F(WriteLogTest, ReadOnlyFolderLosesTheLineQuietly) {
    const testsupport::PermissionsBind permissionsBind;
    if (!permissionsBind.active()) GTEST_SKIP() << "cannot give up root's file access here";
    ::chmod(dir.path().toLocal8Bit().constData(), 0555);
    WriteLog("neu");
    ::chmod(dir.path().toLocal8Bit().constData(), 0755);
    EXPECT_FALSE(std::filesystem::exists(log));
}
