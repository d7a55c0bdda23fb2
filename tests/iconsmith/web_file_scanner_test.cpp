#include "iconsmith/engine/web_file_scanner.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDirIterator>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "tests/iconsmith/support/engine_fixture.h"
#include "tests/support/permissions_bind.h"

namespace {

namespace fs = std::filesystem;
using Module1::EngineState;

std::vector<std::string> ListedTexts(const Module1::PageListModel& list) {
    std::vector<std::string> texts;
    for (int row = 0; row < list.count(); ++row) texts.push_back(list.text(row));
    return texts;
}

class FixedChooser final : public Module1::FolderChooser {
  public:
    std::string answer;
    std::vector<std::string> prompts;
    std::string BrowseForFolder(const std::string& prompt) override {
        prompts.push_back(prompt);
        return answer;
    }
};

class WebFileScanner : public testsupport::EngineFixture {};

TEST(ParseExtensions, CutsTrimsLowersAndDots) {
    struct Case {
        const char* value;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"htm,html,shtml,asp", {".htm", ".html", ".shtml", ".asp"}},
        {" HTM , Php", {".htm", ".php"}},
        {"", {}},
        {"htm,,html, ", {".htm", ".html"}},  // empty elements would match every name ending in "."
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Module1::ParseExtensions(c.value), c.expected);
    }
}

TEST_F(WebFileScanner, LoadExternalOptionsReadsTheProgramFoldersOptionsIni) {
    struct Case {
        const char* iniText;  // nullptr: no options.ini
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {nullptr, {".htm", ".html", ".shtml", ".asp"}},
        {"[Include]\r\nExtensions= HTM , Php\r\n", {".htm", ".php"}},
        {"[Include]\r\nExtensions=\r\n", {}},
        {"[Other]\r\nExtensions=php\r\n", {".htm", ".html", ".shtml", ".asp"}},
    };
    int folderNumber = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iniText ? c.iniText : "(none)");
        const std::string folder =
            temp.path().toStdString() + "/prog" + std::to_string(++folderNumber);
        fs::create_directories(folder);
        if (c.iniText) std::ofstream(folder + "/options.ini", std::ios::binary) << c.iniText;
        EngineState options;
        Module1::LoadExternalOptions(options, folder);
        EXPECT_EQ(options.OptionsIniPath, folder + "/options.ini");
        EXPECT_EQ(options.PageExtensions, c.expected);
    }
}

TEST(IsWebPage, JudgesExtensionsAndVtiFolders) {
    const std::vector<std::string> extensions = {".htm", ".html", ".shtml", ".asp"};
    struct Case {
        const char* path;
        bool page;
    };
    const Case cases[] = {
        {"C:\\web\\INDEX.HTM", true},        {"C:\\web\\a.shtml", true},
        {"C:\\web\\a.html", true},           {"C:\\web\\a.htm.bak", false},
        {"C:\\web\\a.txt", false},           {"C:\\web\\_vti_cnf\\index.htm", false},
        {"C:\\web\\_VTI_PVT\\x.htm", false}, {"C:\\web\\_vti_x.htm", false},
        {"C:\\web\\my_vti_x.htm", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(Module1::IsWebPage(c.path, extensions, '\\'), c.page);
    }
    EXPECT_FALSE(Module1::IsWebPage("/web/a.htm", {}));
}

// The order the walk must produce, computed independently from Qt's unsorted listing: a folder's
// files in listing order, then its sub-folders' subtrees, the last listed first.
void ReferenceWalk(const std::string& folder, std::vector<std::string>& files) {
    std::vector<std::string> subfolders;
    QDirIterator it(QString::fromStdString(folder),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.fileName().startsWith('.')) continue;
        const std::string full = folder + info.fileName().toStdString();
        if (info.isDir())
            subfolders.push_back(full + "/");
        else
            files.push_back(full);
    }
    for (auto sub = subfolders.rbegin(); sub != subfolders.rend(); ++sub)
        ReferenceWalk(*sub, files);
}

