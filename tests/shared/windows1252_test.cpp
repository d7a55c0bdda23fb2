#include "shared/general/windows1252.h"

#include <gtest/gtest.h>

#include <QString>

using namespace RARUVOVOVA2DIVFU;

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
    const std::string text = FromWindows1252(allBytes);
    EXPECT_EQ(ToWindows1252(text), allBytes);
    // Every byte is one character: a multi-byte character per byte above 0x7F.
    EXPECT_EQ(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).size(), 256);
}

TEST(Windows1252, MapsTheCodePagesCharacters) {
    struct Case {
        const char* bytes;
        const char* utf8;
    };
    const Case cases[] = {
        {"\xE4", "ä"},        {"\xC4\xD6\xDC\xDF", "ÄÖÜß"},
        {"\x80", "€"},        {"\x8A\x9A", "Šš"},
        {"\x96\x97", "–—"},   {"\x9F", "Ÿ"},
        {"\x81", "\xC2\x81"}, {"\x9D", "\xC2\x9D"},
        {"a\r\nb", "a\r\nb"}, {"\xA0\xFF", "\xC2\xA0ÿ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(FromWindows1252(c.bytes), c.utf8);
        EXPECT_EQ(ToWindows1252(c.utf8), c.bytes);
    }
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(ToWindows1252("a中b😀c"), "a?b?c");
    // C1 controls the code page uses for printable characters have no byte of their own.
    EXPECT_EQ(ToWindows1252("\xC2\x80"), "?");
}

TEST(Windows1252, BytesThatAreNoUtf8PassThroughUnchanged) {
    // Text that already is in the code page (or is broken) must not lose bytes on the way out.
    struct Case {
        std::string input;
        std::string expected;
    };
    const Case cases[] = {
        {"gr\xFCn", "gr\xFCn"},            // lone Latin-1 byte
        {"\xC0\x80", "\xC0\x80"},          // overlong NUL
        {"\xE2\x82", "\xE2\x82"},          // sequence cut short at the end
        {"\xED\xA0\x80", "\xED\xA0\x80"},  // surrogate
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(ToWindows1252(c.input), c.expected);
    }
}
