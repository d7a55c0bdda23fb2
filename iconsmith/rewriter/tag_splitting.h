// Module1 text engine: cuts a page into pieces (a tag part and a text part each) at its angle
// brackets and joins pieces into one text again, byte for byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {
class EventPump;
}

namespace Module1 {

// Split (cut the text into pieces) and Join (put the pieces together). A value outside the two is
// a programming error: SplitUnsplitHtmlString throws
// std::logic_error("SplitUnsplitHtmlString: Unknown Mode <n>").
enum class SplitMode : int { Split = 0, Join = 1 };

// Piece 0 has an empty tag part and everything before the first '<' as text part. Each further
// '<' starts a piece: when its chunk (up to the next '<') holds a '>', the tag part runs from the
// '<' to the first '>' and the text part is the rest of the chunk; otherwise the tag part is empty
// and the text part is the '<' with the whole chunk. The parts are views into text, which must
// outlive them. pump (optional) is offered a yield after pieces 0, 32, 64, ...
void SplitHtmlString(std::string_view text, std::vector<std::string_view>& tagParts,
                     std::vector<std::string_view>& textParts, platform::EventPump* pump = nullptr);

// Tag part i followed by text part i, for every i, in one buffer of the exact size. The lists
// must have equal length. pump (optional) is offered a yield after pieces 0, 32, 64, ...
std::string JoinHtmlString(const std::vector<std::string_view>& tagParts,
                           const std::vector<std::string_view>& textParts,
                           platform::EventPump* pump = nullptr);

// Split: fills both lists from text (text unchanged; the parts view into it). Join: sets text to
// the joined lists (the lists unchanged; they may view into text itself).
void SplitUnsplitHtmlString(std::string& text, std::vector<std::string_view>& tagParts,
                            std::vector<std::string_view>& textParts, SplitMode mode,
                            platform::EventPump* pump = nullptr);

}  // namespace Module1
