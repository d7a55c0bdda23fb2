#include "iconsmith/rewriter/operator_masking.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "tests/iconsmith/rewriter_random_text.h"

namespace {

using Module1::ContainsMaskPlaceholder;
using Module1::HideUnhideJavaInHtml;
using Module1::MaskMode;

TEST(OperatorMasking, HidesOnlyOperatorsWithASpaceOnEachSide) {
    struct Case {
        std::string_view text;
        std::string_view masked;
    };
    const Case cases[] = {
        {"if (a < b) x = a >= c;",
         "if (a\x1b\x01"
         "b) x = a\x1b\x04"
         "c;"},
        {"a > b",
         "a\x1b\x02"
         "b"},
        {"a <= b",
         "a\x1b\x03"
         "b"},
        {"a<b", "a<b"},
        {"a <b", "a <b"},
        {"a< b", "a< b"},
        // The leading space of the second operator went to the first replacement.
        {" < >= ", "\x1b\x01>= "},
        {" < < ", "\x1b\x01< "},
        // ">=" is a row of its own, not " > " followed by "=".
        {" >= ", "\x1b\x04"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
        EXPECT_EQ(HideUnhideJavaInHtml(c.text, MaskMode::Hide), c.masked);
        EXPECT_EQ(HideUnhideJavaInHtml(c.masked, MaskMode::Unhide), c.text);
    }
}

TEST(OperatorMasking, MaskedScriptHoldsNoAngleBracket) {
    const std::string masked =
        HideUnhideJavaInHtml("if (a < b) x = a >= c; y = b <= c > d;", MaskMode::Hide);
    EXPECT_EQ(masked.find_first_of("<>"), std::string::npos) << masked;
}

TEST(OperatorMasking, UnhidingATextWithoutPlaceholderChangesNothing) {
    const std::string text = "<p>a < b</p>\x1b\x05 \r\n";
    EXPECT_EQ(HideUnhideJavaInHtml(text, MaskMode::Unhide), text);
}

TEST(OperatorMasking, HideThenUnhideGivesBackEveryTextWithoutPlaceholder) {
    std::mt19937 random(20261211);
    int checked = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string text = rewriter_test::RandomBytes(random, 40);
        // Texts holding a placeholder pair are kept out of masking by the rewriter itself.
        if (ContainsMaskPlaceholder(text)) continue;
        ++checked;
        const std::string masked = HideUnhideJavaInHtml(text, MaskMode::Hide);
        ASSERT_EQ(HideUnhideJavaInHtml(masked, MaskMode::Unhide), text)
            << testing::PrintToString(text);
    }
    EXPECT_GT(checked, 10000);
}

TEST(OperatorMasking, TellsPlaceholderPairsApart) {
    struct Case {
        std::string_view text;
        bool holdsPlaceholder;
    };
    const Case cases[] = {
        {"", false},
        {"\x1b", false},
        {"a\x1b\x05\x1b", false},
        {"\x01\x1b", false},
        {"\x1b\x01", true},
        {"x\x1b\x1b\x04y", true},
        {std::string_view("\0\x1b\x03", 3), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
        EXPECT_EQ(ContainsMaskPlaceholder(c.text), c.holdsPlaceholder);
    }
}

TEST(OperatorMasking, AnUnknownModeIsReportedWithItsNumber) {
    try {
        HideUnhideJavaInHtml("a < b", static_cast<MaskMode>(2));
        FAIL() << "no error for mode 2";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(), "HideUnhideJavaInHtml: Unknown Mode 2");
    }
}

}  // namespace
