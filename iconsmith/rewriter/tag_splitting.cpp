#include "iconsmith/rewriter/tag_splitting.h"

#include <cstring>
#include <stdexcept>

#include "shared/platform/event_pump.h"

namespace Module1 {
namespace {

// The event loop gets a chance after pieces 0, 32, 64, ...
constexpr size_t kYieldEvery = 32;

void offerYield(platform::EventPump* pump, size_t pieceIndex) {
    if (pump != nullptr && pieceIndex % kYieldEvery == 0) pump->yield();
}

const char* findByte(const char* from, const char* end, char byte) {
    return static_cast<const char*>(std::memchr(from, byte, static_cast<size_t>(end - from)));
}

}  // namespace

void SplitHtmlString(std::string_view text, std::vector<std::string_view>& tagParts,
                     std::vector<std::string_view>& textParts, platform::EventPump* pump) {
    tagParts.clear();
    textParts.clear();
    const char* const begin = text.data();
    const char* const end = begin + text.size();

    // Piece 0: everything before the first '<'.
    const char* open = findByte(begin, end, '<');
    const char* chunkEnd = open != nullptr ? open : end;
    tagParts.emplace_back();
    textParts.emplace_back(begin, static_cast<size_t>(chunkEnd - begin));
    offerYield(pump, 0);

    while (open != nullptr) {
        const char* next = findByte(open + 1, end, '<');
        chunkEnd = next != nullptr ? next : end;
        const char* close = findByte(open + 1, chunkEnd, '>');
        if (close != nullptr) {
            tagParts.emplace_back(open, static_cast<size_t>(close + 1 - open));
            textParts.emplace_back(close + 1, static_cast<size_t>(chunkEnd - close - 1));
        } else {
            tagParts.emplace_back();
            textParts.emplace_back(open, static_cast<size_t>(chunkEnd - open));
        }
        offerYield(pump, tagParts.size() - 1);
        open = next;
    }
}

std::string JoinHtmlString(const std::vector<std::string_view>& tagParts,
                           const std::vector<std::string_view>& textParts,
                           platform::EventPump* pump) {
    if (tagParts.size() != textParts.size()) {
        throw std::invalid_argument("JoinHtmlString: tag and text lists differ in length");
    }
    size_t total = 0;
    for (size_t i = 0; i < tagParts.size(); ++i) total += tagParts[i].size() + textParts[i].size();

    std::string result;
    result.reserve(total);
    for (size_t i = 0; i < tagParts.size(); ++i) {
        result.append(tagParts[i]);
        result.append(textParts[i]);
        offerYield(pump, i);
    }
    return result;
}

void SplitUnsplitHtmlString(std::string& text, std::vector<std::string_view>& tagParts,
                            std::vector<std::string_view>& textParts, SplitMode mode,
                            platform::EventPump* pump) {
    switch (mode) {
        case SplitMode::Split:
            SplitHtmlString(text, tagParts, textParts, pump);
            return;
        case SplitMode::Join:
            // Built aside first: the parts may view into text itself.
            text = JoinHtmlString(tagParts, textParts, pump);
            return;
    }
    throw std::logic_error("SplitUnsplitHtmlString: Unknown Mode " +
                           std::to_string(static_cast<int>(mode)));
}

}  // namespace Module1
