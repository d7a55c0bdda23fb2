// The "&Start" command: favicon.ico into the web root, every ticked page rewritten, the icon
// preview refreshed; and the current icon the preview shows.
#pragma once

#include <functional>
#include <string>

#include "iconsmith/engine/engine_context.h"
#include "shared/general/text_operations.h"

namespace Module1 {

inline constexpr const char* kFaviconName = "favicon.ico";

// Writes state.CurrentIcon as WebRoot + "favicon.ico" when insert mode is on and IconChanged is
// set, after asking before it replaces an existing file; offers to retry a failed write.
// Returns whether the file was written.
bool WriteFavicon(EngineContext& context);

struct BatchOutcome {
    int changed = 0;         // pages rewritten (or, in a dry run, that would be)
    int failed = 0;          // pages that could not be handled
    bool cancelled = false;  // the user stopped the run after a failure
    bool emptyList = false;  // nothing to do: the list was empty
};

struct BatchOptions {
    // Rewrites in memory only: no page is written, nothing is logged, pageChanged() still reports
    // the pages that would change.
    bool dryRun = false;
    // Asked after every entry; true ends the run as a Cancel after a failed page would (for
    // example on Ctrl-C in the command-line tool). Empty: never.
    std::function<bool()> stopRequested;
};

// Rewrites every ticked entry, last entry first, writing a page only when its text changed.
// A page that cannot be read or written is logged and the user chooses to go on or stop.
// The front end keeps the list as it is while the run yields (no clearing, sorting or filling);
// should entries vanish all the same, they are passed over.
BatchOutcome RunBatch(EngineContext& context, const BatchOptions& options = {});

// The preview shows the web root's favicon.ico (IconChanged false) or, when there is none or it is
// not a usable icon, the default icon (IconChanged true).
void RefreshIconPreview(EngineContext& context);

// WriteFavicon, RunBatch, RefreshIconPreview, then "Fertig: Alle Eintragungen abgeschlossen.".
BatchOutcome StartSequence(EngineContext& context);

// The icon picker's choice: 0 changes nothing, 1 .. IconCount() becomes the current icon.
void TakePickedIcon(EngineContext& context, int number);

using RARUVOVOVA2DIVFU::ErrnoDescription;
using RARUVOVOVA2DIVFU::ErrnoRecord;

}  // namespace Module1
