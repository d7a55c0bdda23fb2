// An engine view that records every call, so tests read what the window would have shown.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "iconsmith/engine/engine_view.h"

namespace testsupport {

class RecordingEngineView final : public Module1::EngineView {
public:
    std::vector<std::string> statusTexts;
    std::vector<std::string> fileCountTexts;
    std::vector<std::pair<int, int>> progressRanges;
    std::vector<int> progressValues;
    std::vector<bool> busyStates;
    int runCommandsEnabled = 0;
    std::vector<std::string> webRootLabels;
    std::vector<std::string> icons;
    std::vector<std::pair<int, std::string>> changedPages;
    std::vector<std::pair<std::string, RARUVOVOVA2DIVFU::ErrorRecord>> failedPages;

    void showStatusText(const std::string& text) override { statusTexts.push_back(text); }
    void showFileCountText(const std::string& text) override { fileCountTexts.push_back(text); }
    void setProgressRange(int minimum, int maximum) override {
        progressRanges.emplace_back(minimum, maximum);
    }
    void setProgressValue(int value) override { progressValues.push_back(value); }
    void setBusy(bool busy) override { busyStates.push_back(busy); }
    void enableRunCommands() override { ++runCommandsEnabled; }
    void showWebRoot(const std::string& text) override { webRootLabels.push_back(text); }
    void showIcon(const std::string& icoBytes) override { icons.push_back(icoBytes); }
    void pageChanged(int counter, const std::string& path) override {
        changedPages.emplace_back(counter, path);
    }
    void pageFailed(const std::string& path, const RARUVOVOVA2DIVFU::ErrorRecord& error) override {
        failedPages.emplace_back(path, error);
    }
};

}  // namespace testsupport
