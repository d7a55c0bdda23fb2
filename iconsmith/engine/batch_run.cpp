#include "iconsmith/engine/batch_run.h"

#include <cerrno>
#include <exception>
#include <new>

#include "iconsmith/engine/file_access.h"
#include "iconsmith/engine/web_file_scanner.h"
#include "iconsmith/engine/work_guard.h"
#include "iconsmith/icons/ico_format.h"
#include "iconsmith/icons/icon_collection.h"
#include "iconsmith/rewriter/page_rewriter.h"
#include "shared/general/atomic_file.h"
#include "shared/general/program_identity.h"
#include "shared/services/log_file.h"
#include "shared/services/shell_launch.h"

namespace Module1 {

namespace {

using RARUVOVOVA2DIVFU::ErrorRecord;

// A favicon.ico larger than this is not taken for an icon (and never read whole).
constexpr size_t kMaxIconFileBytes = 16u << 20;

const std::string& Title() {
    return RARUVOVOVA2DIVFU::ThisProgram().name;
}

ErrorRecord PhaseError(int errorNumber, const char* phase) {
    return {errorNumber, ErrnoDescription(errorNumber) + " (" + phase + ")"};
}

// Reads, rewrites and (when it changed and this is no dry run) replaces one page. Returns the
// failure, or nothing; changed tells whether the page's text changed.
std::optional<ErrorRecord> HandlePage(EngineContext& context, const std::string& path, bool dryRun,
                                      bool& changed) {
    changed = false;
    std::string oldText;
    if (const int error = ReadWholeFile(path, oldText); error != 0)
        return PhaseError(error, "beim Lesen");
    std::optional<std::string> newText;
    try {
        newText = RewritePageIfChanged(oldText, path, context.state.removeMode,
                                       context.state.WebRootDepth,
                                       RARUVOVOVA2DIVFU::kNativeSeparator, &context.pump);
    } catch (const std::bad_alloc&) {
        return PhaseError(ENOMEM, "beim Bearbeiten");
    }
    if (!newText || *newText == oldText) return std::nullopt;
    if (!dryRun) {
        // Written beside the page and renamed over it: a failed write leaves the page as it was.
        // The owner's write bit is added so that a read-only page ends up an ordinary file.
        // No flush to the disk per page: on a site of thousands of pages it would cost many
        // times the run itself.
        if (const auto failure = RARUVOVOVA2DIVFU::ReplaceFileAtomically(
                path, *newText, RARUVOVOVA2DIVFU::KeepPermissions::PlusOwnerWrite,
                RARUVOVOVA2DIVFU::Durability::RenameOnly))
            return PhaseError(failure->number != 0 ? failure->number : EIO, "beim Schreiben");
    }
    changed = true;
    return std::nullopt;
}

std::string FailedPageQuestion(const std::string& path, const ErrorRecord& error) {
    return "Folgende Datei liess sich nicht bearbeiten: \r\r" + path + "\r\r(" + error.description +
           " [" + std::to_string(error.number) +
           "])\r\rKlicken Sie 'OK', um fortzusetzen oder 'Abbrechen' um die Aktion zu beenden.";
}

}  // namespace

bool WriteFavicon(EngineContext& context) {
    EngineState& state = context.state;
    if (state.removeMode || !state.IconChanged || state.WebRoot.empty()) return false;
    const std::string path = state.WebRoot + kFaviconName;
    if (RARUVOVOVA::FileExists(path)) {
        const auto answer = context.dialogs.message(
            "Hinweis: Im angegebenen Hauptverzeichnis Ihrer lokalen Web-Dateien befindet sich "
            "bereits eine Datei namens FAVICON.ICO. Sie haben jedoch ein anderes Icon gewählt, "
            "wodurch diese Datei überschrieben wird.\r\rBitte drücken Sie [OK], um diesen Vorgang "
            "zu quittieren.",
            Title(), platform::MessageButtons::OkCancel, platform::MessageIcon::None);
        if (answer != platform::Answer::Ok) return false;
    }
    const std::string icon = state.CurrentIcon.empty() ? DefaultIconBytes() : state.CurrentIcon;
    if (icon.empty()) {  // never replace a site's icon by an empty file
        context.dialogs.message(
            "Die Datei FAVICON.ICO konnte nicht im angegebenen Hauptverzeichnis Ihrer lokalen "
            "Web-Dateien erstellt werden (Es ist kein Icon vorhanden).",
            Title(), platform::MessageButtons::Ok, platform::MessageIcon::Critical);
        return false;
    }
    for (;;) {
        const auto failure = RARUVOVOVA2DIVFU::ReplaceFileAtomically(
            path, icon, RARUVOVOVA2DIVFU::KeepPermissions::PlusOwnerWrite);
        if (!failure) return true;
        const auto answer = context.dialogs.message(
            "Die Datei FAVICON.ICO konnte nicht im angegebenen Hauptverzeichnis Ihrer lokalen "
            "Web-Dateien erstellt werden (" +
                RARUVOVOVA2DIVFU::ErrorTextWithCode(ErrnoRecord(failure->number)) +
                ").\r\rMöchten Sie es nochmals versuchen?",
            Title(), platform::MessageButtons::YesNo, platform::MessageIcon::Critical,
            platform::DefaultButton::Second);
        if (answer != platform::Answer::Yes) return false;
    }
}

BatchOutcome RunBatch(EngineContext& context, const BatchOptions& options) {
    BatchOutcome outcome;
    EngineView& view = context.view;
    const int n = context.list.count();
    if (n == 0) {
        context.dialogs.message(
            "Bitte legen Sie zunächst das Hauptverzeichnis Ihrer lokalen Web-Seiten fest.", Title(),
            platform::MessageButtons::Ok, platform::MessageIcon::Critical);
        outcome.emptyList = true;
        return outcome;
    }
    const auto log = [&](const std::string& line) {
        if (!options.dryRun) RARUVOVOVA::WriteLog(line);
    };
    log(std::string(40, '_'));
    log(context.clock.nowText() + " Vizada&Didovuvi gestartet");
    log("Dateiliste:");

    view.setProgressRange(0, n);
    view.setProgressValue(0);
    ShowStatusText(view, "Bearbeitung läuft ...");

    // Entries are numbered 1 .. n here as in the list's display order; row = idx - 1.
    for (int idx = n; idx >= 1; --idx) {
        const int row = idx - 1;
        // The list may have been changed while events were processed; a vanished row is passed.
        if (row < context.list.count() && context.list.isTicked(row)) {
            view.setProgressValue(n - idx);
            const std::string path = context.list.text(row);
            bool changed = false;
            const auto failure = HandlePage(context, path, options.dryRun, changed);
            if (changed) {
                ++outcome.changed;
                log(std::to_string(outcome.changed) + ": " + path);
                view.pageChanged(outcome.changed, path);
            }
            if (failure) {
                ++outcome.failed;
                log("Fehler bei Datei " + path + ": " + failure->description + " [" +
                    std::to_string(failure->number) + "]");
                view.pageFailed(path, *failure);
                const auto answer = context.dialogs.message(
                    FailedPageQuestion(path, *failure), Title(), platform::MessageButtons::OkCancel,
                    platform::MessageIcon::None);
                if (answer != platform::Answer::Ok) {
                    outcome.cancelled = true;
                    break;
                }
            }
        }
        context.pump.yield();
        if (options.stopRequested && options.stopRequested()) {
            outcome.cancelled = true;
            break;
        }
    }

    view.setProgressValue(0);
    ShowStatusText(view,
                   "Ersetzen beendet: " + std::to_string(outcome.changed) + " Dateien verändert.");
    log("Anzahl veränderter Dateien: " + std::to_string(outcome.changed));
    return outcome;
}

void RefreshIconPreview(EngineContext& context) {
    EngineState& state = context.state;
    if (!state.WebRoot.empty()) {
        const std::string path = state.WebRoot + kFaviconName;
        if (RARUVOVOVA::FileExists(path)) {
            std::string bytes;
            if (ReadWholeFile(path, bytes, kMaxIconFileBytes) == 0 && ParseIco(bytes)) {
                state.IconChanged = false;
                state.CurrentIcon = std::move(bytes);
                context.view.showIcon(state.CurrentIcon);
                return;
            }
            // A damaged or unreadable favicon.ico: the default icon takes its place and counts as
            // changed, so the next Start offers to replace the file (after the usual hint).
        }
    }
    state.IconChanged = true;
    state.CurrentIcon = DefaultIconBytes();
    context.view.showIcon(state.CurrentIcon);
}

BatchOutcome StartSequence(EngineContext& context) {
    if (context.state.WorkInProgress) return {};
    BatchOutcome outcome;
    {
        WorkGuard guard(context.state);
        WriteFavicon(context);
        outcome = RunBatch(context);
        RefreshIconPreview(context);
    }
    context.dialogs.message("Fertig: Alle Eintragungen abgeschlossen.", Title(),
                            platform::MessageButtons::Ok, platform::MessageIcon::Information);
    return outcome;
}

void TakePickedIcon(EngineContext& context, int number) {
    if (number < 1 || number > IconCount()) return;
    std::string bytes = IconFileBytes(number);
    if (bytes.empty()) return;
    context.state.CurrentIcon = std::move(bytes);
    context.state.IconChanged = true;
    context.view.showIcon(context.state.CurrentIcon);
}

}  // namespace Module1
