// A one-line progress bar for a terminal, redrawn in place with a carriage return.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace IconsmithCli {

// "Bearbeitung [#########...........]  45% (450/1000)"; width is the number of cells between the
// brackets. A maximum of 0 or less shows an empty bar; values are clamped into 0 … maximum.
std::string ProgressBarLine(std::string_view label, int64_t value, int64_t maximum, int width);

class TerminalProgress {
  public:
    // A disabled bar ignores every call, so callers need not ask whether output is a terminal.
    TerminalProgress(std::FILE* out, bool enabled) : out_(out), enabled_(enabled) {}
    ~TerminalProgress() { clear(); }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void setLabel(std::string label);
    void setRange(int64_t minimum, int64_t maximum);
    void setValue(int64_t value);
    // Erases the bar so other output can take the line; the next setValue draws it again.
    void clear();

  private:
    void drawIfChanged();

    std::FILE* out_;
    bool enabled_;
    std::string label_;
    int64_t minimum_ = 0;
    int64_t maximum_ = 0;
    int64_t value_ = 0;
    std::string shown_;  // the line on screen, empty when none
    int shownPercent_ = -1;
};

}  // namespace IconsmithCli
