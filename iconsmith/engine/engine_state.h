// The engine's state for the life of the program: options, web root, last walk, current icon.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Module1: Iconsmith's favicon page engine and the icon collection it writes.
namespace Module1 {

struct EngineState {
    // The program folder's "options.ini", read once by LoadExternalOptions.
    std::string OptionsIniPath;
    // Each a dot and a lower-case extension (".htm"), in the order options.ini names them.
    std::vector<std::string> PageExtensions;
    // The chosen web root, ending in the separator; empty until the first successful choice.
    std::string WebRoot;
    // Number of separators in WebRoot; the relative favicon path is counted against it.
    int32_t WebRootDepth = 0;
    // Every file (not only pages) of the last completed walk, in walk order. Element 0 is an empty
    // placeholder so that files are numbered from 1.
    std::vector<std::string> FoundFiles;
    // Counts AddPageToList calls across all fills (0 .. 63); never reset.
    int ListFillTick = 0;
    // The .ico bytes the preview shows and a Start in insert mode writes; empty at start.
    std::string CurrentIcon;
    // True when CurrentIcon is not the web root's favicon.ico and must be written by the next
    // Start.
    bool IconChanged = false;
    // The mode option: false = insert or refresh, true = remove. The window keeps it current; the
    // batch run reads it anew for every page.
    bool removeMode = false;
    // Set while a fill or a Start runs, so a second one started from inside a yield does nothing.
    bool WorkInProgress = false;
};

}  // namespace Module1
