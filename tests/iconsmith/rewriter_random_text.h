// Deterministic random texts for the rewriter's property tests: raw bytes rich in the characters
// the text engine cares about, and pages assembled from HTML-like fragments.
#pragma once

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace rewriter_test {

// Bytes drawn mostly from brackets, quotes, blanks, '=', NUL, CR, LF, the placeholder bytes and a
// non-UTF-8 byte, sometimes from the whole byte range.
inline std::string RandomBytes(std::mt19937& random, size_t maxLength) {
    static constexpr char kTricky[] = {'<',  '>', '"', '\'',   ' ',    '=',    '\0',   '\r',
                                       '\n', 'a', 'H', '\x1b', '\x01', '\x04', '\xff', '/'};
    std::uniform_int_distribution<size_t> lengthDist(0, maxLength);
    std::uniform_int_distribution<int> pick(0, 99);
    std::uniform_int_distribution<int> trickyDist(0, sizeof(kTricky) - 1);
    std::uniform_int_distribution<int> byteDist(0, 255);
    std::string text(lengthDist(random), '\0');
    for (char& c : text) {
        c = pick(random) < 85 ? kTricky[trickyDist(random)] : static_cast<char>(byteDist(random));
    }
    return text;
}

// A page put together from fragments that exercise the rewriter: head tags in several spellings,
// recognised and unrecognised references, script operators, stray brackets and odd bytes.
inline std::string RandomHtmlishPage(std::mt19937& random) {
    static const std::vector<std::string> kFragments = {
        "<head>",
        "<HEAD>",
        "</head>",
        "</Head>",
        "<html>",
        "<head >",
        "<title>t</title>",
        "\n",
        "\r",
        std::string("\0", 1),
        "\xe4\xff",
        "<link rel=\"SHORTCUT ICON\" href=\"x.ico\">",
        "<LINK REL=\"shortcut icon\" HREF=\"/favicon.ico\">",
        "<link rel=\"SHORTCUT ICON\" href=\"../favicon.ico\">",
        "<link rel=\"SHORTCUT ICON\" href=",
        "<link rel=\"icon\" href=\"favicon.ico\">",
        "\"a.ico\"",
        ">",
        "<",
        " ",
        "=",
        " < ",
        " > ",
        " <= ",
        " >= ",
        "if (a < b && c > d)",
        "a<b",
        "<script>",
        "</script>",
        "\x1b",
        "\x1b\x02",
        "x",
    };
    std::uniform_int_distribution<size_t> countDist(0, 24);
    std::uniform_int_distribution<size_t> fragmentDist(0, kFragments.size() - 1);
    std::string page;
    const size_t count = countDist(random);
    for (size_t i = 0; i < count; ++i) page += kFragments[fragmentDist(random)];
    return page;
}

}  // namespace rewriter_test
