#include "iconsmith/engine/batch_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "iconsmith/engine/web_file_scanner.h"
#include "iconsmith/icons/icon_collection.h"
#include "shared/general/windows1252.h"
#include "tests/iconsmith/support/engine_fixture.h"
#include "tests/support/permissions_bind.h"

namespace {

namespace fs = std::filesystem;
using platform::Answer;

// A string literal with every byte, NUL included.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

const std::string kPage =
    "<html>\n<head>\n<title>Seite</title>\n</head>\n<body>Text</body>\n</html>\n";

std::string WithElement(const std::string& prefix) {
    return "<html>\n<head><link rel=\"SHORTCUT ICON\" href=\"" + prefix +
           "favicon.ico\">\n<title>Seite</title>\n</head>\n<body>Text</body>\n</html>\n";
}

const char* const kHint =
    "Hinweis: Im angegebenen Hauptverzeichnis Ihrer lokalen Web-Dateien befindet sich bereits eine "
    "Datei namens FAVICON.ICO. Sie haben jedoch ein anderes Icon gewählt, wodurch diese Datei "
    "überschrieben wird.\r\rBitte drücken Sie [OK], um diesen Vorgang zu quittieren.";
const char* const kDone = "Fertig: Alle Eintragungen abgeschlossen.";

class BatchRun : public testsupport::EngineFixture {
  protected:
    void fill() { ASSERT_TRUE(Module1::FillPageList(context, site).completed); }

    std::vector<std::string> logLines() const {
        const std::string text = RARUVOVOVA2DIVFU::FromWindows1252(readFile(logPath));
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
        return lines;
    }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : dialogs.messages) texts.push_back(m.text);
        return texts;
    }
};

TEST_F(BatchRun, InsertRunWritesTheDefaultIconRewritesPagesAndLogsEachChange) {
    writeFile("index.htm", kPage);
    writeFile("sub/a.htm", kPage);
    writeFile("sub/deeper/b.html", kPage);
    writeFile("nohead.htm", "<html>plain</html>");
    fill();
    EXPECT_TRUE(state.IconChanged);
    ASSERT_FALSE(Module1::DefaultIconBytes().empty());
    EXPECT_EQ(view.icons.back(), Module1::DefaultIconBytes());

    const auto outcome = Module1::StartSequence(context);

    EXPECT_EQ(outcome.changed, 3);
    EXPECT_EQ(readFile(site + "favicon.ico"), Module1::DefaultIconBytes());
    EXPECT_EQ(readFile(site + "index.htm"), WithElement("./"));
    EXPECT_EQ(readFile(site + "sub/a.htm"), WithElement("../"));
    EXPECT_EQ(readFile(site + "sub/deeper/b.html"), WithElement("../../"));
    EXPECT_EQ(readFile(site + "nohead.htm"), "<html>plain</html>");
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kDone});
    EXPECT_EQ(dialogs.messages[0].title, "Iconsmith");
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(view.statusTexts.back(), "Ersetzen beendet: 3 Dateien verändert.");
    EXPECT_FALSE(state.IconChanged);
    // List (sorted): index.htm, nohead.htm, sub/a.htm, sub/deeper/b.html; the last goes first.
    EXPECT_EQ(logLines(),
              (std::vector<std::string>{
                  std::string(40, '_'), "11.12.2026 14:03:59 Vizada&Didovuvi gestartet",
                  "Dateiliste:", "1: " + site + "sub/deeper/b.html", "2: " + site + "sub/a.htm",
                  "3: " + site + "index.htm", "Anzahl veränderter Dateien: 3"}));
    EXPECT_EQ(view.changedPages.size(), 3u);
    EXPECT_EQ(testsupport::FolderNames(site),
              (std::vector<std::string>{"favicon.ico", "index.htm", "nohead.htm", "sub"}));
}

