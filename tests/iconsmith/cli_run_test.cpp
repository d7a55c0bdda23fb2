// The built iconsmith-cli, run as a separate process on a copy of a small multi-level web site.
// Each test copies the program into its own folder, so options.ini and Application.log beside it
// belong to the test alone.
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>

#include "iconsmith/icons/icon_collection.h"
#include "tests/support/file_helpers.h"

namespace {

namespace fs = std::filesystem;

using testsupport::ReadBytes;
using testsupport::WriteBytes;

// Everything a run could change about a file: its bytes, its modification time to the
// nanosecond and its permission bits.
struct FileState {
    std::string bytes;
    long long mtimeNs = 0;
    unsigned mode = 0;
    bool operator==(const FileState&) const = default;
};
using TreeState = std::map<std::string, FileState>;

void PrintTo(const FileState& state, std::ostream* os) {
    *os << state.bytes.size() << " bytes, mtime " << state.mtimeNs << " ns, mode " << std::oct
        << state.mode << std::dec;
}

TreeState Snapshot(const fs::path& root) {
    TreeState tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        struct stat info {};
        if (::lstat(entry.path().c_str(), &info) != 0) continue;
        FileState state;
        state.mtimeNs = info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec;
        state.mode = info.st_mode;
        if (S_ISREG(info.st_mode)) state.bytes = ReadBytes(entry.path());
        tree[fs::relative(entry.path(), root).string()] = state;
    }
    return tree;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string Element(const std::string& prefix) {
    return "<link rel=\"SHORTCUT ICON\" href=\"" + prefix + "favicon.ico\">";
}

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The sample site's pages that an insert run changes: the element goes directly after the head
// tag as the page spells it, or replaces the old reference in place.
struct ExpectedInsert {
    std::string page;
    std::string headTag;
    std::string prefix;
    std::string oldReference;  // empty: the page had none
};
const ExpectedInsert kInsertedPages[] = {
    {"index.htm", "<head>", "./", ""},
    {"impressum.html", "<HEAD>", "./", ""},
    {"über uns.htm", "<head>", "./", ""},
    {"kontakt.asp", "<head>", "./", ""},
    {"verein/geschichte.htm", "<head>", "../", ""},
    {"verein/termine/2026.shtml", "<head>", "../../",
     "<LINK REL=\"shortcut icon\" HREF=\"/favicon.ico\">"},
    {"verein/termine/archiv/2025.htm", "<head>", "../../../", ""},
    {"galerie/index.html", "<head>", "../", ""},
};

std::string ExpectedAfterInsert(const ExpectedInsert& expected, std::string text) {
    if (expected.oldReference.empty()) {
        text.insert(text.find(expected.headTag) + expected.headTag.size(),
                    Element(expected.prefix));
    } else {
        text.replace(text.find(expected.oldReference), expected.oldReference.size(),
                     Element(expected.prefix));
    }
    return text;
}

// Pages that stay as they are: no head, the right element already there, a head with attributes.
const char* const kUntouchedPages[] = {"ohne-kopf.htm", "verein/vorstand.htm",
                                       "verein/termine/archiv/2024.htm"};
// Pages that held a reference before the first run; all others come back byte for byte on remove.
const std::set<std::string> kPagesWithReference = {"verein/vorstand.htm",
                                                   "verein/termine/2026.shtml"};

class CliRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        programFolder_ = fs::path(temp_.path().toStdString()) / "programm";
        site_ = fs::path(temp_.path().toStdString()) / "web";
        fs::create_directory(programFolder_);
        fs::copy_file(ICONSMITH_CLI_PATH, programFolder_ / "iconsmith-cli");
        fs::copy(SAMPLE_SITE_DIR, site_, fs::copy_options::recursive);
        original_ = Snapshot(site_);
    }

    // stderrFd >= 0 becomes the program's standard error instead of a pipe.
    RunResult run(const std::vector<std::string>& args, int stderrFd = -1) {
        QStringList arguments;
        for (const auto& arg : args) arguments << QString::fromStdString(arg);
        QProcess process;
        // The program runs with an ordinary user's file access even when the tests run as root:
        // without these two capabilities, permission bits bind root too.
        process.setChildProcessModifier([stderrFd] {
            ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
            ::prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
            if (stderrFd >= 0) ::dup2(stderrFd, STDERR_FILENO);
        });
        process.start(QString::fromStdString((programFolder_ / "iconsmith-cli").string()),
                      arguments);
        EXPECT_TRUE(process.waitForFinished(120000)) << "iconsmith-cli did not end";
        RunResult result;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput().toStdString();
        result.err = process.readAllStandardError().toStdString();
        return result;
    }

    std::string page(const std::string& relative) const { return (site_ / relative).string(); }
    std::string sitePath() const { return site_.string(); }
    fs::path logPath() const { return programFolder_ / "Application.log"; }
    // The log is Windows-1252; Latin-1 decodes every character the sample site uses.
    std::string logText() const {
        return QString::fromLatin1(QByteArray::fromStdString(ReadBytes(logPath()))).toStdString();
    }

    // The set of paths named in "N: path" lines.
    static std::set<std::string> ChangedPages(const std::string& out) {
        std::set<std::string> pages;
        for (const auto& line : Lines(out)) {
            const auto colon = line.find(": /");
            if (colon != std::string::npos && colon > 0 &&
                line.find_first_not_of("0123456789") == colon)
                pages.insert(line.substr(colon + 2));
        }
        return pages;
    }

    std::set<std::string> expectedInsertPaths() const {
        std::set<std::string> paths;
        for (const auto& expected : kInsertedPages) paths.insert(page(expected.page));
        return paths;
    }

    QTemporaryDir temp_;
    fs::path programFolder_;
    fs::path site_;
    TreeState original_;
};

