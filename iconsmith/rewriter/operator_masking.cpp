#include "iconsmith/rewriter/operator_masking.h"

#include <array>
#include <cstring>
#include <stdexcept>

namespace Module1 {
namespace {

constexpr char kEscape = '\x1b';

struct MaskRow {
    std::string_view op;
    std::string_view placeholder;
};

constexpr std::array<MaskRow, 4> kRows{{
    {" < ", "\x1b\x01"},
    {" > ", "\x1b\x02"},
    {" <= ", "\x1b\x03"},
    {" >= ", "\x1b\x04"},
}};

// Every non-overlapping occurrence of from, left to right, replaced by to; text itself when there
// is none (no copy).
void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    size_t pos = text.find(from);
    if (pos == std::string::npos) return;
    std::string result;
    result.reserve(text.size());
    size_t done = 0;
    while (pos != std::string::npos) {
        result.append(text, done, pos - done);
        result.append(to);
        done = pos + from.size();
        pos = text.find(from, done);
    }
    result.append(text, done, std::string::npos);
    text.swap(result);
}

}  // namespace

std::string HideUnhideJavaInHtml(std::string_view text, MaskMode mode) {
    if (mode != MaskMode::Hide && mode != MaskMode::Unhide) {
        throw std::logic_error("HideUnhideJavaInHtml: Unknown Mode " +
                               std::to_string(static_cast<int>(mode)));
    }
    std::string result(text);
    for (const MaskRow& row : kRows) {
        if (mode == MaskMode::Hide) {
            replaceAll(result, row.op, row.placeholder);
        } else {
            replaceAll(result, row.placeholder, row.op);
        }
    }
    return result;
}

bool ContainsMaskPlaceholder(std::string_view text) {
    const char* pos = text.data();
    const char* const end = text.data() + text.size();
    while (pos < end) {
        const void* hit = std::memchr(pos, kEscape, static_cast<size_t>(end - pos));
        if (hit == nullptr) return false;
        const char* escape = static_cast<const char*>(hit);
        if (escape + 1 < end && escape[1] >= '\x01' && escape[1] <= '\x04') return true;
        pos = escape + 1;
    }
    return false;
}

}  // namespace Module1