TEST_F(BatchRun, SecondStartChangesNothingAndTouchesNoFile) {
    writeFile("index.htm", kPage);
    writeFile("sub/a.htm", kPage);
    fill();
    Module1::StartSequence(context);
    const auto past = fs::file_time_type::clock::now() - std::chrono::hours(24);
    for (const char* name : {"index.htm", "sub/a.htm", "favicon.ico"})
        fs::last_write_time(site + name, past);
    dialogs.messages.clear();

    const auto outcome = Module1::StartSequence(context);

    EXPECT_EQ(outcome.changed, 0);
    for (const char* name : {"index.htm", "sub/a.htm", "favicon.ico"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fs::last_write_time(site + name), past);
    }
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kDone});  // no hint: the icon is the file's
    EXPECT_EQ(view.statusTexts.back(), "Ersetzen beendet: 0 Dateien verändert.");
    EXPECT_EQ(logLines().back(), "Anzahl veränderter Dateien: 0");
}

TEST_F(BatchRun, PickedIconOverAnExistingFaviconAsksFirst) {
    struct Case {
        Answer answer;
        bool overwritten;
    };
    for (const Case c : {Case{Answer::Ok, true}, Case{Answer::Cancel, false}}) {
        SCOPED_TRACE(c.overwritten);
        fs::remove_all(site);
        writeFile("favicon.ico", Module1::DefaultIconBytes());
        writeFile("index.htm", kPage);
        list.clear();
        dialogs.messages.clear();
        fill();
        EXPECT_FALSE(state.IconChanged);
        Module1::TakePickedIcon(context, 17);
        ASSERT_FALSE(Module1::IconFileBytes(17).empty());
        EXPECT_EQ(view.icons.back(), Module1::IconFileBytes(17));
        dialogs.answers = {c.answer};

        const auto outcome = Module1::StartSequence(context);

        ASSERT_EQ(messageTexts(), (std::vector<std::string>{kHint, kDone}));
        EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::OkCancel);
        EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::None);
        const std::string expected =
            c.overwritten ? Module1::IconFileBytes(17) : Module1::DefaultIconBytes();
        EXPECT_EQ(readFile(site + "favicon.ico"), expected);
        EXPECT_EQ(state.CurrentIcon, expected);  // the preview shows the file again
        EXPECT_FALSE(state.IconChanged);
        EXPECT_EQ(outcome.changed, 1);  // pages are processed either way
    }
}

TEST_F(BatchRun, RemoveModeTakesTheElementOutAndNeverWritesTheIcon) {
    writeFile("index.htm", WithElement("./"));
    writeFile("sub/a.htm", WithElement("../"));
    fill();
    state.removeMode = true;

    const auto outcome = Module1::StartSequence(context);

    EXPECT_EQ(outcome.changed, 2);
    EXPECT_FALSE(fs::exists(site + "favicon.ico"));
    const std::string removed =
        "<html>\n<head>\n<title>Seite</title>\n</head>\n<body>Text</body>\n</html>\n";
    EXPECT_EQ(readFile(site + "index.htm"), removed);
    EXPECT_EQ(readFile(site + "sub/a.htm"), removed);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kDone});
}

