#include "shared/general/escape_sequences.h"

#include <gtest/gtest.h>

#include <random>

using namespace RARUVOVOVA2DIVFU;

TEST(DecodeEscapes, FollowsTheEscapeTable) {
    struct Case {
        std::string escaped;
        std::string plain;
    };
    const Case cases[] = {
        {"a\\nb", "a\rb"},  {"\\n\\l", "\r\n"},
        {"\\N\\L", "\r\n"}, {"\\t\\T", "\t\t"},
        {"\\H", "\""},      {"\\h", "\""},
        {"\\", ""},         {"abc\\", "abc"},
        {"\\q", "q"},       {"\\Q", "Q"},
        {"", ""},           {"\\\\", "\\"},
        {"\\\\n", "\\n"},   {"C:\\\\web", "C:\\web"},
        {"ä\\Nö", "ä\rö"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.escaped);
        EXPECT_EQ(DecodeEscapes(c.escaped), c.plain);
    }
}

TEST(EncodeEscapes, WritesUpperCaseEscapes) {
    EXPECT_EQ(EncodeEscapes("Zeile 1\r\nZeile 2"), "Zeile 1\\N\\LZeile 2");
    EXPECT_EQ(EncodeEscapes("C:\\web"), "C:\\\\web");
    EXPECT_EQ(EncodeEscapes("\t\"x\""), "\\T\\Hx\\H");
    EXPECT_EQ(EncodeEscapes("grün"), "grün");
}

TEST(EscapeRoundTrip, EveryByteValueComesBack) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
    std::mt19937 random(42);
    std::vector<std::string> texts{allBytes, "", "\\", "\\\\N", "\r\n\r\n"};
    for (int i = 0; i < 200; ++i) {
        std::string text(random() % 40, ' ');
        // Mostly the characters that matter, so escapes sit next to each other.
        static const char interesting[] = "\\\t\r\n\"NLTHnlth a";
        for (auto& c : text) {
            c = random() % 3 == 0 ? static_cast<char>(random() % 256)
                                  : interesting[random() % (sizeof(interesting) - 1)];
        }
        texts.push_back(text);
    }
    for (const auto& text : texts) {
        const std::string encoded = EncodeEscapes(text);
        EXPECT_EQ(DecodeEscapes(encoded), text);
        EXPECT_EQ(encoded.find_first_of(std::string("\t\r\n\"")), std::string::npos);
    }
}
