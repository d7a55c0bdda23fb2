#include "shared/general/text_operations.h"

#include <gtest/gtest.h>

using namespace RARUVOVOVA2DIVFU;

TEST(FindInList, WholeMatchIgnoresCaseAndTakesFirstHit) {
    const std::vector<std::string_view> tags{"x", "<HEAD>", "<head>"};
    EXPECT_EQ(FindInList("<head>", tags, true), 1);
}

TEST(FindInList, ContainsMatchFindsNeedleInTheMiddleButWholeMatchDoesNot) {
    const std::vector<std::string_view> tags{"<p>", "<LINK REL=\"x\" Href=\"y\">"};
    EXPECT_EQ(FindInList("rel=\"X\" href", tags, false), 1);
    EXPECT_EQ(FindInList("rel=\"X\" href", tags, true), -1);
}

TEST(FindInList, MissGivesLowerBoundMinusOne) {
    const std::vector<std::string_view> tags{"a", "b"};
    EXPECT_EQ(FindInList("c", tags, true), -1);
    EXPECT_EQ(FindInList("c", tags, true, 1), 0);
    EXPECT_EQ(FindInList("b", tags, true, 1), 2);
}

TEST(CountOccurrences, CountsOverlappingCaseSensitiveHits) {
    struct Case {
        std::string_view needle, text;
        int32_t expected;
    };
    const Case cases[] = {
        {"\\", "C:\\web\\", 2}, {"", "abc", 0},  {"abc", "ab", 0},
        {"aa", "aaaa", 3},      {"A", "aAa", 1}, {"/", "/srv/www/a/b.htm", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.needle) + " in " + std::string(c.text));
        EXPECT_EQ(CountOccurrences(c.needle, c.text), c.expected);
    }
}

TEST(CutAtNullChar, CutsAtFirstNul) {
    EXPECT_EQ(CutAtNullChar("abc"), "abc");
    EXPECT_EQ(CutAtNullChar(std::string_view("\0abc", 4)), "");
    EXPECT_EQ(CutAtNullChar(std::string_view("/srv\0junk\0", 10)), "/srv");
}

TEST(ErrorTextWithCode, AppendsSignedNumber) {
    EXPECT_EQ(ErrorTextWithCode({-1, "Zugriff verweigert"}), "Zugriff verweigert (Code -1)");
    EXPECT_EQ(ErrorTextWithCode({75, ""}), " (Code 75)");
    EXPECT_EQ(PickText(" ", true, ""), " ");
    EXPECT_EQ(PickText(" ", false, ""), "");
}
