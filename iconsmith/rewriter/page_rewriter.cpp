#include "iconsmith/rewriter/page_rewriter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "iconsmith/rewriter/operator_masking.h"
#include "shared/general/text_operations.h"
#include "shared/platform/event_pump.h"

// The page is never masked, split and joined here. Masking and splitting only decide where tags
// begin and end, and the three tags searched for can be located by scanning the original bytes:
// - "<head>", "</head>" and LinkMarker start with '<' followed by a letter or '/', and their other
//   brackets are not preceded by a space, so masking never touches them and every occurrence is
//   the start of a piece;
// - a piece that starts with LinkMarker is a tag when, in the masked page, a '>' follows before
//   the next '<'. Brackets that masking would hide are told apart by replaying the masking on the
//   short stretch of operator characters around them (masking never reaches across any other
//   byte).
// Unmasking restores every byte outside the edited tag, so the result is the original page with
// that one stretch replaced, inserted or cut out.

namespace Module1 {
namespace {

constexpr std::string_view kHeadTag = "<head>";
constexpr std::string_view kHeadEndTag = "</head>";

constexpr std::array<unsigned char, 256> makeFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[c] = static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
    }
    return table;
}
constexpr std::array<unsigned char, 256> kFold = makeFoldTable();

unsigned char fold(char c) {
    return kFold[static_cast<unsigned char>(c)];
}

// Finds a fixed needle ignoring ASCII letter case. It reads only one byte triple in every m - 2
// bytes (m = needle length): every occurrence covers exactly one of those triples, and a table
// (by a hash of the triple) says at which offsets of the needle such a triple occurs, so only those
// few starts are compared in full. The reads do not depend on each other, so the scan runs at
// memory speed rather than at the speed of a chain of skips.
class FoldedFinder {
  public:
    explicit FoldedFinder(std::string_view needle) {
        needle_.reserve(needle.size());
        for (char c : needle) needle_.push_back(static_cast<char>(fold(c)));
        if (needle_.size() < 3 || needle_.size() > 34) {
            throw std::logic_error("FoldedFinder: needle length out of range");
        }
        offsetsOfTriple_.assign(size_t{1} << kTableBits, 0);
        const auto* bytes = reinterpret_cast<const unsigned char*>(needle_.data());
        for (size_t j = 0; j + 2 < needle_.size(); ++j) {
            offsetsOfTriple_[hash(bytes[j], bytes[j + 1], bytes[j + 2])] |= uint32_t{1} << j;
        }
    }

    size_t size() const { return needle_.size(); }

    // Position of the first occurrence that starts in [from, limit), or npos.
    size_t find(std::string_view haystack, size_t from,
                size_t limit = std::string_view::npos) const {
        const size_t m = needle_.size();
        if (haystack.size() < m) return std::string_view::npos;
        const size_t lastStart = std::min(haystack.size() - m, limit - 1);
        if (limit == 0 || from > lastStart) return std::string_view::npos;
        const char* const hay = haystack.data();
        const uint32_t* const table = offsetsOfTriple_.data();
        const size_t lastTriple = lastStart + m - 3;
        for (size_t q = from; q <= lastTriple; q += m - 2) {
            uint32_t offsets = table[hash(fold(hay[q]), fold(hay[q + 1]), fold(hay[q + 2]))];
            // The largest offset gives the earliest start.
            while (offsets != 0) {
                const size_t j = 31 - static_cast<size_t>(std::countl_zero(offsets));
                offsets &= ~(uint32_t{1} << j);
                if (q < from + j) continue;
                const size_t start = q - j;
                if (start <= lastStart && matchesAt(hay + start)) return start;
            }
        }
        return std::string_view::npos;
    }

  private:
    // Small enough to stay in the first-level cache; the rare collisions only cost a compare.
    static constexpr unsigned kTableBits = 12;

    static size_t hash(uint32_t a, uint32_t b, uint32_t c) {
        return ((a | (b << 8) | (c << 16)) * 0x9E3779B1u) >> (32 - kTableBits);
    }

    bool matchesAt(const char* at) const {
        for (size_t k = 0; k < needle_.size(); ++k) {
            if (fold(at[k]) != static_cast<unsigned char>(needle_[k])) return false;
        }
        return true;
    }

    std::string needle_;
    std::vector<uint32_t> offsetsOfTriple_;  // by hashed folded triple: bit j = may occur at j
};

