// What the engine shows while it works: status bar panels, progress, busy pointer, the web-root
// label, the icon preview. The window implements it with its controls, the command-line tool with
// the terminal; tests record the calls.
#pragma once

#include <string>

#include "shared/general/text_operations.h"

namespace Module1 {

// Every method has an empty default, so an implementation overrides only what it shows.
class EngineView {
  public:
    virtual ~EngineView() = default;

    // Second status panel. During a fill this is called at most once per yield (the latest text
    // wins), so it may repaint.
    virtual void showStatusText(const std::string& /*text*/) {}
    // First status panel; the text is complete, for example "12 Dateien".
    virtual void showFileCountText(const std::string& /*text*/) {}

    // Progress bar. A range of 0 .. 0 is possible (an empty tree) and must not fail.
    virtual void setProgressRange(int /*minimum*/, int /*maximum*/) {}
    virtual void setProgressValue(int /*value*/) {}

    // Hourglass pointer on / off.
    virtual void setBusy(bool /*busy*/) {}
    // Enables "&Start" and the preview-reload button; from the first web root on they stay enabled.
    virtual void enableRunCommands() {}
    // The label that shows the web root, or "(Bitte Pfad angeben ...)" after the list was cleared.
    virtual void showWebRoot(const std::string& /*text*/) {}
    // The preview shows these .ico file bytes (always a well-formed icon).
    virtual void showIcon(const std::string& /*icoBytes*/) {}

    // A batch run rewrote a page; counter counts the changed pages of this run from 1.
    virtual void pageChanged(int /*counter*/, const std::string& /*path*/) {}
    // A batch run could not handle a page (before the user is asked whether to go on).
    virtual void pageFailed(const std::string& /*path*/,
                            const RARUVOVOVA2DIVFU::ErrorRecord& /*error*/) {}
};

}  // namespace Module1
