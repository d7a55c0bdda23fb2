#include "iconsmith/cli/terminal_progress.h"

#include <algorithm>

namespace IconsmithCli {

namespace {
constexpr int kBarWidth = 30;
}

std::string ProgressBarLine(std::string_view label, int64_t value, int64_t maximum, int width) {
    const int64_t clamped = maximum > 0 ? std::clamp<int64_t>(value, 0, maximum) : 0;
    const int filled = maximum > 0 ? static_cast<int>(clamped * width / maximum) : 0;
    const int percent = maximum > 0 ? static_cast<int>(clamped * 100 / maximum) : 0;
    std::string line(label);
    line += " [";
    line.append(static_cast<size_t>(filled), '#');
    line.append(static_cast<size_t>(width - filled), '.');
    line += "] ";
    const std::string percentText = std::to_string(percent);
    line.append(3 - std::min<size_t>(3, percentText.size()), ' ');
    line += percentText + "% (" + std::to_string(clamped) + "/" +
            std::to_string(std::max<int64_t>(maximum, 0)) + ")";
    return line;
}

void TerminalProgress::setLabel(std::string label) {
    label_ = std::move(label);
    shownPercent_ = -1;
}

void TerminalProgress::setRange(int64_t minimum, int64_t maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    shownPercent_ = -1;
}

void TerminalProgress::setValue(int64_t value) {
    value_ = value;
    drawIfChanged();
}

void TerminalProgress::clear() {
    if (!enabled_ || shown_.empty()) return;
    // Overwrite with blanks rather than an escape sequence: works on every terminal.
    std::fprintf(out_, "\r%*s\r", static_cast<int>(shown_.size()), "");
    std::fflush(out_);
    shown_.clear();
    shownPercent_ = -1;
}

void TerminalProgress::drawIfChanged() {
    if (!enabled_) return;
    const int64_t span = maximum_ - minimum_;
    // Redraw only when the percentage moves, so a run over many small pages costs no terminal
    // time: at most about a hundred lines per phase.
    const int percent =
        span > 0 ? static_cast<int>(std::clamp<int64_t>(value_ - minimum_, 0, span) * 100 / span)
                 : 0;
    if (percent == shownPercent_ && !shown_.empty()) return;
    const std::string line = ProgressBarLine(label_, value_ - minimum_, span, kBarWidth);
    const int padding =
        std::max(0, static_cast<int>(shown_.size()) - static_cast<int>(line.size()));
    std::fprintf(out_, "\r%s%*s", line.c_str(), padding, "");
    std::fflush(out_);
    shown_ = line;
    shownPercent_ = percent;
}

}  // namespace IconsmithCli
