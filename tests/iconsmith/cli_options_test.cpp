// Command-line parsing of iconsmith-cli and its progress bar line.
#include <gtest/gtest.h>

#include "iconsmith/cli/cli_options.h"
#include "iconsmith/cli/terminal_progress.h"

namespace IconsmithCli {
namespace {

constexpr int kIcons = 511;

TEST(CliOptionsTest, AcceptedCommandLines) {
    using Ext = std::vector<std::string>;
    struct Case {
        std::vector<std::string> args;
        bool removeMode;
        int iconNumber;
        std::string iconFile;
        std::optional<Ext> extensions;
        bool dryRun;
        bool yes;
        std::string root;
    };
    const Case cases[] = {
        {{"web"}, false, 0, "", std::nullopt, false, false, "web"},
        {{"--remove", "--dry-run", "/srv/web"}, true, 0, "", std::nullopt, true, false, "/srv/web"},
        {{"--icon", "511", "--yes", "w"}, false, 511, "", std::nullopt, false, true, "w"},
        {{"w", "--icon=1"}, false, 1, "", std::nullopt, false, false, "w"},
        {{"--icon-file", "mein icon.ico", "w"},
         false,
         0,
         "mein icon.ico",
         std::nullopt,
         false,
         false,
         "w"},
        {{"--icon-file=a=b.ico", "w"}, false, 0, "a=b.ico", std::nullopt, false, false, "w"},
        {{"--extensions", " HTM , .Php,,", "w"},
         false,
         0,
         "",
         Ext{".htm", ".php"},
         false,
         false,
         "w"},
        {{"--extensions=htm", "w"}, false, 0, "", Ext{".htm"}, false, false, "w"},
        // After "--" everything is the root, also a name that looks like an option.
        {{"--yes", "--", "--remove"}, false, 0, "", std::nullopt, false, true, "--remove"},
        {{"-"}, false, 0, "", std::nullopt, false, false, "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const auto result = ParseCliOptions(c.args, kIcons);
        ASSERT_EQ(result.outcome, ParseOutcome::Run) << result.error;
        EXPECT_EQ(result.options.removeMode, c.removeMode);
        EXPECT_EQ(result.options.iconNumber, c.iconNumber);
        EXPECT_EQ(result.options.iconFile, c.iconFile);
        EXPECT_EQ(result.options.extensions, c.extensions);
        EXPECT_EQ(result.options.dryRun, c.dryRun);
        EXPECT_EQ(result.options.yes, c.yes);
        EXPECT_EQ(result.options.root, c.root);
    }
}

TEST(CliOptionsTest, WrongUsageIsRejectedWithAReason) {
    struct Case {
        std::vector<std::string> args;
        std::string reasonPart;
    };
    const Case cases[] = {
        {{}, "Hauptverzeichnis der Web-Seiten fehlt"},
        {{"--yes"}, "Hauptverzeichnis der Web-Seiten fehlt"},
        {{"a", "b"}, "Nur ein Hauptverzeichnis"},
        {{""}, "leer"},
        {{"--frobnicate", "w"}, "Unbekannte Option »--frobnicate«"},
        {{"-r", "w"}, "Unbekannte Option »-r«"},
        {{"--icon"}, "--icon braucht einen Wert"},
        {{"--icon", "0", "w"}, "von 1 bis 511, nicht »0«"},
        {{"--icon", "512", "w"}, "nicht »512«"},
        {{"--icon", "12x", "w"}, "nicht »12x«"},
        {{"--icon", "-3", "w"}, "nicht »-3«"},
        {{"--icon=", "w"}, "nicht »«"},
        {{"--icon", "99999999999999", "w"}, "nicht »99999999999999«"},
        {{"--icon-file=", "w"}, "Dateinamen"},
        {{"--extensions", " , ", "w"}, "mindestens eine Endung"},
        {{"--icon", "3", "--icon-file", "x.ico", "w"}, "schließen einander aus"},
        {{"--remove", "--icon", "3", "w"}, "--remove schreibt kein Icon"},
        {{"--yes", "--yes", "w"}, "--yes ist mehrfach angegeben"},
        {{"--icon=1", "--icon", "2", "w"}, "--icon ist mehrfach angegeben"},
        {{"--dry-run=1", "w"}, "nimmt keinen Wert an"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const auto result = ParseCliOptions(c.args, kIcons);
        EXPECT_EQ(result.outcome, ParseOutcome::UsageError);
        EXPECT_NE(result.error.find(c.reasonPart), std::string::npos) << result.error;
    }
}

TEST(CliOptionsTest, HelpAndVersionEndTheParseUnlessAnUnknownOptionCameFirst) {
    EXPECT_EQ(ParseCliOptions({"--frobnicate", "--help"}, kIcons).outcome,
              ParseOutcome::UsageError);
    EXPECT_EQ(ParseCliOptions({"a", "b", "-h"}, kIcons).outcome, ParseOutcome::ShowHelp);
    EXPECT_EQ(ParseCliOptions({"--version"}, kIcons).outcome, ParseOutcome::ShowVersion);
}

TEST(CliOptionsTest, HelpNamesEveryOptionAndExitCode) {
    const std::string help = HelpText(kIcons);
    for (const char* part :
         {"--remove", "--icon N", "--icon-file DATEI", "--extensions LISTE", "--dry-run", "--yes",
          "--help", "1 bis 511", "options.ini", "Application.log", "  0  ", "  1  ", "  2  "}) {
        SCOPED_TRACE(part);
        EXPECT_NE(help.find(part), std::string::npos);
    }
}

TEST(TerminalProgressTest, BarLineClampsAndSurvivesAnEmptyRange) {
    struct Case {
        int64_t value;
        int64_t maximum;
        std::string line;
    };
    const Case cases[] = {
        {0, 10, "Lauf [..........]   0% (0/10)"},
        {5, 10, "Lauf [#####.....]  50% (5/10)"},
        {10, 10, "Lauf [##########] 100% (10/10)"},
        {15, 10, "Lauf [##########] 100% (10/10)"},
        {-4, 10, "Lauf [..........]   0% (0/10)"},
        {1, 3, "Lauf [###.......]  33% (1/3)"},
        {0, 0, "Lauf [..........]   0% (0/0)"},
        {3, -1, "Lauf [..........]   0% (0/0)"},
        {99999, 100000, "Lauf [#########.]  99% (99999/100000)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(ProgressBarLine("Lauf", c.value, c.maximum, 10), c.line);
    }
}

}  // namespace
}  // namespace IconsmithCli
