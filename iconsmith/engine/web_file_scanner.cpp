#include "iconsmith/engine/web_file_scanner.h"

#include <exception>
#include <new>

#include "iconsmith/engine/batch_run.h"
#include "iconsmith/engine/file_access.h"
#include "iconsmith/engine/work_guard.h"
#include "shared/general/program_identity.h"
#include "shared/services/ini_access.h"

namespace Module1 {

namespace {

using RARUVOVOVA2DIVFU::ContainsIgnoringCase;
using RARUVOVOVA2DIVFU::EndsWithIgnoringCase;
using RARUVOVOVA2DIVFU::LowerAscii;

std::string Trim(std::string_view text) {
    size_t first = 0, last = text.size();
    while (first < last && (text[first] == ' ' || text[first] == '\t')) ++first;
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t')) --last;
    return std::string(text.substr(first, last - first));
}

std::string WalkFailureMessage(const WalkFailure& failure) {
    return "Das Verzeichnis " + failure.path +
           " konnte nicht gelesen werden: " + failure.error.description + " [" +
           std::to_string(failure.error.number) +
           "].\r\rDie Liste der Web-Seiten bleibt unverändert.";
}

}  // namespace

std::vector<std::string> ParseExtensions(std::string_view value) {
    std::vector<std::string> extensions;
    size_t start = 0;
    while (start <= value.size()) {
        size_t comma = value.find(',', start);
        if (comma == std::string_view::npos) comma = value.size();
        std::string element = Trim(value.substr(start, comma - start));
        if (!element.empty()) {
            for (char& c : element) c = LowerAscii(c);
            extensions.push_back("." + element);
        }
        start = comma + 1;
    }
    return extensions;
}

void LoadExternalOptions(EngineState& state, const std::string& programFolder) {
    state.OptionsIniPath = RARUVOVOVA2DIVFU::EnsureBackslash(programFolder) + "options.ini";
    const std::string value =
        RARUVOVOVA::ReadIniValue("Include", "Extensions", kDefaultExtensions, state.OptionsIniPath);
    state.PageExtensions = ParseExtensions(value);
}

bool IsWebPage(std::string_view path, const std::vector<std::string>& extensions, char separator) {
    const char vti[] = {separator, '_', 'v', 't', 'i', '_'};
    if (ContainsIgnoringCase(path, std::string_view(vti, sizeof vti))) return false;
    for (const std::string& extension : extensions)
        if (EndsWithIgnoringCase(path, extension)) return true;
    return false;
}

std::optional<WalkFailure> WalkDirectory(const std::string& directory,
                                         std::vector<std::string>& foundFiles, bool startNew,
                                         platform::EventPump& pump) {
    if (startNew) foundFiles.assign(1, std::string());
    // An explicit stack instead of recursion, so a deep tree cannot exhaust the call stack. Pushing
    // a folder's sub-folders in listing order pops the last listed first, and its whole subtree
    // is done before the one listed before it: the same order as walking them recursively.
    std::vector<std::string> pending{RARUVOVOVA2DIVFU::EnsureBackslash(directory)};
    std::vector<std::string> subfolders;
    while (!pending.empty()) {
        const std::string folder = std::move(pending.back());
        pending.pop_back();
        subfolders.clear();
        if (const int error = ListFolder(folder, foundFiles, subfolders); error != 0)
            return WalkFailure{folder, ErrnoRecord(error)};
        pump.yield();
        for (std::string& sub : subfolders)
            pending.push_back(RARUVOVOVA2DIVFU::EnsureBackslash(std::move(sub)));
    }
    return std::nullopt;
}

PageListing ListPages(const std::string& root, const std::vector<std::string>& extensions,
                      platform::EventPump& pump) {
    PageListing listing;
    std::vector<std::string> found;
    listing.failure = WalkDirectory(root, found, true, pump);
    if (listing.failure) return listing;
    for (size_t i = 1; i < found.size(); ++i)
        if (IsWebPage(found[i], extensions)) listing.pages.push_back(std::move(found[i]));
    return listing;
}

void ShowStatusText(EngineView& view, const std::string& text) {
    view.showStatusText(text);
}

std::string FileCountText(long long n) {
    return std::to_string(n) + " Dateien";
}

void ShowFileCount(EngineView& view, long long n) {
    view.showFileCountText(FileCountText(n));
}

bool AddPageToList(EngineContext& context, const std::string& path, PendingPages* pending) {
    bool added = false;
    if (IsWebPage(path, context.state.PageExtensions)) {
        if (context.list.count() == 0 || !context.list.contains(path)) {
            if (pending != nullptr) {
                pending->paths.push_back(path);
                pending->latestStatus = "Die Liste wird aufgefüllt: " + path;
            } else {
                ShowStatusText(context.view, "Die Liste wird aufgefüllt: " + path);
                context.list.insertAtTop(path, true);
            }
            added = true;
        }
    }
    context.state.ListFillTick = (context.state.ListFillTick + 1) % 64;
    if (context.state.ListFillTick == 0) {
        long long listed = context.list.count();
        if (pending != nullptr) {
            listed += static_cast<long long>(pending->paths.size());
            // Only the text shown at a repaint is ever seen, so the status follows the fill here.
            if (!pending->latestStatus.empty()) {
                ShowStatusText(context.view, pending->latestStatus);
                pending->latestStatus.clear();
            }
        }
        ShowFileCount(context.view, listed);
        context.pump.yield();
    }
    return added;
}

void ClearFileList(EngineContext& context) {
    ShowFileCount(context.view, 0);
    context.list.clear();
    context.view.showWebRoot(kNoRootLabel);
}

FillOutcome FillPageList(EngineContext& context, const std::string& root) {
    FillOutcome outcome;
    if (context.state.WorkInProgress || root.empty()) return outcome;
    WorkGuard guard(context.state);
    EngineView& view = context.view;
    const std::string& title = RARUVOVOVA2DIVFU::ThisProgram().name;

    view.setProgressRange(0, 2);
    view.setBusy(true);
    view.setProgressValue(1);

    // The walk goes into a list of its own: when it fails, nothing the user had is touched.
    std::vector<std::string> found;
    try {
        outcome.failure = WalkDirectory(root, found, true, context.pump);
    } catch (const std::bad_alloc&) {
        outcome.failure = WalkFailure{root, ErrnoRecord(ENOMEM)};
    }
    if (outcome.failure) {
        view.setProgressValue(0);
        view.setBusy(false);
        context.dialogs.message(WalkFailureMessage(*outcome.failure), title,
                                platform::MessageButtons::Ok, platform::MessageIcon::Critical);
        return outcome;
    }

    context.state.WebRoot = RARUVOVOVA2DIVFU::EnsureBackslash(root);
    context.state.WebRootDepth = RARUVOVOVA2DIVFU::CountOccurrences(
        std::string_view(&RARUVOVOVA2DIVFU::kNativeSeparator, 1), context.state.WebRoot);
    view.showWebRoot(context.state.WebRoot);
    context.state.FoundFiles = std::move(found);

    context.list.setSortingEnabled(false);
    const int n = static_cast<int>(context.state.FoundFiles.size()) - 1;
    view.setProgressValue(0);
    view.setProgressRange(0, n);
    PendingPages pending;
    for (int i = 1; i <= n; ++i) {
        AddPageToList(context, context.state.FoundFiles[i], &pending);
        view.setProgressValue(i);
    }
    // Inserting and sorting a big fill take a moment each; the window breathes in between.
    context.pump.yield();
    outcome.pagesAdded = context.list.insertManyAtTop(std::move(pending.paths), true);
    view.setProgressValue(0);
    context.pump.yield();
    context.list.setSortingEnabled(true);  // by the key and order kept

    ShowStatusText(view, "Eintragung beendet");
    ShowFileCount(view, context.list.count());
    view.setBusy(false);
    view.enableRunCommands();
    RefreshIconPreview(context);
    outcome.completed = true;
    return outcome;
}

FillOutcome ChooseWebRoot(EngineContext& context, FolderChooser& chooser) {
    if (context.state.WorkInProgress) return {};
    const std::string path =
        RARUVOVOVA2DIVFU::CutAtNullChar(chooser.BrowseForFolder(kChooseRootPrompt));
    if (path.empty()) return {};
    return FillPageList(context, path);
}

}  // namespace Module1