TEST_F(WebFileScanner, WalkCollectsEveryFileDepthFirstLastListedFolderFirst) {
    for (const char* name :
         {"a.htm", "b.txt", "one/x.htm", "one/deep/y.htm", "one/deep/z.gif", "two/q.htm",
          "three/r.asp", "three/s/t/u.htm", ".git/config", ".hidden.htm", "two/.svn/entries.htm"})
        writeFile(name, "x");
    fs::create_directories(site + "empty");
    std::vector<std::string> found = {"", "stale"};
    EXPECT_FALSE(Module1::WalkDirectory(site, found, true, pump));
    std::vector<std::string> expected = {""};
    ReferenceWalk(site, expected);
    EXPECT_EQ(found, expected);
    EXPECT_EQ(found.size(), 9u);  // 8 files + the placeholder; nothing behind a dot
    EXPECT_GE(pump.yields, 8);    // once per folder listed
}

TEST_F(WebFileScanner, FillListsTickedPagesSortedAndReportsIt) {
    for (const char* name : {"index.htm", "INDEX2.HTM", "a.shtml", "a.htm.bak", "bild.gif",
                             "my_vti_x.htm", "_vti_cnf/index.htm", "_VTI_PVT/x.htm", ".svn/s.htm",
                             ".htm", "Über uns/Kontakt Seite.html", "alt/ro.asp"})
        writeFile(name, "<html>");
    ::chmod((site + "alt/ro.asp").c_str(), 0444);

    const auto outcome = Module1::FillPageList(context, site);
    ASSERT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.pagesAdded, 6);
    EXPECT_EQ(ListedTexts(list),
              (std::vector<std::string>{site + "a.shtml", site + "alt/ro.asp", site + "index.htm",
                                        site + "INDEX2.HTM", site + "my_vti_x.htm",
                                        site + "Über uns/Kontakt Seite.html"}));
    for (int row = 0; row < list.count(); ++row) EXPECT_TRUE(list.isTicked(row));
    EXPECT_TRUE(list.isSortingEnabled());
    EXPECT_EQ(state.WebRoot, site);
    EXPECT_EQ(state.WebRootDepth, std::count(site.begin(), site.end(), '/'));
    EXPECT_EQ(state.FoundFiles.size(), 11u);  // ten files outside dot names + the placeholder
    EXPECT_EQ(view.webRootLabels, std::vector<std::string>{site});
    EXPECT_EQ(view.statusTexts.back(), "Eintragung beendet");
    EXPECT_EQ(view.fileCountTexts.back(), "6 Dateien");
    EXPECT_EQ(view.busyStates, (std::vector<bool>{true, false}));
    EXPECT_EQ(view.runCommandsEnabled, 1);
    EXPECT_EQ(view.progressRanges.back(), std::make_pair(0, 10));
    EXPECT_EQ(view.progressValues.back(), 0);
    EXPECT_EQ(view.icons.size(), 1u);  // the preview was refreshed
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WebFileScanner, SameRootAgainKeepsTicksAndSecondRootAdds) {
    writeFile("a.htm", "");
    writeFile("b.htm", "");
    ASSERT_TRUE(Module1::FillPageList(context, site).completed);
    list.setTicked(list.find(site + "a.htm"), false);

    const auto again = Module1::FillPageList(context, site);
    EXPECT_EQ(again.pagesAdded, 0);
    EXPECT_EQ(list.count(), 2);
    EXPECT_FALSE(list.isTicked(list.find(site + "a.htm")));

    const std::string second = temp.path().toStdString() + "/other/deeper";
    fs::create_directories(second);
    std::ofstream(second + "/c.htm") << "";
    ASSERT_TRUE(Module1::FillPageList(context, second).completed);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(state.WebRoot, second + "/");
    EXPECT_EQ(state.WebRootDepth, std::count(second.begin(), second.end(), '/') + 1);
    EXPECT_FALSE(list.isTicked(list.find(site + "a.htm")));
}