TEST_F(BatchRun, FailedPageIsLoggedAndTheUserGoesOnOrStops) {
    struct Case {
        Answer answer;
        int changed;
        bool firstEntryChanged;
    };
    for (const Case c : {Case{Answer::Ok, 2, true}, Case{Answer::Cancel, 1, false}}) {
        SCOPED_TRACE(c.changed);
        fs::remove_all(site);
        fs::remove(logPath);
        for (const char* name : {"a.htm", "b.htm", "c.htm"}) writeFile(name, kPage);
        list.clear();
        fill();
        fs::remove(site + "b.htm");  // deleted between the scan and the run
        dialogs.messages.clear();
        dialogs.answers = {c.answer};

        const auto outcome = Module1::StartSequence(context);

        EXPECT_EQ(outcome.changed, c.changed);
        EXPECT_EQ(outcome.failed, 1);
        EXPECT_EQ(outcome.cancelled, c.answer == Answer::Cancel);
        EXPECT_EQ(readFile(site + "c.htm"), WithElement("./"));
        EXPECT_EQ(readFile(site + "a.htm"), c.firstEntryChanged ? WithElement("./") : kPage);
        const std::string path = site + "b.htm";
        ASSERT_EQ(messageTexts(),
                  (std::vector<std::string>{
                      "Folgende Datei liess sich nicht bearbeiten: \r\r" + path +
                          "\r\r(Datei oder Verzeichnis nicht gefunden (beim Lesen) [2])\r\r"
                          "Klicken Sie 'OK', um fortzusetzen oder 'Abbrechen' um die Aktion zu "
                          "beenden.",
                      kDone}));
        EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::OkCancel);
        EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::None);
        const auto lines = logLines();
        ASSERT_GE(lines.size(), 5u);
        EXPECT_EQ(lines[3], "1: " + site + "c.htm");
        EXPECT_EQ(lines[4], "Fehler bei Datei " + path +
                                ": Datei oder Verzeichnis nicht gefunden (beim Lesen) [2]");
        EXPECT_EQ(lines.back(), "Anzahl veränderter Dateien: " + std::to_string(c.changed));
        EXPECT_EQ(view.statusTexts.back(),
                  "Ersetzen beendet: " + std::to_string(c.changed) + " Dateien verändert.");
    }
}

TEST_F(BatchRun, ReadOnlyPageIsRewrittenAndKeepsItsOtherPermissionBits) {
    const std::string page = writeFile("ro.htm", kPage);
    ASSERT_EQ(::chmod(page.c_str(), 0454), 0);
    fill();
    Module1::StartSequence(context);
    EXPECT_EQ(readFile(page), WithElement("./"));
    EXPECT_EQ(fs::status(page).permissions(), static_cast<fs::perms>(0654));
}

TEST_F(BatchRun, PageThatCannotBeWrittenStaysIntactAndNoTemporaryFileIsLeft) {
    testsupport::PermissionsBind permissionsBind;
    if (!permissionsBind.active()) GTEST_SKIP() << "permissions cannot be made to bind here";
    const std::string page = writeFile("locked/p.htm", kPage);
    writeFile("favicon.ico", Module1::DefaultIconBytes());
    fill();
    ::chmod((site + "locked").c_str(), 0555);
    const auto outcome = Module1::RunBatch(context);
    ::chmod((site + "locked").c_str(), 0755);
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_EQ(readFile(page), kPage);
    EXPECT_EQ(testsupport::FolderNames(site + "locked"), std::vector<std::string>{"p.htm"});
    EXPECT_NE(logLines()[3].find("Zugriff verweigert (beim Schreiben) [13]"), std::string::npos);
}

TEST_F(BatchRun, PageBehindALinkIsRewrittenAndTheLinkStays) {
    const std::string target = temp.path().toStdString() + "/elsewhere.htm";
    std::ofstream(target, std::ios::binary) << kPage;
    fs::create_symlink(target, site + "link.htm");
    fill();
    Module1::StartSequence(context);
    EXPECT_TRUE(fs::is_symlink(site + "link.htm"));
    EXPECT_EQ(readFile(target), WithElement("./"));
}

