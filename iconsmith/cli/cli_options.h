// Command line of iconsmith-cli: what the user asked for, the German help text and the usage line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace IconsmithCli {

struct CliOptions {
    bool removeMode = false;
    int iconNumber = 0;    // 1 … icon count; 0 = none given
    std::string iconFile;  // empty = none given
    // Page extensions from --extensions (".htm" form); std::nullopt = take them from options.ini.
    std::optional<std::vector<std::string>> extensions;
    bool dryRun = false;
    bool yes = false;
    std::string root;
};

enum class ParseOutcome {
    Run,          // options hold a complete request
    ShowHelp,     // --help
    ShowVersion,  // --version
    UsageError,   // error holds the German reason
};

struct ParseResult {
    ParseOutcome outcome = ParseOutcome::UsageError;
    CliOptions options;
    std::string error;
};

// args without the program name. iconCount bounds --icon.
ParseResult ParseCliOptions(const std::vector<std::string>& args, int iconCount);

// Turns "htm, HTML,.asp" into ".htm", ".html", ".asp"; empty elements are dropped.
std::vector<std::string> ParseExtensionList(std::string_view list);

std::string UsageLine();
std::string HelpText(int iconCount);

}  // namespace IconsmithCli