TEST_F(WebFileScanner, LinksToFilesAreListedLinksToFoldersNeverFollowed) {
    writeFile("real.htm", "");
    writeFile("sub/page.htm", "");
    const std::string outside = temp.path().toStdString() + "/outside/";
    fs::create_directories(outside);
    std::ofstream(outside + "far.htm") << "";
    fs::create_directory_symlink(site, site + "sub/loop");  // a loop back to the root
    fs::create_directory_symlink(outside, site + "elsewhere");
    fs::create_symlink(outside + "far.htm", site + "link.htm");
    fs::create_symlink(site + "gone.htm", site + "dangling.htm");

    const auto outcome = Module1::FillPageList(context, site);
    ASSERT_TRUE(outcome.completed);
    EXPECT_EQ(ListedTexts(list), (std::vector<std::string>{site + "link.htm", site + "real.htm",
                                                           site + "sub/page.htm"}));
}

TEST_F(WebFileScanner, FolderVanishingDuringTheWalkLeavesEverythingAsItWas) {
    writeFile("kept.htm", "");
    ASSERT_TRUE(Module1::FillPageList(context, site).completed);
    list.setTicked(0, false);
    const auto foundBefore = state.FoundFiles;

    const std::string root2 = temp.path().toStdString() + "/root2/";
    for (const char* name : {"a.htm", "sub1/b.htm", "sub2/c.htm"}) {
        fs::create_directories(fs::path(root2 + name).parent_path());
        std::ofstream(root2 + name) << "";
    }
    // After the root is listed its sub-folders vanish before they are walked.
    pump.onYield = [&] {
        fs::remove_all(root2 + "sub1");
        fs::remove_all(root2 + "sub2");
    };
    const auto outcome = Module1::FillPageList(context, root2);
    pump.onYield = nullptr;

    EXPECT_FALSE(outcome.completed);
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->error.number, ENOENT);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Das Verzeichnis " + outcome.failure->path +
                  " konnte nicht gelesen werden: Datei oder Verzeichnis nicht gefunden [2].\r\r"
                  "Die Liste der Web-Seiten bleibt unverändert.");
    EXPECT_EQ(dialogs.messages[0].title, "Iconsmith");
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(ListedTexts(list), std::vector<std::string>{site + "kept.htm"});
    EXPECT_FALSE(list.isTicked(0));
    EXPECT_EQ(state.WebRoot, site);
    EXPECT_EQ(state.FoundFiles, foundBefore);
    EXPECT_FALSE(view.busyStates.back());
    EXPECT_FALSE(state.WorkInProgress);
}

TEST_F(WebFileScanner, UnreadableSubfolderIsReportedAndListUnchanged) {
    testsupport::PermissionsBind permissionsBind;
    if (!permissionsBind.active()) GTEST_SKIP() << "permissions cannot be made to bind here";
    writeFile("a.htm", "");
    writeFile("locked/b.htm", "");
    ::chmod((site + "locked").c_str(), 0);
    const auto outcome = Module1::FillPageList(context, site);
    ::chmod((site + "locked").c_str(), 0755);
    EXPECT_FALSE(outcome.completed);
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->path, site + "locked/");
    EXPECT_EQ(outcome.failure->error.number, EACCES);
    EXPECT_EQ(list.count(), 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("Zugriff verweigert [13]"), std::string::npos);
}

TEST_F(WebFileScanner, RootThatIsNoUsableFolderIsReported) {
    const std::string file = writeFile("file.htm", "");
    for (const std::string& root : {file, site + "missing"}) {
        SCOPED_TRACE(root);
        dialogs.messages.clear();
        const auto outcome = Module1::FillPageList(context, root);
        EXPECT_FALSE(outcome.completed);
        EXPECT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(list.count(), 0);
        EXPECT_TRUE(state.WebRoot.empty());
        EXPECT_EQ(view.runCommandsEnabled, 0);
    }
}

