#include "shared/services/shell_launch.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "shared/general/program_identity.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/fake_shell.h"
#include "tests/support/file_helpers.h"

using namespace RARUVOVOVA;
using testsupport::WriteBytes;

TEST(ShowHelp, OpensTheFirstHelpPageThatExists) {
    struct Case {
        const char* name;
        std::vector<std::string> files;  // a trailing "/" makes a folder
        std::string opened;              // empty: the message instead
    };
    const Case cases[] = {
        {"both", {"hilfe.htm", "index.htm"}, "hilfe.htm"},
        {"only index", {"index.htm"}, "index.htm"},
        {"only hilfe", {"hilfe.htm"}, "hilfe.htm"},
        {"hilfe is a folder", {"hilfe.htm/", "index.htm"}, "index.htm"},
        {"neither", {"readme.txt"}, ""},
        {"only folders", {"hilfe.htm/", "index.htm/"}, ""},
    };
    RARUVOVOVA2DIVFU::UseProgramIdentity({"Keyhand", {2, 5, 7}, ""});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/";
        for (const auto& name : c.files) {
            if (name.back() == '/') {
                std::filesystem::create_directory(folder + name);
            } else {
                WriteBytes(folder + name, "<html></html>");
            }
        }
        testsupport::FakeDialogs dialogs;
        testsupport::FakeShell shell;
        ShowHelp(dialogs, shell, folder);
        if (c.opened.empty()) {
            EXPECT_TRUE(shell.requests.empty());
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_EQ(dialogs.messages[0].text,
                      "Die Online-Hilfe konnte leider nicht gefunden werden ...");
            EXPECT_EQ(dialogs.messages[0].title, "Keyhand");
            EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Information);
            EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::Ok);
        } else {
            EXPECT_TRUE(dialogs.messages.empty());
            ASSERT_EQ(shell.requests.size(), 1u);
            EXPECT_EQ(shell.requests[0].target, folder + c.opened);
            EXPECT_EQ(shell.requests[0].verb, platform::ShellVerb::Open);
            EXPECT_EQ(shell.requests[0].showMode, 1);
        }
    }
}

TEST(ShellOpen, HandsTargetsOverWithAVisibleWindow) {
    testsupport::FakeShell shell;
    ShellOpen(shell, "www.example.com/login", 0);
    ShellOpen(shell, "mailto:support@corvale.example", 1);
    OpenMakerSite(shell);
    OpenMagazineSite(shell);
    ASSERT_EQ(shell.requests.size(), 4u);
    EXPECT_EQ(shell.requests[0].target, "www.example.com/login");
    EXPECT_EQ(shell.requests[0].showMode, 1);
    EXPECT_EQ(shell.requests[1].showMode, 1);
    EXPECT_EQ(shell.requests[2].target, kMakerSite);
    EXPECT_EQ(shell.requests[2].showMode, 3);
    EXPECT_EQ(shell.requests[3].target, kMagazineSite);
    EXPECT_EQ(shell.requests[3].showMode, 1);
}

TEST(FileExists, OnlyOrdinaryVisibleFiles) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    WriteBytes(folder + "/favicon.ico", "icon");
    WriteBytes(folder + "/.hilfe.htm", "hidden");
    WriteBytes(folder + "/empty.htm", "");
    std::filesystem::create_directory(folder + "/web");
    std::filesystem::create_symlink("favicon.ico", folder + "/link.ico");
    struct Case {
        std::string path;
        bool exists;
    };
    const Case cases[] = {
        {folder + "/favicon.ico", true},
        {folder + "/empty.htm", true},
        {folder + "/link.ico", true},
        {folder + "/.hilfe.htm", false},
        {folder + "/web", false},
        {folder + "/web/", false},
        {folder + "/favicon.ico/", false},
        {folder + "/missing.ico", false},
        {folder + "/fehlt/favicon.ico", false},
        {"Z:\\web\\favicon.ico", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FileExists(c.path), c.exists);
    }
}