TEST_F(CliRunTest, InsertThenSecondRunThenRemoveRestoresTheSite) {
    const auto first = run({sitePath()});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.err, "") << "no progress bar and no notice when stderr is no terminal";
    EXPECT_EQ(ChangedPages(first.out), expectedInsertPaths()) << first.out;
    EXPECT_TRUE(Contains(first.out, "favicon.ico geschrieben: " + page("favicon.ico")));
    EXPECT_EQ(Lines(first.out).back(), "Ersetzen beendet: 8 Dateien verändert.");
    EXPECT_EQ(ReadBytes(page("favicon.ico")), Module1::DefaultIconBytes());
    for (const auto& expected : kInsertedPages) {
        SCOPED_TRACE(expected.page);
        EXPECT_EQ(ReadBytes(page(expected.page)),
                  ExpectedAfterInsert(expected, original_.at(expected.page).bytes));
    }
    for (const char* untouched : kUntouchedPages) {
        SCOPED_TRACE(untouched);
        EXPECT_EQ(Snapshot(site_).at(untouched), original_.at(untouched));
    }

    const std::string log = logText();
    EXPECT_TRUE(Contains(log, std::string(40, '_') + "\r\n"));
    EXPECT_TRUE(Contains(log, " Vizada&Didovuvi gestartet\r\nDateiliste:\r\n"));
    EXPECT_TRUE(Contains(log, ": " + page("über uns.htm") + "\r\n"));
    EXPECT_TRUE(Contains(log, "Anzahl veränderter Dateien: 8\r\n"));

    const auto afterFirst = Snapshot(site_);
    const auto second = run({sitePath()});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(second.out, "Ersetzen beendet: 0 Dateien verändert.\n");
    EXPECT_EQ(Snapshot(site_), afterFirst) << "a second run must not touch any file";
    EXPECT_TRUE(Contains(logText(), "Anzahl veränderter Dateien: 0\r\n"));

    const auto removed = run({"--remove", sitePath()});
    ASSERT_EQ(removed.exitCode, 0) << removed.err;
    std::set<std::string> expectedRemoved = expectedInsertPaths();
    expectedRemoved.insert(page("verein/vorstand.htm"));
    EXPECT_EQ(ChangedPages(removed.out), expectedRemoved);
    const auto afterRemove = Snapshot(site_);
    for (const auto& [path, state] : original_) {
        SCOPED_TRACE(path);
        if (kPagesWithReference.contains(path)) {
            EXPECT_FALSE(Contains(afterRemove.at(path).bytes, "SHORTCUT ICON"));
            EXPECT_FALSE(Contains(afterRemove.at(path).bytes, "shortcut icon"));
        } else if (S_ISREG(state.mode)) {
            EXPECT_EQ(afterRemove.at(path).bytes, state.bytes);
        }
    }
    EXPECT_EQ(ReadBytes(page("favicon.ico")), Module1::DefaultIconBytes())
        << "removing never touches favicon.ico";
}

