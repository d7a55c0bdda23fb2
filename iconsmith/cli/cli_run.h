// One run of iconsmith-cli: the same engine steps as the window's "&Pfad" and "&Start", with the
// terminal as the view and the command-line flags answering the questions.
#pragma once

#include <cstdio>
#include <string>

#include "iconsmith/cli/cli_options.h"

namespace IconsmithCli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitPageFailed = 1;
inline constexpr int kExitUsage = 2;

struct CliStreams {
    std::FILE* out = stdout;     // changed pages and the closing line
    std::FILE* err = stderr;     // notices, errors and the progress bar
    bool progressBar = false;    // draw the bar on err (only when it is a terminal)
    bool outOnTerminal = false;  // out shares the terminal with the bar
};

// programFolder holds options.ini and Application.log (the executable's folder in real use).
int RunCli(const CliOptions& options, const std::string& programFolder, const CliStreams& streams);

}  // namespace IconsmithCli
