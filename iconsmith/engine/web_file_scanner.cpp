#include "iconsmith/engine/web_file_scanner.h"

namespace Module1 {

std::vector<std::string> ParseExtensions(std::string_view) {
    return {};
}
void LoadExternalOptions(EngineState&, const std::string&) {}
bool IsWebPage(std::string_view, const std::vector<std::string>&, char) {
    return false;
}
std::optional<WalkFailure> WalkDirectory(const std::string&, std::vector<std::string>&, bool,
                                         platform::EventPump&) {
    return std::nullopt;
}
PageListing ListPages(const std::string&, const std::vector<std::string>&, platform::EventPump&) {
    return {};
}
bool AddPageToList(EngineContext&, const std::string&, PendingPages*) {
    return false;
}
void ClearFileList(EngineContext&) {}
void ShowStatusText(EngineView&, const std::string&) {}
std::string FileCountText(long long n) {
    return std::to_string(n) + " Dateien";
}
void ShowFileCount(EngineView&, long long) {}
FillOutcome FillPageList(EngineContext&, const std::string&) {
    return {};
}
FillOutcome ChooseWebRoot(EngineContext&, FolderChooser&) {
    return {};
}

}  // namespace Module1