TEST_F(BatchRun, UnusualPagesComeBackByteForByteOrWithJustTheElement) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;  // empty: unchanged
    };
    const std::string el = "<link rel=\"SHORTCUT ICON\" href=\"./favicon.ico\">";
    const Case cases[] = {
        {"empty.htm", "", ""},
        {"binary.htm", Bytes("\0\x01<\xff>\x89PNG\r\n\x1a\n<head"), ""},
        {"nul.htm", Bytes("<head>\0</head>"), "<head>" + el + Bytes("\0</head>")},
        {"cr only.htm", "<html>\r<head>\r</head>\r</html>",
         "<html>\r<head>" + el + "\r</head>\r</html>"},
        {"Über uns.htm", "<HEAD>\xE4\xF6\xFC</Head>", "<HEAD>" + el + "\xE4\xF6\xFC</Head>"},
        {"attrs.htm", "<head lang=de>\n</head>", ""},
        {"no end.htm", "<head>\n<title>x</title>", ""},
        {"big.htm", "<head>" + std::string(3 << 20, 'x') + "</head>",
         "<head>" + el + std::string(3 << 20, 'x') + "</head>"},
    };
    for (const Case& c : cases) writeFile(c.name, c.before);
    writeFile("favicon.ico", Module1::DefaultIconBytes());
    fill();
    Module1::StartSequence(context);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readFile(site + c.name), c.after.empty() ? c.before : c.after);
    }
    EXPECT_EQ(testsupport::FolderNames(site).size(),
              std::size(cases) + 1);  // no temporary file left anywhere
}

TEST_F(BatchRun, UntickedEntriesAreNeitherReadNorWritten) {
    writeFile("a.htm", kPage);
    writeFile("b.htm", kPage);
    fill();
    list.setTicked(list.find(site + "a.htm"), false);
    // A pipe in its place: reading it would count as a failure.
    fs::remove(site + "a.htm");
    ASSERT_EQ(::mkfifo((site + "a.htm").c_str(), 0644), 0);
    const auto outcome = Module1::RunBatch(context);
    EXPECT_EQ(outcome.changed, 1);
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_TRUE(fs::is_fifo(site + "a.htm"));
}

TEST_F(BatchRun, PipeInPlaceOfAPageIsRefusedWithoutWaiting) {
    writeFile("a.htm", kPage);
    fill();
    fs::remove(site + "a.htm");
    ASSERT_EQ(::mkfifo((site + "a.htm").c_str(), 0644), 0);
    const auto outcome = Module1::RunBatch(context);
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_EQ(view.failedPages.at(0).second.description, "Keine gewöhnliche Datei (beim Lesen)");
}

TEST_F(BatchRun, EmptyListIsReportedThenTheRunEnds) {
    const auto outcome = Module1::StartSequence(context);
    EXPECT_TRUE(outcome.emptyList);
    EXPECT_EQ(messageTexts(),
              (std::vector<std::string>{
                  "Bitte legen Sie zunächst das Hauptverzeichnis Ihrer lokalen Web-Seiten fest.",
                  kDone}));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_FALSE(fs::exists(logPath));
}

TEST_F(BatchRun, DamagedFaviconShowsTheDefaultIconAndIsOfferedForReplacement) {
    writeFile("favicon.ico", "this is no icon");
    writeFile("index.htm", kPage);
    fill();
    EXPECT_EQ(view.icons.back(), Module1::DefaultIconBytes());
    EXPECT_TRUE(state.IconChanged);
    Module1::StartSequence(context);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{kHint, kDone}));
    EXPECT_EQ(readFile(site + "favicon.ico"), Module1::DefaultIconBytes());
    EXPECT_FALSE(state.IconChanged);
}

