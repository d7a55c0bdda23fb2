#include "shared/services/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <random>

#include "shared/services/ini_access.h"
#include "tests/support/file_helpers.h"
#include "tests/support/permissions_bind.h"

using namespace RARUVOVOVA;
using testsupport::FolderNames;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

class IniTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString();
    std::string file = folder + "/Keyhand.ini";

    std::string read(const std::string& section, const std::string& key,
                     const std::string& defaultValue = "(default)") {
        return ReadIniValue(section, key, defaultValue, file);
    }
};

// Every rule of the format in one file: comments, keys before the first section, blanks,
// quotes, lines without "=", a section that appears twice, Windows-1252 letters.
constexpr std::string_view kMixedFile =
    "; Kommentar=kein Wert\r\n"
    "orphan=before any section\r\n"
    "[Section]\r\n"
    "Key=value\r\n"
    "Empty=\r\n"
    "  Spaced  =  padded value  \r\n"
    "Quoted=\"  in quotes  \"\r\n"
    "Single='single'\r\n"
    "Mismatch=\"half'\r\n"
    "Lone=\"\r\n"
    "Equals=a=b\r\n"
    "NoEquals line\r\n"
    ";Commented=out\r\n"
    "[Other]\r\n"
    "Key=other\r\n"
    "[ \xC4nderung ]\r\n"
    "\xD6lfarbe=gr\xFCn\r\n"
    "[section]\r\n"
    "Key=shadowed\r\n"
    "Late=second block\r\n";

}  // namespace

TEST_F(IniTest, ReadsFollowTheProfileRules) {
    WriteBytes(file, kMixedFile);
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Section", "Key", "value"},
        {"SECTION", "kEY", "value"},
        {"Section", "Empty", ""},
        {"Section", "Missing", "(default)"},
        {"Missing", "Key", "(default)"},
        {"Section", "Spaced", "padded value"},
        {"Section", " Spaced ", "padded value"},
        {"Section", "Quoted", "  in quotes  "},
        {"Section", "Single", "single"},
        {"Section", "Mismatch", "\"half'"},
        {"Section", "Lone", "\""},
        {"Section", "Equals", "a=b"},
        {"Section", "NoEquals line", "(default)"},
        {"Section", "Commented", "(default)"},
        {"Section", ";Commented", "(default)"},
        {"", "orphan", "(default)"},
        {"Section", "orphan", "(default)"},
        {"Other", "Key", "other"},
        {"änderung", "ölfarbe", "grün"},
        {"ÄNDERUNG", "ÖLFARBE", "grün"},
        {"section", "Key", "value"},
        {"section", "Late", "second block"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(read(c.section, c.key), c.expected);
    }
}

TEST_F(IniTest, AnyKindOfLineEndSplitsLines) {
    const std::string_view lineEnds[] = {"\r\n", "\n", "\r", "\n\r"};
    for (const auto lineEnd : lineEnds) {
        SCOPED_TRACE(lineEnd.size());
        std::string content;
        for (const char* line : {"[S]", "A=1", "", "B=2", "[T]", "A=3"}) {
            content += line;
            content += lineEnd;
        }
        WriteBytes(file, content);
        EXPECT_EQ(read("S", "A"), "1");
        EXPECT_EQ(read("S", "B"), "2");
        EXPECT_EQ(read("T", "A"), "3");
        ForgetCachedIniFiles();
    }
    // Mixed in one file, the last line without a line end.
    WriteBytes(file, "[S]\rA=1\nB=2\r\nC=3");
    EXPECT_EQ(read("S", "A"), "1");
    EXPECT_EQ(read("S", "B"), "2");
    EXPECT_EQ(read("S", "C"), "3");
}

TEST_F(IniTest, NulBytesAndHugeLinesDoNotDisturbOtherKeys) {
    std::string content = "[S]\r\n";
    content += std::string("Nul=ab\0cd\r\n", 11);
    content += std::string("\0garbage\0\r\n", 11);
    content += "Huge=" + std::string(100000, 'h') + "\r\n";
    content += "Exact=" + std::string(kMaxIniValueLength, 'e') + "\r\n";
    content += std::string(100000, 'x') + "\r\n";  // a huge line without "="
    content += "After=ok\r\n";
    WriteBytes(file, content);
    EXPECT_EQ(read("S", "Nul"), "ab");
    EXPECT_EQ(read("S", "Huge"), std::string(kMaxIniValueLength, 'h'));
    EXPECT_EQ(read("S", "Exact"), std::string(kMaxIniValueLength, 'e'));
    EXPECT_EQ(read("S", "After"), "ok");
}

TEST_F(IniTest, UnreadablePlacesGiveTheDefault) {
    std::filesystem::create_directory(folder + "/adir");
    const std::string paths[] = {folder + "/adir", folder + "/missing/Keyhand.ini",
                                 folder + "/none.ini", folder + "/adir/"};
    for (const auto& path : paths) {
        SCOPED_TRACE(path);
        EXPECT_EQ(ReadIniValue("Include", "Extensions", "htm,html,shtml,asp", path),
                  "htm,html,shtml,asp");
    }
}

