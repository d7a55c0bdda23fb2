// Module1 text engine: hides the comparison operators of embedded scripts (" < ", " > ", " <= ",
// " >= ") behind two-byte placeholders before a page is cut at angle brackets, and restores them.
#pragma once

#include <string>
#include <string_view>

namespace Module1 {

// Forward (hide) and inverse (unhide) direction. A value outside the two is a programming error:
// HideUnhideJavaInHtml throws std::logic_error("HideUnhideJavaInHtml: Unknown Mode <n>").
enum class MaskMode : int { Hide = 0, Unhide = 1 };

// Hide: every operator (one space on each side) becomes its placeholder, the rows " < ", " > ",
// " <= ", " >= " in this order, each on the previous row's result, left to right, no overlaps.
// Unhide: every placeholder becomes its operator again. Hide then Unhide gives back any text that
// holds no placeholder pair (see ContainsMaskPlaceholder).
std::string HideUnhideJavaInHtml(std::string_view text, MaskMode mode);

// True when text already holds one of the four placeholder pairs (byte 27 followed by byte 1, 2,
// 3 or 4); masking and unmasking would not give such a text back unchanged.
bool ContainsMaskPlaceholder(std::string_view text);

}  // namespace Module1