TEST_F(BatchRun, FaviconThatCannotBeWrittenIsOfferedAgain) {
    fs::create_directories(site + "favicon.ico");  // a folder where the file should go
    writeFile("index.htm", kPage);
    fill();
    dialogs.answers = {Answer::Yes, Answer::No};
    Module1::StartSequence(context);
    const std::string question =
        "Die Datei FAVICON.ICO konnte nicht im angegebenen Hauptverzeichnis Ihrer lokalen "
        "Web-Dateien erstellt werden (Ist ein Verzeichnis (Code 21)).\r\rMöchten Sie es nochmals "
        "versuchen?";
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{question, question, kDone}));
    EXPECT_EQ(dialogs.messages[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(dialogs.messages[0].defaultButton, platform::DefaultButton::Second);
    EXPECT_EQ(readFile(site + "index.htm"), WithElement("./"));  // the pages went on
}

TEST_F(BatchRun, TakePickedIconAcceptsOnlyCollectionNumbers) {
    state.CurrentIcon = "current";
    for (int number : {0, -1, Module1::IconCount() + 1}) {
        SCOPED_TRACE(number);
        Module1::TakePickedIcon(context, number);
        EXPECT_EQ(state.CurrentIcon, "current");
        EXPECT_FALSE(state.IconChanged);
    }
    Module1::TakePickedIcon(context, Module1::IconCount());
    EXPECT_EQ(state.CurrentIcon, Module1::IconFileBytes(Module1::IconCount()));
    EXPECT_TRUE(state.IconChanged);
}

TEST_F(BatchRun, ModeIsReadAnewForEveryPage) {
    writeFile("a.htm", kPage);
    writeFile("b.htm", kPage);
    fill();
    pump.onYield = [&] { state.removeMode = true; };  // the user switches to "lös&chen" meanwhile
    const auto outcome = Module1::RunBatch(context);
    EXPECT_EQ(outcome.changed, 1);
    EXPECT_EQ(readFile(site + "b.htm"), WithElement("./"));
    EXPECT_EQ(readFile(site + "a.htm"), kPage);
}

TEST_F(BatchRun, DryRunReportsChangesAndWritesNothing) {
    writeFile("a.htm", kPage);
    fill();
    const auto outcome = Module1::RunBatch(context, {.dryRun = true, .stopRequested = {}});
    EXPECT_EQ(outcome.changed, 1);
    EXPECT_EQ(view.changedPages, (std::vector<std::pair<int, std::string>>{{1, site + "a.htm"}}));
    EXPECT_EQ(readFile(site + "a.htm"), kPage);
    EXPECT_FALSE(fs::exists(logPath));
}

TEST_F(BatchRun, ListsLongerThanASixteenBitIndexAreRunToTheEnd) {
    const std::string first = writeFile("first.htm", kPage);
    const std::string last = writeFile("last.htm", kPage);
    state.WebRoot = site;
    state.WebRootDepth = static_cast<int32_t>(std::count(site.begin(), site.end(), '/'));
    std::vector<std::string> texts{last};
    for (int i = 0; i < 40000; ++i) texts.push_back(site + "none" + std::to_string(i) + ".htm");
    texts.push_back(first);
    list.insertManyAtTop(texts, false);  // the last added stands first
    list.setTicked(0, true);
    list.setTicked(list.count() - 1, true);
    const auto outcome = Module1::RunBatch(context);
    EXPECT_EQ(outcome.changed, 2);
    EXPECT_EQ(readFile(first), WithElement("./"));
    EXPECT_EQ(readFile(last), WithElement("./"));
}

}  // namespace

namespace {

TEST_F(BatchRun, StopRequestEndsTheRunAfterTheCurrentEntry) {
    for (const char* name : {"a.htm", "b.htm", "c.htm"}) writeFile(name, kPage);
    fill();
    int asked = 0;
    const auto outcome =
        Module1::RunBatch(context, {.stopRequested = [&] { return ++asked == 1; }});
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(outcome.changed, 1);
    EXPECT_EQ(readFile(site + "c.htm"), WithElement("./"));
    EXPECT_EQ(readFile(site + "a.htm"), kPage);
    EXPECT_EQ(logLines().back(), "Anzahl veränderter Dateien: 1");
    EXPECT_EQ(view.statusTexts.back(), "Ersetzen beendet: 1 Dateien verändert.");
}

TEST_F(BatchRun, WithoutACurrentIconTheDefaultIconIsWritten) {
    writeFile("favicon.ico", Module1::DefaultIconBytes());
    state.WebRoot = site;
    state.IconChanged = true;
    state.CurrentIcon.clear();
    dialogs.answers = {Answer::Ok};
    EXPECT_TRUE(Module1::WriteFavicon(context));
    EXPECT_EQ(readFile(site + "favicon.ico"), Module1::DefaultIconBytes());
}

}  // namespace