TEST_F(CliRunTest, DryRunNamesThePagesAndWritesNothing) {
    struct Case {
        std::vector<std::string> extraArgs;
        bool insertFirst;  // run a real insert before the dry run
        std::string closingLine;
    };
    const Case cases[] = {
        {{}, false, "Probelauf beendet: 8 Dateien würden verändert."},
        {{"--remove"}, true, "Probelauf beendet: 9 Dateien würden verändert."},
        {{"--icon", "17", "--yes"}, true, "Probelauf beendet: 0 Dateien würden verändert."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.extraArgs));
        if (c.insertFirst) {
            ASSERT_EQ(run({sitePath()}).exitCode, 0);
        }
        const bool logBefore = fs::exists(logPath());
        const std::string log = logBefore ? ReadBytes(logPath()) : "";
        const auto before = Snapshot(site_);

        auto args = c.extraArgs;
        args.insert(args.begin(), "--dry-run");
        args.push_back(sitePath());
        const auto dry = run(args);
        ASSERT_EQ(dry.exitCode, 0) << dry.err;
        EXPECT_EQ(Lines(dry.out).back(), c.closingLine);
        EXPECT_EQ(Snapshot(site_), before);
        EXPECT_EQ(fs::exists(logPath()), logBefore);
        if (logBefore) {
            EXPECT_EQ(ReadBytes(logPath()), log);
        }

        // The real run changes exactly the pages the dry run named.
        args.erase(args.begin());
        const auto real = run(args);
        ASSERT_EQ(real.exitCode, 0) << real.err;
        EXPECT_EQ(ChangedPages(real.out), ChangedPages(dry.out));
        // A favicon.ico the dry run promised is written by the real run, and only then.
        EXPECT_EQ(Contains(dry.out, "favicon.ico würde geschrieben"),
                  Contains(real.out, "favicon.ico geschrieben"));
        fs::remove_all(site_);
        fs::copy(SAMPLE_SITE_DIR, site_, fs::copy_options::recursive);
        std::error_code ignored;
        fs::remove(logPath(), ignored);
    }
}

