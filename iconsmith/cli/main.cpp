// iconsmith-cli: Iconsmith's favicon page engine for scripts and site pipelines.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "iconsmith/cli/cli_options.h"
#include "iconsmith/cli/cli_run.h"
#include "iconsmith/engine/iconsmith_identity.h"
#include "iconsmith/icons/icon_collection.h"
#include "shared/general/program_folder.h"
#include "shared/general/program_identity.h"

int main(int argc, char* argv[]) {
    using namespace IconsmithCli;
    RARUVOVOVA2DIVFU::UseProgramIdentity(Module1::kIconsmith);

    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = ParseCliOptions(args, Module1::IconCount());
    switch (parsed.outcome) {
        case ParseOutcome::ShowHelp:
            std::fputs(HelpText(Module1::IconCount()).c_str(), stdout);
            return kExitSuccess;
        case ParseOutcome::ShowVersion:
            std::printf("iconsmith-cli %s\n", RARUVOVOVA2DIVFU::AppVersionText(1).c_str());
            return kExitSuccess;
        case ParseOutcome::UsageError:
            std::fprintf(stderr, "iconsmith-cli: %s\n%sMehr mit: iconsmith-cli --help\n",
                         parsed.error.c_str(), UsageLine().c_str());
            return kExitUsage;
        case ParseOutcome::Run:
            break;
    }
    const CliStreams streams{stdout, stderr, ::isatty(STDERR_FILENO) == 1,
                             ::isatty(STDOUT_FILENO) == 1};
    return RunCli(parsed.options, RARUVOVOVA2DIVFU::AppFolder(), streams);
}