TEST_F(IniTest, WritesChangeOnlyWhatTheyMust) {
    struct Case {
        const char* name;
        std::string before;
        const char* section;
        const char* key;
        std::string value;
        std::string after;
    };
    const Case cases[] = {
        {"replace in place, comments and order kept",
         "; head\r\n[S]\r\nA=1\r\n; note\r\nB=2\r\n[T]\r\nA=5\r\n", "s", "a", "9",
         "; head\r\n[S]\r\nA=9\r\n; note\r\nB=2\r\n[T]\r\nA=5\r\n"},
        {"indentation and the key's spelling kept", "[S]\r\n  Key = 1 \r\nX=y\r\n", "S", "KEY", "2",
         "[S]\r\n  Key=2\r\nX=y\r\n"},
        {"new key after the section's last key", "[S]\r\nA=1\r\n\r\n; about T\r\n[T]\r\nX=1\r\n",
         "S", "B", "2", "[S]\r\nA=1\r\nB=2\r\n\r\n; about T\r\n[T]\r\nX=1\r\n"},
        {"new key in an empty section", "[S]\r\n[T]\r\n", "S", "A", "1", "[S]\r\nA=1\r\n[T]\r\n"},
        {"new section at the end", "[S]\r\nA=1\r\n", "T", "X", "x", "[S]\r\nA=1\r\n[T]\r\nX=x\r\n"},
        {"last line without line end", "[S]\r\nA=1", "S", "B", "2", "[S]\r\nA=1\r\nB=2"},
        {"new section after a last line without line end", "[S]\r\nA=1", "T", "B", "2",
         "[S]\r\nA=1\r\n[T]\r\nB=2\r\n"},
        {"the file's own line ends", "[S]\nA=1\n", "S", "B", "2", "[S]\nA=1\nB=2\n"},
        {"empty file", "", "S", "A", "1", "[S]\r\nA=1\r\n"},
        {"empty value", "[S]\r\nA=1\r\n", "S", "A", "", "[S]\r\nA=\r\n"},
        {"the key the reader sees in a repeated section", "[S]\r\nA=1\r\n[s]\r\nB=2\r\n", "S", "B",
         "3", "[S]\r\nA=1\r\n[s]\r\nB=3\r\n"},
        {"line breaks cannot forge keys", "[S]\r\n", "S", "A", "x\r\n[T]\r\nB=evil",
         "[S]\r\nA=x  [T]  B=evil\r\n"},
        {"text to code page", "[S]\r\n", "Größe", "Maß", "grün €",
         "[S]\r\n[Gr\xF6\xDF"
         "e]\r\nMa\xDF=gr\xFCn \x80\r\n"},
        {"NUL ends the value", "[S]\r\n", "S", "A", std::string("ab\0cd", 5), "[S]\r\nA=ab\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(file, c.before);
        ASSERT_FALSE(WriteIniFileValue(file, c.section, c.key, c.value));
        EXPECT_EQ(ReadBytes(file), c.after);
        ForgetCachedIniFiles();
    }
}

TEST_F(IniTest, WriteCreatesTheFileAndReadsBackThroughTheRememberedPath) {
    WriteIniValue("Eintrag1", "Name", "Bank", file);
    EXPECT_EQ(ReadBytes(file), "[Eintrag1]\r\nName=Bank\r\n");
    EXPECT_EQ(RememberedIniPath(), file);
    // Later calls name no file and work on the remembered one.
    WriteIniValue("Eintrag1", "ID", "ich", "");
    EXPECT_EQ(ReadIniValue("Eintrag1", "ID", "", ""), "ich");
    EXPECT_EQ(ReadIniValue("EINTRAG1", "name", "", ""), "Bank");
    EXPECT_EQ(ReadBytes(file), "[Eintrag1]\r\nName=Bank\r\nID=ich\r\n");
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"Keyhand.ini"});

    const std::string other = folder + "/options.ini";
    WriteBytes(other, "[Include]\r\nExtensions=htm\r\n");
    EXPECT_EQ(ReadIniValue("Include", "Extensions", "", other), "htm");
    EXPECT_EQ(ReadIniValue("Include", "Extensions", "x", ""), "htm");
    EXPECT_EQ(RememberedIniPath(), other);
}

