// Finding the web pages below the web root and filling the page list with them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "iconsmith/engine/engine_context.h"
#include "iconsmith/engine/folder_chooser.h"
#include "shared/general/program_folder.h"
#include "shared/general/text_operations.h"

namespace Module1 {

inline constexpr const char* kDefaultExtensions = "htm,html,shtml,asp";
inline constexpr const char* kChooseRootPrompt =
    "Wo liegt das Hauptverzeichnis Ihrer lokalen Web-Dateien?";
inline constexpr const char* kNoRootLabel = "(Bitte Pfad angeben ...)";

// "htm, HTML ,php" -> ".htm", ".html", ".php". Empty elements are skipped, so "" gives none.
std::vector<std::string> ParseExtensions(std::string_view value);

// Reads [Include] Extensions from programFolder + "options.ini" (defaults when the file or key is
// missing; an empty value lists no extension) into state.
void LoadExternalOptions(EngineState& state,
                         const std::string& programFolder = RARUVOVOVA2DIVFU::AppFolder());

// Whether path is a web page: it ends in one of the extensions (ignoring case) and does not lie in
// or name a "_vti_" entry (separator + "_vti_", ignoring case).
bool IsWebPage(std::string_view path, const std::vector<std::string>& extensions,
               char separator = RARUVOVOVA2DIVFU::kNativeSeparator);

// A folder that could not be listed during a walk.
struct WalkFailure {
    std::string path;
    RARUVOVOVA2DIVFU::ErrorRecord error;  // errno and its German description
};

// Appends the full path of every file below directory to foundFiles (with startNew, foundFiles
// first becomes the single empty placeholder). Names beginning with "." are skipped with all they
// contain; symbolic links to folders are not followed, links to files are listed as files, and
// broken links, devices and pipes are left out (no page can be read from them). Order:
// a folder's files in listing order, then the subtrees of its sub-folders, the last listed first.
// Yields after each folder listing. On failure foundFiles holds what was found so far.
std::optional<WalkFailure> WalkDirectory(const std::string& directory,
                                         std::vector<std::string>& foundFiles, bool startNew,
                                         platform::EventPump& pump);

// The pages below root, in walk order, or the failure. For tools and benchmarks; no list involved.
struct PageListing {
    std::vector<std::string> pages;
    std::optional<WalkFailure> failure;
};
PageListing ListPages(const std::string& root, const std::vector<std::string>& extensions,
                      platform::EventPump& pump);

// Pages found during one fill that are not in the list yet; the list receives them in one insert
// (which also drops a path handed in twice).
struct PendingPages {
    std::vector<std::string> paths;
    std::string latestStatus;  // the status text of the latest page, shown at the next yield
};

// Adds path as a ticked entry when it is a web page not yet listed (into pending when given, else
// straight into the list). Counts ListFillTick; every 64th call shows the file count and yields.
// Returns whether the page was taken.
bool AddPageToList(EngineContext& context, const std::string& path,
                   PendingPages* pending = nullptr);

// Empties the list, shows "0 Dateien" and the no-root label. WebRoot stays.
void ClearFileList(EngineContext& context);

void ShowStatusText(EngineView& view, const std::string& text);
// "<n> Dateien".
std::string FileCountText(long long n);
void ShowFileCount(EngineView& view, long long n);

struct FillOutcome {
    bool completed = false;  // false: cancelled, busy, or the walk failed (see failure)
    int pagesAdded = 0;
    std::optional<WalkFailure> failure;
};

// Makes root the web root and adds its pages to the list, without asking for the folder: the
// walk, the additions, sorting, status, enabling the run commands and the icon preview. When the
// walk fails the user is told through the dialogs and the list, the web root and FoundFiles stay
// as they were.
FillOutcome FillPageList(EngineContext& context, const std::string& root);

// The "&Pfad" command: asks for the folder, then FillPageList. Cancelling changes nothing.
FillOutcome ChooseWebRoot(EngineContext& context, FolderChooser& chooser);

}  // namespace Module1
