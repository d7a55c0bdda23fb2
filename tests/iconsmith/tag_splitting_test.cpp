#include "iconsmith/rewriter/tag_splitting.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "tests/iconsmith/rewriter_random_text.h"
#include "tests/support/counting_event_pump.h"

namespace {

using Module1::JoinHtmlString;
using Module1::SplitHtmlString;
using Module1::SplitMode;
using Module1::SplitUnsplitHtmlString;

using Parts = std::vector<std::string_view>;

TEST(TagSplitting, CutsAtEveryOpeningBracket) {
    struct Case {
        std::string_view text;
        Parts tags;
        Parts texts;
    };
    const Case cases[] = {
        {"<html><head>", {"", "<html>", "<head>"}, {"", "", ""}},
        {"x<y", {"", ""}, {"x", "<y"}},
        {"<b>x>y", {"", "<b>"}, {"", "x>y"}},
        {"a>b<i>", {"", "<i>"}, {"a>b", ""}},
        {"<<", {"", "", ""}, {"", "<", "<"}},
        {"<>", {"", "<>"}, {"", ""}},
        {"", {""}, {""}},
        {"<head>\r\n  <title>", {"", "<head>", "<title>"}, {"", "\r\n  ", ""}},
        {std::string_view("a\0<p\0>\0", 7),
         {"", std::string_view("<p\0>", 4)},
         {std::string_view("a\0", 2), std::string_view("\0", 1)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
        Parts tags{"stale"};
        Parts texts{"stale", "stale"};
        SplitHtmlString(c.text, tags, texts);
        EXPECT_EQ(tags, c.tags);
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(JoinHtmlString(tags, texts), c.text);
    }
}

TEST(TagSplitting, SplitThenJoinGivesBackAnyBytes) {
    std::mt19937 random(11121226);
    for (int round = 0; round < 20000; ++round) {
        std::string text = rewriter_test::RandomBytes(random, 60);
        const std::string original = text;
        Parts tags;
        Parts texts;
        SplitUnsplitHtmlString(text, tags, texts, SplitMode::Split);
        ASSERT_EQ(text, original);
        ASSERT_EQ(tags.size(), texts.size());
        // Joined in place: the parts view into the very text being replaced.
        SplitUnsplitHtmlString(text, tags, texts, SplitMode::Join);
        ASSERT_EQ(text, original) << testing::PrintToString(original);
    }
}

TEST(TagSplitting, JoinUsesThePartsAsTheCallerLeftThem) {
    const std::string page = "<html><head>\n<link rel=icon>\n</head>";
    Parts tags;
    Parts texts;
    SplitHtmlString(page, tags, texts);
    const std::string longer = "<head><meta>";
    tags[2] = longer;
    tags[3] = "";
    EXPECT_EQ(JoinHtmlString(tags, texts), "<html><head><meta>\n\n</head>");
}

TEST(TagSplitting, OffersTheEventLoopEveryThirtySecondPiece) {
    // 64 times "<p>" gives pieces 0 ... 64: yields after pieces 0, 32 and 64.
    std::string page;
    for (int i = 0; i < 64; ++i) page += "<p>";
    testsupport::CountingEventPump pump;
    Parts tags;
    Parts texts;
    SplitHtmlString(page, tags, texts, &pump);
    EXPECT_EQ(pump.yields, 3);
    pump.yields = 0;
    EXPECT_EQ(JoinHtmlString(tags, texts, &pump), page);
    EXPECT_EQ(pump.yields, 3);
}

TEST(TagSplitting, RejectsUnknownModesAndUnevenLists) {
    std::string text = "<p>";
    Parts tags;
    Parts texts;
    try {
        SplitUnsplitHtmlString(text, tags, texts, static_cast<SplitMode>(2));
        FAIL() << "no error for mode 2";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "SplitUnsplitHtmlString: Unknown Mode 2");
    }
    EXPECT_THROW(JoinHtmlString({"<p>"}, {}), std::invalid_argument);
}

}  // namespace