TEST_F(WebFileScanner, FileCountFollowsEverySixtyFourthFileAndTheEnd) {
    for (int i = 0; i < 100; ++i) writeFile("p" + std::to_string(i) + ".htm", "");
    for (int i = 0; i < 30; ++i) writeFile("i" + std::to_string(i) + ".gif", "");
    ASSERT_TRUE(Module1::FillPageList(context, site).completed);
    ASSERT_EQ(view.fileCountTexts.size(), 3u);  // after the 64th and 128th file, and at the end
    EXPECT_EQ(view.fileCountTexts[2], "100 Dateien");
    EXPECT_EQ(state.ListFillTick, 130 % 64);
    // The status showed the fill going on before it said it was done.
    EXPECT_EQ(view.statusTexts.front().rfind("Die Liste wird aufgefüllt: " + site, 0), 0u);
}

TEST_F(WebFileScanner, EmptyTreeKeepsTheListAndFinishesNormally) {
    list.insertAtTop("/earlier/a.htm");
    const auto outcome = Module1::FillPageList(context, site);
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(ListedTexts(list), std::vector<std::string>{"/earlier/a.htm"});
    EXPECT_EQ(view.progressRanges.back(), std::make_pair(0, 0));
    EXPECT_EQ(view.statusTexts.back(), "Eintragung beendet");
    EXPECT_EQ(view.fileCountTexts.back(), "1 Dateien");
    EXPECT_EQ(view.runCommandsEnabled, 1);
}

TEST_F(WebFileScanner, ChooseWebRootAsksAndCancellingChangesNothing) {
    writeFile("a.htm", "");
    FixedChooser chooser;
    EXPECT_FALSE(Module1::ChooseWebRoot(context, chooser).completed);
    EXPECT_EQ(chooser.prompts,
              std::vector<std::string>{"Wo liegt das Hauptverzeichnis Ihrer lokalen Web-Dateien?"});
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(view.webRootLabels.empty());
    EXPECT_TRUE(view.busyStates.empty());

    chooser.answer = site;
    EXPECT_TRUE(Module1::ChooseWebRoot(context, chooser).completed);
    EXPECT_EQ(list.count(), 1);
}

TEST_F(WebFileScanner, ClearFileListEmptiesListAndLabelButKeepsTheRoot) {
    writeFile("a.htm", "");
    ASSERT_TRUE(Module1::FillPageList(context, site).completed);
    Module1::ClearFileList(context);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(view.fileCountTexts.back(), "0 Dateien");
    EXPECT_EQ(view.webRootLabels.back(), "(Bitte Pfad angeben ...)");
    EXPECT_EQ(state.WebRoot, site);
}

TEST_F(WebFileScanner, AddingOnePageOutsideAFillGoesToTheTop) {
    list.insertAtTop("/w/z.htm");
    EXPECT_TRUE(Module1::AddPageToList(context, "/w/a.htm"));
    EXPECT_FALSE(Module1::AddPageToList(context, "/w/a.htm"));
    EXPECT_FALSE(Module1::AddPageToList(context, "/w/a.txt"));
    EXPECT_EQ(list.text(0), "/w/a.htm");
    EXPECT_EQ(view.statusTexts, std::vector<std::string>{"Die Liste wird aufgefüllt: /w/a.htm"});
    EXPECT_EQ(state.ListFillTick, 3);
}

TEST_F(WebFileScanner, SecondFillStartedFromInsideAYieldDoesNothing) {
    writeFile("a.htm", "");
    writeFile("sub/b.htm", "");
    Module1::FillOutcome nested;
    pump.onYield = [&] {
        pump.onYield = nullptr;
        nested = Module1::FillPageList(context, site);
    };
    EXPECT_TRUE(Module1::FillPageList(context, site).completed);
    EXPECT_FALSE(nested.completed);
    EXPECT_EQ(list.count(), 2);
}

}  // namespace