TEST_F(CliRunTest, WrongUsageAndUnusableRootsExitWithTwoAndTouchNothing) {
    WriteBytes(fs::path(temp_.path().toStdString()) / "kaputt.ico", "keine Icon-Datei");
    const std::string brokenIcon = temp_.filePath("kaputt.ico").toStdString();
    struct Case {
        std::vector<std::string> args;
        std::string errPart;
    };
    const Case cases[] = {
        {{}, "Hauptverzeichnis der Web-Seiten fehlt"},
        {{"--gibtsnicht", sitePath()}, "Unbekannte Option"},
        {{"--icon", "0", sitePath()}, "--icon erwartet"},
        {{sitePath(), sitePath()}, "Nur ein Hauptverzeichnis"},
        {{page("fehlt")}, "gibt es nicht"},
        {{page("index.htm")}, "ist kein Verzeichnis"},
        {{"--icon-file", brokenIcon, sitePath()}, "keine gültige Icon-Datei"},
        {{"--icon-file", page("fehlt.ico"), sitePath()}, "lässt sich nicht lesen"},
        {{"--icon-file", sitePath(), sitePath()}, "ist keine Datei"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const auto result = run(c.args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(Contains(result.err, c.errPart)) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(Snapshot(site_), original_);
        EXPECT_FALSE(fs::exists(logPath()));
    }
    const auto help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(Contains(help.out, "Aufruf: iconsmith-cli"));
}

// Whether permission bits can be made to bind the program (see run()).
bool PermissionsBind() {
    return ::geteuid() != 0 || ::prctl(PR_CAPBSET_READ, CAP_SETPCAP, 0, 0, 0) == 1;
}

TEST_F(CliRunTest, UnreadableRootOrSubfolderExitsWithTwoAndTouchesNothing) {
    if (!PermissionsBind()) GTEST_SKIP() << "cannot take root's file access away here";
    struct Case {
        std::string folder;
        std::string errPart;
    };
    const Case cases[] = {
        {"", "Das Hauptverzeichnis »" + sitePath() + "« lässt sich nicht lesen"},
        {"verein/termine", "termine"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        const fs::path folder = site_ / c.folder;
        const auto permissions = fs::status(folder).permissions();
        fs::permissions(folder, fs::perms::none);
        const auto result = run({sitePath()});
        fs::permissions(folder, permissions);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(Contains(result.err, c.errPart)) << result.err;
        EXPECT_EQ(Snapshot(site_), original_);
        EXPECT_FALSE(fs::exists(logPath()));
    }
}

TEST_F(CliRunTest, FailedPageIsNamedTheOthersAreDoneAndTheExitIsOne) {
    if (!PermissionsBind()) GTEST_SKIP() << "cannot take root's file access away here";
    struct Case {
        std::string name;
        std::string failingPage;
        fs::path lockedPath;  // given no permissions but these
        fs::perms lockedPerms;
    };
    const Case cases[] = {
        {"page cannot be read", "index.htm", "index.htm", fs::perms::none},
        {"page cannot be replaced", "verein/termine/archiv/2025.htm", "verein/termine/archiv",
         fs::perms::owner_read | fs::perms::owner_exec},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto before = Snapshot(site_);
        fs::permissions(site_ / c.lockedPath, c.lockedPerms);
        const auto result = run({sitePath()});
        fs::permissions(
            site_ / c.lockedPath,
            fs::perms::owner_read | fs::perms::owner_write |
                (fs::is_directory(site_ / c.lockedPath) ? fs::perms::owner_exec : fs::perms::none));
        EXPECT_EQ(result.exitCode, 1);
        const std::string failure = "Fehler bei Datei " + page(c.failingPage) + ": ";
        EXPECT_TRUE(Contains(result.err, failure)) << result.err;
        auto others = expectedInsertPaths();
        others.erase(page(c.failingPage));
        EXPECT_EQ(ChangedPages(result.out), others);
        EXPECT_EQ(Lines(result.out).back(), "Ersetzen beendet: 7 Dateien verändert.");
        EXPECT_TRUE(Contains(logText(), failure));
        EXPECT_EQ(ReadBytes(page(c.failingPage)), before.at(c.failingPage).bytes)
            << "a failed page keeps its content";
        for (const auto& entry : fs::recursive_directory_iterator(site_))
            EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos)
                << entry.path();

        fs::remove_all(site_);
        fs::copy(SAMPLE_SITE_DIR, site_, fs::copy_options::recursive);
        fs::remove(logPath());
    }
}

TEST_F(CliRunTest, ReadOnlyPageIsRewrittenAndKeepsItsOtherBits) {
    struct Case {
        std::string page;
        fs::perms before;
        fs::perms after;
    };
    using p = fs::perms;
    const Case cases[] = {
        {"index.htm", p::owner_read | p::group_read | p::others_read,
         p::owner_read | p::owner_write | p::group_read | p::others_read},
        {"verein/geschichte.htm", p::owner_read, p::owner_read | p::owner_write},
    };
    for (const auto& c : cases) fs::permissions(site_ / c.page, c.before);
    const auto result = run({sitePath()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        EXPECT_EQ(fs::status(site_ / c.page).permissions(), c.after);
        EXPECT_NE(ReadBytes(site_ / c.page), original_.at(c.page).bytes);
    }
}

TEST_F(CliRunTest, ExistingFaviconIsReplacedOnlyWithYes) {
    const std::string icon3 = Module1::IconFileBytes(3);
    const std::string icon5 = Module1::IconFileBytes(5);
    const std::string icon7 = Module1::IconFileBytes(7);
    const std::string damaged = "kein Icon";
    const fs::path icon7File = fs::path(temp_.path().toStdString()) / "eigenes.ico";
    WriteBytes(icon7File, icon7);
    struct Case {
        std::string name;
        std::optional<std::string> faviconBefore;
        std::vector<std::string> args;
        std::string faviconAfter;
        bool keptNotice;
    };
    const Case cases[] = {
        {"none, default icon", std::nullopt, {}, Module1::DefaultIconBytes(), false},
        {"none, --icon", std::nullopt, {"--icon", "5"}, icon5, false},
        {"none, --icon-file", std::nullopt, {"--icon-file", icon7File.string()}, icon7, false},
        {"existing, no icon chosen", icon3, {}, icon3, false},
        {"existing, --icon", icon3, {"--icon", "5"}, icon3, true},
        {"existing, --icon --yes", icon3, {"--icon", "5", "--yes"}, icon5, false},
        {"existing, --icon-file --yes",
         icon3,
         {"--yes", "--icon-file", icon7File.string()},
         icon7,
         false},
        {"damaged, kept", damaged, {}, damaged, true},
        {"damaged, --yes", damaged, {"--yes"}, Module1::DefaultIconBytes(), false},
        {"existing, --remove --yes", icon3, {"--remove", "--yes"}, icon3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(site_ / "favicon.ico");
        if (c.faviconBefore) WriteBytes(site_ / "favicon.ico", *c.faviconBefore);
        auto args = c.args;
        args.push_back(sitePath());
        const auto result = run(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(ReadBytes(site_ / "favicon.ico"), c.faviconAfter);
        EXPECT_EQ(Contains(result.err, "bleibt unverändert"), c.keptNotice) << result.err;
        EXPECT_EQ(Contains(result.out, "favicon.ico geschrieben"),
                  c.faviconAfter != c.faviconBefore.value_or(""));
    }
}

TEST_F(CliRunTest, ExtensionsComeFromOptionsIniUnlessGivenOnTheCommandLine) {
    WriteBytes(programFolder_ / "options.ini", "[Include]\r\nExtensions= ASP \r\n");
    struct Case {
        std::vector<std::string> args;
        std::set<std::string> changed;
    };
    const Case cases[] = {
        {{"--dry-run"}, {page("kontakt.asp")}},
        {{"--dry-run", "--extensions", "htm"},
         {page("index.htm"), page("über uns.htm"), page("verein/geschichte.htm"),
          page("verein/termine/archiv/2025.htm")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        auto args = c.args;
        args.push_back(sitePath());
        const auto result = run(args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(ChangedPages(result.out), c.changed);
    }
}

TEST_F(CliRunTest, ProgressBarAppearsOnATerminalAndLeavesThePageLinesClean) {
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal < 0) GTEST_SKIP() << "no pseudo terminals here";
    ASSERT_EQ(::grantpt(terminal), 0);
    ASSERT_EQ(::unlockpt(terminal), 0);
    const int stderrSide = ::open(::ptsname(terminal), O_RDWR | O_NOCTTY);
    ASSERT_GE(stderrSide, 0);
    const auto result = run({sitePath()}, stderrSide);
    ::close(stderrSide);
    std::string shown;
    ::fcntl(terminal, F_SETFL, O_NONBLOCK);
    char buffer[4096];
    for (ssize_t got; (got = ::read(terminal, buffer, sizeof buffer)) > 0;)
        shown.append(buffer, got);
    ::close(terminal);

    ASSERT_EQ(result.exitCode, 0) << shown;
    EXPECT_TRUE(Contains(shown, "\rBearbeitung [")) << shown;
    EXPECT_TRUE(Contains(shown, "% (")) << shown;
    // The bar is wiped at the end: the last thing on the terminal is blank.
    EXPECT_EQ(shown.back(), '\r') << shown;
    EXPECT_EQ(result.out.find('\r'), std::string::npos) << "the bar never reaches stdout";
    EXPECT_EQ(ChangedPages(result.out), expectedInsertPaths());
}

TEST_F(CliRunTest, SiteWithoutPagesSaysSo) {
    const fs::path empty = fs::path(temp_.path().toStdString()) / "leer";
    fs::create_directory(empty);
    WriteBytes(empty / "liesmich.txt", "keine Seite\n");
    const auto result = run({"--dry-run", empty.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(Contains(result.err, "gibt es keine Web-Seiten")) << result.err;
    EXPECT_EQ(Lines(result.out).back(), "Probelauf beendet: 0 Dateien würden verändert.");
}

}  // namespace
