// Module1 page rewriter: inserts, refreshes or removes the favicon reference in the head of one
// web page. A pure text operation on the page's bytes; it reads and writes no file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shared/general/program_folder.h"

namespace platform {
class EventPump;
}

namespace Module1 {

// Identifies a favicon reference: a tag that holds this text, in any letter case.
inline constexpr std::string_view LinkMarker = "<link rel=\"SHORTCUT ICON\" href=";

// The favicon element a page at pagePath receives: LinkMarker, '"', the relative prefix,
// "favicon.ico", '"', '>'. The prefix follows the depth d = separators in pagePath minus
// webRootDepth: "./" for 0, "../" repeated d times above 0, empty below 0.
std::string FaviconElement(std::string_view pagePath, int32_t webRootDepth,
                           char separator = RARUVOVOVA2DIVFU::kNativeSeparator);

// The new text of a page.
// - Only pages whose first "<head>" tag (exact, any case) comes before their first "</head>"
//   are edited, and only when the first tag holding LinkMarker stands before that "</head>" or
//   nowhere. Every other page comes back unchanged.
// - removeMode false: the first reference is replaced by FaviconElement as a whole; without one,
//   the element is inserted directly after "<head>". removeMode true: the first reference is cut
//   out; the text after it (usually its line break) stays.
// - Comparison operators in scripts (" < ", " > ", " <= ", " >= ") are not taken for tag
//   brackets. A page that already holds one of the masking placeholder pairs (see
//   ContainsMaskPlaceholder) comes back unchanged.
// - Every byte outside the edited tag is carried through; a page that needs no change comes back
//   identical, so the caller detects a change by comparing.
// pagePath is only counted for separators, never touched. pump (optional) is offered a yield
// after the head is located and after every 64 KB of a page that changes.
std::string RewritePage(std::string_view pageText, std::string_view pagePath, bool removeMode,
                        int32_t webRootDepth, char separator = RARUVOVOVA2DIVFU::kNativeSeparator,
                        platform::EventPump* pump = nullptr);

// The same rewrite, but nothing (no copy of the page) when the page needs no change, so a batch
// run can skip both the copy and the comparison.
std::optional<std::string> RewritePageIfChanged(std::string_view pageText,
                                                std::string_view pagePath, bool removeMode,
                                                int32_t webRootDepth,
                                                char separator = RARUVOVOVA2DIVFU::kNativeSeparator,
                                                platform::EventPump* pump = nullptr);

}  // namespace Module1
