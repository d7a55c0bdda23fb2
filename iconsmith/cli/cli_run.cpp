#include "iconsmith/cli/cli_run.h"

#include <dirent.h>
#include <sys/stat.h>

#include <csignal>

#include <QDateTime>
#include <QLocale>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "iconsmith/cli/terminal_progress.h"
#include "iconsmith/engine/batch_run.h"
#include "iconsmith/engine/engine_context.h"
#include "iconsmith/engine/web_file_scanner.h"
#include "iconsmith/icons/ico_format.h"
#include "shared/general/date_time_text.h"
#include "shared/general/text_operations.h"
#include "shared/services/log_file.h"
#include "shared/services/shell_launch.h"

namespace IconsmithCli {
namespace {

// The first Ctrl-C (or SIGTERM) during a run is noted here and ends the run after the current page;
// the handler then falls back to the default, so a second one ends the program at once.
volatile std::sig_atomic_t gStopSignal = 0;

extern "C" void NoteStopSignal(int signal) {
    gStopSignal = signal;
}

// Catches SIGINT and SIGTERM while it lives; the previous handlers come back afterwards.
class StopSignals {
  public:
    StopSignals() {
        gStopSignal = 0;
        struct sigaction action {};
        action.sa_handler = NoteStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        ::sigaction(SIGINT, &action, &oldInterrupt_);
        ::sigaction(SIGTERM, &action, &oldTerminate_);
    }
    ~StopSignals() {
        ::sigaction(SIGINT, &oldInterrupt_, nullptr);
        ::sigaction(SIGTERM, &oldTerminate_, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    static bool stopRequested() { return gStopSignal != 0; }
    static int signal() { return gStopSignal; }

  private:
    struct sigaction oldInterrupt_ {};
    struct sigaction oldTerminate_ {};
};

std::string Quoted(const std::string& text) {
    return "»" + text + "«";
}

// Engine messages separate paragraphs with carriage returns; a terminal wants line feeds.
std::string TerminalText(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

// Prints lines on stdout or stderr without tearing the progress bar: the bar is wiped first and
// comes back with the next progress step.
class Terminal {
  public:
    explicit Terminal(const CliStreams& streams)
        : streams_(streams), progress_(streams.err, streams.progressBar) {}

    TerminalProgress& progress() { return progress_; }

    void out(const std::string& line) { print(streams_.out, line); }
    void err(const std::string& line) { print(streams_.err, line); }

  private:
    void print(std::FILE* stream, const std::string& line) {
        if (stream == streams_.err || streams_.outOnTerminal) progress_.clear();
        std::fputs(line.c_str(), stream);
        std::fputc('\n', stream);
        // Keep stdout and stderr in order when both go to the same place.
        if (stream == streams_.err) std::fflush(streams_.out);
        std::fflush(stream);
    }

    CliStreams streams_;
    TerminalProgress progress_;
};

class TerminalView final : public Module1::EngineView {
  public:
    explicit TerminalView(Terminal& terminal) : terminal_(terminal) {}

    void setProgressRange(int minimum, int maximum) override {
        terminal_.progress().setRange(minimum, maximum);
    }
    void setProgressValue(int value) override { terminal_.progress().setValue(value); }

    void pageChanged(int counter, const std::string& path) override {
        terminal_.out(std::to_string(counter) + ": " + path);
    }
    void pageFailed(const std::string& path, const RARUVOVOVA2DIVFU::ErrorRecord& error) override {
        ++failures_;
        terminal_.err("Fehler bei Datei " + path + ": " + error.description + " [" +
                      std::to_string(error.number) + "]");
    }

    int failures() const { return failures_; }

  private:
    Terminal& terminal_;
    int failures_ = 0;
};

// Answers the engine's questions from the command line, since nobody is there to click.
class FlagDialogs final : public platform::Dialogs {
  public:
    enum class Phase { Listing, Favicon, Pages };

    FlagDialogs(Terminal& terminal, bool yes) : terminal_(terminal), yes_(yes) {}

    void setPhase(Phase phase) { phase_ = phase; }
    bool faviconKept() const { return faviconKept_; }
    bool faviconFailed() const { return faviconFailed_; }

    platform::Answer message(const std::string& text, const std::string& /*title*/,
                             platform::MessageButtons buttons, platform::MessageIcon /*icon*/,
                             platform::DefaultButton /*defaultButton*/) override {
        using platform::Answer;
        using platform::MessageButtons;
        if (phase_ == Phase::Favicon && buttons == MessageButtons::OkCancel) {
            // The hint that an existing favicon.ico would be overwritten.
            if (yes_) return Answer::Ok;
            faviconKept_ = true;
            terminal_.err(
                "Hinweis: Das Hauptverzeichnis hat bereits ein favicon.ico; es bleibt "
                "unverändert. Mit --yes wird es durch das gewählte Icon ersetzt.");
            return Answer::Cancel;
        }
        if (phase_ == Phase::Favicon && buttons == MessageButtons::YesNo) {
            // favicon.ico could not be written; retrying at once would fail the same way.
            faviconFailed_ = true;
            terminal_.err(TerminalText(text));
            return Answer::No;
        }
        if (phase_ == Phase::Pages && buttons == MessageButtons::OkCancel) {
            // Whether to go on after a failed page: always, the failure is already named.
            return Answer::Ok;
        }
        terminal_.err(TerminalText(text));
        if (buttons == MessageButtons::YesNo) return Answer::No;
        return buttons == MessageButtons::OkCancel ? Answer::Cancel : Answer::Ok;
    }

    std::string input(const std::string& /*prompt*/, const std::string& /*title*/,
                      const std::string& /*preset*/) override {
        return {};
    }

  private:
    Terminal& terminal_;
    bool yes_;
    Phase phase_ = Phase::Listing;
    bool faviconKept_ = false;
    bool faviconFailed_ = false;
};

// The date line of the run log, in the same form as the window program writes it.
class SystemClock final : public platform::Clock {
  public:
    std::string nowText() override {
        return RARUVOVOVA2DIVFU::GeneralDateTimeText(QLocale::system(),
                                                     QDateTime::currentDateTime());
    }
    int currentYear() override { return QDate::currentDate().year(); }
};

std::string AbsoluteRoot(const std::string& root) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(root, error);
    if (error) path = root;
    std::string text = path.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

// Empty when root is a readable folder, else the reason in German.
std::string RootProblem(const std::string& root) {
    struct stat info {};
    if (::stat(root.c_str(), &info) != 0) {
        const int errorNumber = errno;
        if (errorNumber == ENOENT || errorNumber == ENOTDIR)
            return "Das Hauptverzeichnis " + Quoted(root) + " gibt es nicht.";
        return "Das Hauptverzeichnis " + Quoted(root) + " lässt sich nicht lesen: " +
               RARUVOVOVA2DIVFU::ErrorTextWithCode(Module1::ErrnoRecord(errorNumber)) + ".";
    }
    if (!S_ISDIR(info.st_mode))
        return Quoted(root) +
               " ist kein Verzeichnis. Bitte das Hauptverzeichnis der Web-Seiten "
               "angeben.";
    DIR* folder = ::opendir(root.c_str());
    if (folder == nullptr) {
        const int errorNumber = errno;
        return "Das Hauptverzeichnis " + Quoted(root) + " lässt sich nicht lesen: " +
               RARUVOVOVA2DIVFU::ErrorTextWithCode(Module1::ErrnoRecord(errorNumber)) + ".";
    }
    ::closedir(folder);
    return {};
}

// The bytes of a usable icon file, or the reason it cannot be used.
struct IconFile {
    std::string bytes;
    std::string problem;
};

IconFile ReadIconFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {{},
                "Die Icon-Datei " + Quoted(path) + " lässt sich nicht lesen: " +
                    RARUVOVOVA2DIVFU::ErrorTextWithCode(Module1::ErrnoRecord(errno)) + "."};
    if (!S_ISREG(info.st_mode)) return {{}, "Die Icon-Datei " + Quoted(path) + " ist keine Datei."};
    // Far larger than any favicon; refusing early keeps a wrong argument from filling the memory.
    constexpr off_t kMaxIconBytes = 16 << 20;
    if (info.st_size > kMaxIconBytes)
        return {{},
                Quoted(path) + " ist mit " + std::to_string(info.st_size) +
                    " Bytes zu groß für eine Icon-Datei."};
    std::ifstream file(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file.good() && !file.eof())
        return {{}, "Die Icon-Datei " + Quoted(path) + " lässt sich nicht lesen."};
    if (!Module1::ParseIco(bytes))
        return {{}, Quoted(path) + " ist keine gültige Icon-Datei (Windows-Icon, .ico)."};
    return {std::move(bytes), {}};
}

std::string ExtensionsText(const std::vector<std::string>& extensions) {
    std::string text;
    for (const auto& extension : extensions) text += (text.empty() ? "" : ", ") + extension;
    return text.empty() ? "keine" : text;
}

}  // namespace

int RunCli(const CliOptions& options, const std::string& programFolder, const CliStreams& streams) {
    Terminal terminal(streams);

    const std::string root = AbsoluteRoot(options.root);
    if (const auto problem = RootProblem(root); !problem.empty()) {
        terminal.err("iconsmith-cli: " + problem);
        return kExitUsage;
    }
    IconFile iconFile;
    if (!options.iconFile.empty()) {
        iconFile = ReadIconFile(options.iconFile);
        if (!iconFile.problem.empty()) {
            terminal.err("iconsmith-cli: " + iconFile.problem);
            return kExitUsage;
        }
    }

    RARUVOVOVA::UseLogPath(RARUVOVOVA2DIVFU::EnsureBackslash(programFolder) + "Application.log");
    Module1::EngineState state;
    Module1::LoadExternalOptions(state, RARUVOVOVA2DIVFU::EnsureBackslash(programFolder));
    if (options.extensions) state.PageExtensions = *options.extensions;
    state.removeMode = options.removeMode;

    Module1::PageListModel list;
    TerminalView view(terminal);
    FlagDialogs dialogs(terminal, options.yes);
    platform::NoEventPump pump;
    SystemClock clock;
    Module1::EngineContext context{state, list, view, dialogs, pump, clock};

    terminal.progress().setLabel("Suche");
    const auto fill = Module1::FillPageList(context, root);
    terminal.progress().clear();
    if (!fill.completed) {
        // The engine has already said why (through the dialogs, on stderr).
        terminal.err(fill.failure ? "iconsmith-cli: Abgebrochen, nichts wurde geändert."
                                  : "iconsmith-cli: Die Seitenliste ließ sich nicht füllen.");
        return kExitUsage;
    }

    if (options.iconNumber != 0) Module1::TakePickedIcon(context, options.iconNumber);
    if (!iconFile.bytes.empty()) {
        state.CurrentIcon = iconFile.bytes;
        state.IconChanged = true;
    }

    const std::string faviconPath = state.WebRoot + Module1::kFaviconName;
    const bool writesFavicon = !state.removeMode && state.IconChanged;
    // The same test WriteFavicon makes before it asks about replacing the file.
    const bool faviconExists = RARUVOVOVA::FileExists(faviconPath);

    if (list.count() == 0)
        terminal.err("Hinweis: Unter " + Quoted(root) + " gibt es keine Web-Seiten (Endungen: " +
                     ExtensionsText(state.PageExtensions) + ").");

    if (options.dryRun) {
        if (writesFavicon && (!faviconExists || options.yes))
            terminal.out("favicon.ico würde geschrieben: " + faviconPath);
        else if (writesFavicon)
            terminal.err(
                "Hinweis: Das vorhandene favicon.ico bliebe unverändert (zum Ersetzen "
                "--yes angeben).");
        Module1::BatchOutcome outcome;
        if (list.count() > 0) {
            terminal.progress().setLabel("Probelauf");
            dialogs.setPhase(FlagDialogs::Phase::Pages);
            const StopSignals stopSignals;
            outcome = Module1::RunBatch(
                context, {.dryRun = true, .stopRequested = &StopSignals::stopRequested});
            terminal.progress().clear();
            if (StopSignals::stopRequested()) {
                terminal.err("iconsmith-cli: Probelauf abgebrochen.");
                return 128 + StopSignals::signal();
            }
        }
        terminal.out("Probelauf beendet: " + std::to_string(outcome.changed) +
                     " Dateien würden verändert.");
        return view.failures() > 0 ? kExitPageFailed : kExitSuccess;
    }

    dialogs.setPhase(FlagDialogs::Phase::Favicon);
    if (Module1::WriteFavicon(context)) terminal.out("favicon.ico geschrieben: " + faviconPath);

    Module1::BatchOutcome outcome;
    if (list.count() > 0) {
        terminal.progress().setLabel("Bearbeitung");
        dialogs.setPhase(FlagDialogs::Phase::Pages);
        const StopSignals stopSignals;
        outcome = Module1::RunBatch(context, {.stopRequested = &StopSignals::stopRequested});
        terminal.progress().clear();
        if (StopSignals::stopRequested()) {
            terminal.out("Ersetzen beendet: " + std::to_string(outcome.changed) +
                         " Dateien verändert.");
            terminal.err(
                "iconsmith-cli: Abgebrochen; die noch nicht bearbeiteten Seiten blieben "
                "unverändert.");
            return 128 + StopSignals::signal();
        }
    }
    terminal.out("Ersetzen beendet: " + std::to_string(outcome.changed) + " Dateien verändert.");

    if (view.failures() > 0 || dialogs.faviconFailed()) {
        std::string what;
        if (view.failures() > 0)
            what = std::to_string(view.failures()) + (view.failures() == 1 ? " Seite" : " Seiten");
        if (dialogs.faviconFailed()) what += what.empty() ? "favicon.ico" : " und favicon.ico";
        const bool one = view.failures() + (dialogs.faviconFailed() ? 1 : 0) == 1;
        terminal.err("iconsmith-cli: " + what + (one ? " ließ" : " ließen") +
                     " sich nicht bearbeiten.");
        return kExitPageFailed;
    }
    return kExitSuccess;
}

}  // namespace IconsmithCli