const FoldedFinder& headFinder() {
    static const FoldedFinder finder(kHeadTag);
    return finder;
}
const FoldedFinder& headEndFinder() {
    static const FoldedFinder finder(kHeadEndTag);
    return finder;
}
const FoldedFinder& markerFinder() {
    static const FoldedFinder finder(LinkMarker);
    return finder;
}

bool isOperatorChar(char c) {
    return c == ' ' || c == '<' || c == '>' || c == '=';
}

// Which brackets of the page masking would hide. Masking only ever replaces bytes of a stretch
// made of ' ', '<', '>' and '=', and no replacement reaches across any other byte, so replaying
// it on that stretch alone gives the same answer as masking the whole page. The last stretch is
// kept, so a long stretch is replayed once however many brackets it holds.
class MaskedBrackets {
  public:
    explicit MaskedBrackets(std::string_view page) : page_(page) {}

    bool isMasked(size_t pos) {
        // Every operator has a space directly before its bracket.
        if (pos == 0 || page_[pos - 1] != ' ') return false;
        if (pos < runBegin_ || pos >= runEnd_) replayRunAround(pos);
        return hidden_[pos - runBegin_];
    }

  private:
    void replayRunAround(size_t pos) {
        runBegin_ = pos;
        while (runBegin_ > 0 && isOperatorChar(page_[runBegin_ - 1])) --runBegin_;
        runEnd_ = pos + 1;
        while (runEnd_ < page_.size() && isOperatorChar(page_[runEnd_])) ++runEnd_;

        // Each row replaces operators made of bytes that no earlier row replaced; a replaced
        // stretch acts as one byte that belongs to no operator, so a match never spans it.
        const size_t length = runEnd_ - runBegin_;
        const char* const run = page_.data() + runBegin_;
        hidden_.assign(length, false);
        static constexpr std::array<std::string_view, 4> kOperators = {" < ", " > ",
                                                                       " <= ", " >= "};
        for (std::string_view op : kOperators) {
            size_t i = 0;
            while (i + op.size() <= length) {
                size_t k = 0;
                while (k < op.size() && !hidden_[i + k] && run[i + k] == op[k]) ++k;
                if (k == op.size()) {
                    for (k = 0; k < op.size(); ++k) hidden_[i + k] = true;
                    i += op.size();
                } else {
                    ++i;
                }
            }
        }
    }

    std::string_view page_;
    size_t runBegin_ = 0;
    size_t runEnd_ = 0;
    std::vector<bool> hidden_;
};

struct TagSpan {
    size_t begin = std::string_view::npos;  // the '<'
    size_t end = 0;                         // one past the '>'
    bool found() const { return begin != std::string_view::npos; }
};

// One past the '>' that closes a tag whose name was read up to searchFrom, or npos when the masked
// page has no '>' before its next '<' (then the piece has no tag part). The next real '<' bounds
// the scan, so scanning tag after tag stays linear.
size_t tagEnd(std::string_view page, size_t searchFrom, MaskedBrackets& masked) {
    const char* const base = page.data();
    size_t pos = searchFrom;
    while (pos < page.size()) {
        const void* open = std::memchr(base + pos, '<', page.size() - pos);
        const size_t openPos = open != nullptr
                                   ? static_cast<size_t>(static_cast<const char*>(open) - base)
                                   : page.size();
        const void* close = std::memchr(base + pos, '>', openPos - pos);
        if (close != nullptr) {
            const size_t closePos = static_cast<size_t>(static_cast<const char*>(close) - base);
            if (!masked.isMasked(closePos)) return closePos + 1;
            pos = closePos + 1;
            continue;
        }
        if (open == nullptr || !masked.isMasked(openPos)) return std::string_view::npos;
        pos = openPos + 1;
    }
    return std::string_view::npos;
}

// The first tag starting with LinkMarker (any case) whose '<' lies in [from, limit).
TagSpan findReference(std::string_view page, size_t from, size_t limit, MaskedBrackets& masked) {
    const FoldedFinder& marker = markerFinder();
    for (size_t pos = marker.find(page, from, limit); pos != std::string_view::npos;
         pos = marker.find(page, pos + 1, limit)) {
        const size_t end = tagEnd(page, pos + marker.size(), masked);
        if (end != std::string_view::npos) return TagSpan{pos, end};
    }
    return TagSpan{};
}

