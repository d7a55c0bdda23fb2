// RARUVOVOVA2DIVFU holds the small stateless helpers both programs share: text, version, path,
// file and escape operations.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace RARUVOVOVA2DIVFU {

// Index of the first element that equals needle (wholeMatch) or contains it, ignoring ASCII case;
// lowerBound - 1 when none does. The programs pass 0-based lists.
int32_t FindInList(std::string_view needle, const std::vector<std::string_view>& list,
                   bool wholeMatch, int32_t lowerBound = 0);

// ASCII letter case only: the needles the programs compare are plain ASCII (tags, extensions).
char LowerAscii(char c);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool ContainsIgnoringCase(std::string_view haystack, std::string_view needle);
bool EndsWithIgnoringCase(std::string_view text, std::string_view tail);

// Case-sensitive count of needle in text, overlapping occurrences included; 0 for an empty needle.
int32_t CountOccurrences(std::string_view needle, std::string_view text);

// The characters before the first NUL, or the whole text when it holds none.
std::string CutAtNullChar(std::string_view text);

std::string PickText(std::string_view textIfTrue, bool condition, std::string_view textIfFalse);

// Number and description of a failed platform operation.
struct ErrorRecord {
    int32_t number = 0;
    std::string description;
};

// "description (Code number)".
std::string ErrorTextWithCode(const ErrorRecord& error);

// German description of an errno value, for messages and logs.
std::string ErrnoDescription(int errorNumber);
ErrorRecord ErrnoRecord(int errorNumber);

}  // namespace RARUVOVOVA2DIVFU
