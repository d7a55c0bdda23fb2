#include "shared/general/text_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "tests/support/file_helpers.h"

using namespace RARUVOVOVA2DIVFU;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

class WriteTextFileTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string file = dir.path().toStdString() + "/Keyhand.ini";
};

TEST_F(WriteTextFileTest, WritesTheCodePageBytesExactly) {
    struct Case {
        std::string text;
        std::string bytes;
    };
    const Case cases[] = {
        {"ä", "\xE4"},
        {"[Eintrag]\r\nName=Müller €\r\n", "[Eintrag]\r\nName=M\xFCller \x80\r\n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_FALSE(WriteTextFile(file, c.text));
        EXPECT_EQ(ReadBytes(file), c.bytes);
    }
}

TEST_F(WriteTextFileTest, ReplacesALongerAndAReadOnlyFile) {
    WriteBytes(file, std::string(1000, 'x'));
    testsupport::SetReadOnly(file, true);
    ASSERT_FALSE(WriteTextFile(file, "neu"));
    EXPECT_EQ(ReadBytes(file), "neu");
    EXPECT_EQ(std::filesystem::file_size(file), 3u);
}

TEST_F(WriteTextFileTest, FailureIsReportedAndNothingIsCreated) {
    const std::string inMissingFolder = dir.path().toStdString() + "/fehlt/Keyhand.ini";
    const auto error = WriteTextFile(inMissingFolder, "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, ENOENT);
    EXPECT_NE(ErrorTextWithCode(*error).find("(Code "), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(inMissingFolder));
}