// The page with [cutBegin, cutEnd) replaced by insertion, or nothing when the page holds a masking
// placeholder pair, or a reference that starts at or after referencesFrom. The page is handled in
// chunks, each searched and copied while it is in the cache, so a large page is read from memory
// once; the event loop gets a chance after each chunk.
std::optional<std::string> splicedIfClean(std::string_view page, size_t cutBegin, size_t cutEnd,
                                          std::string_view insertion, size_t referencesFrom,
                                          MaskedBrackets& masked, platform::EventPump* pump) {
    constexpr size_t kChunk = size_t{64} << 10;
    std::string result;
    result.reserve(page.size() - (cutEnd - cutBegin) + insertion.size());

    // Each check reads one byte past its range, so a pair across two ranges is seen too.
    const auto holdsPlaceholder = [page](size_t begin, size_t end) {
        return ContainsMaskPlaceholder(page.substr(begin, std::min(end + 1, page.size()) - begin));
    };
    const auto appendChecked = [&](size_t begin, size_t end) {
        for (size_t from = begin; from < end;) {
            const size_t limit = std::min(end, from + kChunk);
            if (holdsPlaceholder(from, limit)) return false;
            if (limit > referencesFrom &&
                findReference(page, std::max(from, referencesFrom), limit, masked).found()) {
                return false;
            }
            result.append(page.substr(from, limit - from));
            from = limit;
            if (pump != nullptr) pump->yield();
        }
        return true;
    };

    if (!appendChecked(0, cutBegin)) return std::nullopt;
    if (holdsPlaceholder(cutBegin, cutEnd)) return std::nullopt;
    result.append(insertion);
    if (!appendChecked(cutEnd, page.size())) return std::nullopt;
    return result;
}

}  // namespace

std::string FaviconElement(std::string_view pagePath, int32_t webRootDepth, char separator) {
    const int32_t depth =
        RARUVOVOVA2DIVFU::CountOccurrences(std::string_view(&separator, 1), pagePath) -
        webRootDepth;
    std::string element(LinkMarker);
    element += '"';
    if (depth == 0) {
        element += "./";
    } else {
        for (int32_t level = 1; level <= depth; ++level) element += "../";
    }
    element += "favicon.ico\">";
    return element;
}

std::optional<std::string> RewritePageIfChanged(std::string_view pageText,
                                                std::string_view pagePath, bool removeMode,
                                                int32_t webRootDepth, char separator,
                                                platform::EventPump* pump) {
    const auto offerYield = [pump] {
        if (pump != nullptr) pump->yield();
    };
    constexpr size_t npos = std::string_view::npos;

    // A page holding a masking placeholder pair would not survive masking and unmasking; it is
    // left exactly as it is. That is checked only where the page is about to change.
    const size_t headPos = headFinder().find(pageText, 0);
    if (headPos == npos) return std::nullopt;
    const size_t headEndPos = headEndFinder().find(pageText, 0);
    if (headEndPos == npos || headEndPos < headPos) return std::nullopt;

    MaskedBrackets masked(pageText);
    const TagSpan reference = findReference(pageText, 0, headEndPos, masked);
    offerYield();

    if (reference.found()) {
        if (removeMode) {
            return splicedIfClean(pageText, reference.begin, reference.end, {}, npos, masked, pump);
        }
        const std::string element = FaviconElement(pagePath, webRootDepth, separator);
        if (pageText.substr(reference.begin, reference.end - reference.begin) == element) {
            return std::nullopt;
        }
        return splicedIfClean(pageText, reference.begin, reference.end, element, npos, masked,
                              pump);
    }
    if (removeMode) return std::nullopt;

    // Insert after "<head>", unless a reference after the head's end blocks it.
    const size_t afterHead = headPos + kHeadTag.size();
    return splicedIfClean(pageText, afterHead, afterHead,
                          FaviconElement(pagePath, webRootDepth, separator), headEndPos, masked,
                          pump);
}

std::string RewritePage(std::string_view pageText, std::string_view pagePath, bool removeMode,
                        int32_t webRootDepth, char separator, platform::EventPump* pump) {
    std::optional<std::string> changed =
        RewritePageIfChanged(pageText, pagePath, removeMode, webRootDepth, separator, pump);
    if (changed) return std::move(*changed);
    return std::string(pageText);
}

}  // namespace Module1