TEST_F(IniTest, RefusedWritesLeaveEverythingAsItWas) {
    const std::string content = "[S]\r\nA=1\r\n";
    WriteBytes(file, content);
    testsupport::SetReadOnly(file, true);
    EXPECT_TRUE(WriteIniFileValue(file, "S", "A", "2"));
    WriteIniValue("S", "A", "2", file);  // passes silently
    EXPECT_EQ(ReadBytes(file), content);
    EXPECT_EQ(read("S", "A"), "1");

    std::filesystem::create_directory(folder + "/adir");
    EXPECT_TRUE(WriteIniFileValue(folder + "/adir", "S", "A", "2"));
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/adir"));
    EXPECT_TRUE(WriteIniFileValue(folder + "/missing/x.ini", "S", "A", "2"));
    EXPECT_FALSE(std::filesystem::exists(folder + "/missing"));
    EXPECT_EQ(FolderNames(folder), (std::vector<std::string>{"Keyhand.ini", "adir"}));
}

TEST_F(IniTest, WriteKeepsTheFilesPermissions) {
    WriteBytes(file, "[S]\r\nA=1\r\n");
    ::chmod(file.c_str(), 0600);
    ASSERT_FALSE(WriteIniFileValue(file, "S", "A", "geheim"));
    struct stat info {};
    ::stat(file.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

TEST_F(IniTest, ChangesFromOutsideAreSeenDespiteTheCache) {
    WriteBytes(file, "[S]\r\nA=1\r\n");
    EXPECT_EQ(read("S", "A"), "1");
    // Same size, same inode: only the modification time tells the versions apart.
    const auto stamp = std::filesystem::last_write_time(file);
    WriteBytes(file, "[S]\r\nA=2\r\n");
    std::filesystem::last_write_time(file, stamp + std::chrono::seconds(1));
    EXPECT_EQ(read("S", "A"), "2");
    // Our own write is seen by the next read, and an outside edit after it as well.
    WriteIniValue("S", "B", "3", file);
    EXPECT_EQ(read("S", "B"), "3");
    WriteBytes(file, "[S]\r\nB=4\r\n");
    EXPECT_EQ(read("S", "B"), "4");
    std::filesystem::remove(file);
    EXPECT_EQ(read("S", "B"), "(default)");
}

TEST_F(IniTest, ReadOnlyFolderRefusesTheWriteAndKeepsTheFile) {
    const testsupport::PermissionsBind permissionsBind;
    if (!permissionsBind.active()) GTEST_SKIP() << "cannot give up root's file access here";
    WriteBytes(file, "[S]\r\nA=1\r\n");
    ::chmod(folder.c_str(), 0555);
    const auto error = WriteIniFileValue(file, "S", "A", "2");
    ::chmod(folder.c_str(), 0755);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, EACCES);
    EXPECT_EQ(ReadBytes(file), "[S]\r\nA=1\r\n");
    EXPECT_EQ(FolderNames(folder), std::vector<std::string>{"Keyhand.ini"});
}

// Random files of every kind of line, random writes: each write must be read back and must
// leave the value of every other name as it was.
TEST(IniDocument, RandomWritesChangeExactlyOneValue) {
    std::mt19937 random(7);
    const std::vector<std::string> sections{"S", "s",           " Eintrag1 ", "EINTRAG1",
                                            "T", "\xC4nderung", "leer"};
    const std::vector<std::string> keys{"A", "a", "ID", " Url ", "\xF6l", "Note", "B"};
    const std::vector<std::string> lineEnds{"\r\n", "\n", "\r"};
    const auto pick = [&](const auto& list) { return list[random() % list.size()]; };
    // The spellings above that name the same thing: blanks and case do not count.
    const auto canonical = [](std::string name) {
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(' ') + 1);
        for (auto& c : name) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
            if (c == '\xC4') c = '\xE4';
        }
        return name;
    };
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        std::string content;
        const int lines = static_cast<int>(random() % 12);
        for (int i = 0; i < lines; ++i) {
            switch (random() % 7) {
                case 0:
                    content += "[" + pick(sections) + "]";
                    break;
                case 1:
                    content += "; " + pick(keys) + "=comment";
                    break;
                case 2:
                    content += "";
                    break;
                case 3:
                    content += "no equals sign";
                    break;
                default:
                    content += pick(keys) + "=" + std::to_string(random() % 100);
                    break;
            }
            if (i + 1 < lines || random() % 2 == 0) content += pick(lineEnds);
        }
        const RARUVOVOVA::IniDocument before(content);
        const std::string section = pick(sections);
        const std::string key = pick(keys);
        const std::string value = "v" + std::to_string(round);
        const RARUVOVOVA::IniDocument after(before.withValue(section, key, value));
        EXPECT_EQ(after.value(section, key), std::optional<std::string_view>(value))
            << after.bytes();
        for (const auto& otherSection : sections) {
            for (const auto& otherKey : keys) {
                if (canonical(otherSection) == canonical(section) &&
                    canonical(otherKey) == canonical(key)) {
                    EXPECT_EQ(after.value(otherSection, otherKey), after.value(section, key));
                    continue;
                }
                EXPECT_EQ(after.value(otherSection, otherKey), before.value(otherSection, otherKey))
                    << otherSection << "/" << otherKey << " in\n"
                    << content;
            }
        }
    }
}
