// ParseIco: what it accepts as a usable icon file and what it turns away.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QImage>

#include <cstdint>
#include <functional>
#include <string>

#include "iconsmith/icons/ico_format.h"

namespace {

using Module1::IcoImage;
using Module1::ParseIco;

void Put16(std::string& s, std::size_t at, unsigned v) {
    s[at] = char(v & 0xff);
    s[at + 1] = char((v >> 8) & 0xff);
}

void Put32(std::string& s, std::size_t at, std::uint32_t v) {
    Put16(s, at, v & 0xffff);
    Put16(s, at + 2, v >> 16);
}

// A one-image icon with a BMP entry of the given size and depth, everything zero but the headers.
std::string BitmapIcon(int width, int height, int bitCount) {
    const int palette = bitCount <= 8 ? (1 << bitCount) : 0;
    const int colorStride = (width * bitCount + 31) / 32 * 4;
    const int maskStride = (width + 31) / 32 * 4;
    const std::size_t dibSize = 40 + palette * 4 + (colorStride + maskStride) * height;
    std::string icon(6 + 16 + dibSize, '\0');
    Put16(icon, 2, 1);
    Put16(icon, 4, 1);
    icon[6] = char(width);
    icon[7] = char(height);
    Put16(icon, 10, 1);
    Put16(icon, 12, unsigned(bitCount));
    Put32(icon, 14, std::uint32_t(dibSize));
    Put32(icon, 18, 22);
    Put32(icon, 22, 40);
    Put32(icon, 26, std::uint32_t(width));
    Put32(icon, 30, std::uint32_t(height * 2));
    Put16(icon, 34, 1);
    Put16(icon, 36, unsigned(bitCount));
    return icon;
}

std::string PngIcon(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    std::string icon(22, '\0');
    Put16(icon, 2, 1);
    Put16(icon, 4, 1);
    Put16(icon, 10, 1);
    Put16(icon, 12, 32);
    Put32(icon, 14, std::uint32_t(png.size()));
    Put32(icon, 18, 22);
    return icon + png.toStdString();
}

TEST(ParseIco, AcceptsBitmapAndPngEntries) {
    struct Case {
        const char* name;
        std::string bytes;
        IcoImage expected;
    };
    const Case cases[] = {
        {"1-bit 32x32", BitmapIcon(32, 32, 1), {32, 32, 1, false}},
        {"4-bit 16x16", BitmapIcon(16, 16, 4), {16, 16, 4, false}},
        {"8-bit 48x48", BitmapIcon(48, 48, 8), {48, 48, 8, false}},
        {"24-bit odd width 17x9", BitmapIcon(17, 9, 24), {17, 9, 24, false}},
        {"32-bit 64x64", BitmapIcon(64, 64, 32), {64, 64, 32, false}},
        {"PNG 256x256", PngIcon(256), {256, 256, 32, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto images = ParseIco(c.bytes);
        ASSERT_TRUE(images.has_value());
        ASSERT_EQ(images->size(), 1u);
        EXPECT_EQ((*images)[0].width, c.expected.width);
        EXPECT_EQ((*images)[0].height, c.expected.height);
        EXPECT_EQ((*images)[0].bitCount, c.expected.bitCount);
        EXPECT_EQ((*images)[0].png, c.expected.png);
    }
}

TEST(ParseIco, ReportsEveryImageOfAFile) {
    // Two directory entries pointing at the same well-formed 16x16 image.
    std::string icon = BitmapIcon(16, 16, 32);
    const std::string dib = icon.substr(22);
    std::string two(6 + 32, '\0');
    Put16(two, 2, 1);
    Put16(two, 4, 2);
    for (std::size_t e = 0; e < 2; ++e) {
        two.replace(6 + e * 16, 16, icon.substr(6, 16));
        Put32(two, 6 + e * 16 + 12, 38);
    }
    const auto images = ParseIco(two + dib);
    ASSERT_TRUE(images.has_value());
    EXPECT_EQ(images->size(), 2u);
}

TEST(ParseIco, RejectsDamagedOrForeignData) {
    const std::string good = BitmapIcon(32, 32, 32);
    using Edit = std::function<void(std::string&)>;
    struct Case {
        const char* name;
        Edit edit;
    };
    const Case cases[] = {
        {"empty", [](std::string& s) { s.clear(); }},
        {"header only", [](std::string& s) { s.resize(6); }},
        {"directory cut short", [](std::string& s) { s.resize(15); }},
        {"pixel data cut short", [](std::string& s) { s.resize(s.size() - 1); }},
        {"info header cut short", [](std::string& s) { s.resize(22 + 20); }},
        {"reserved field set", [](std::string& s) { Put16(s, 0, 1); }},
        {"cursor file", [](std::string& s) { Put16(s, 2, 2); }},
        {"zero images", [](std::string& s) { Put16(s, 4, 0); }},
        {"more entries than the directory holds", [](std::string& s) { Put16(s, 4, 300); }},
        {"entry size smaller than its image", [](std::string& s) { Put32(s, 14, 4263); }},
        {"image size zero", [](std::string& s) { Put32(s, 14, 0); }},
        {"image beyond the end", [](std::string& s) { Put32(s, 18, std::uint32_t(s.size())); }},
        {"offset inside the directory", [](std::string& s) { Put32(s, 18, 10); }},
        {"offset plus size wraps around", [](std::string& s) { Put32(s, 18, 0xfffffff0u); }},
        {"size larger than the file", [](std::string& s) { Put32(s, 14, 0xffffffffu); }},
        {"width zero", [](std::string& s) { Put32(s, 26, 0); }},
        {"negative width", [](std::string& s) { Put32(s, 26, 0xffffffe0u); }},
        {"height not doubled", [](std::string& s) { Put32(s, 30, 33); }},
        {"height zero", [](std::string& s) { Put32(s, 30, 0); }},
        {"huge height", [](std::string& s) { Put32(s, 30, 0x7ffffffeu); }},
        {"planes zero", [](std::string& s) { Put16(s, 34, 0); }},
        {"bit count 7", [](std::string& s) { Put16(s, 36, 7); }},
        {"compressed bitmap", [](std::string& s) { Put32(s, 38, 1); }},
        {"info header size too small", [](std::string& s) { Put32(s, 22, 12); }},
        {"palette larger than the depth allows",
         [](std::string& s) {
             Put16(s, 36, 8);
             Put32(s, 54, 300);
         }},
        {"PNG without IHDR",
         [](std::string& s) {
             const std::string png = "\x89PNG\r\n\x1a\n" + std::string(40, 'x');
             s.replace(22, png.size(), png);
         }},
        {"text file",
         [](std::string& s) { s = "<html><head></head><body>kein Icon</body></html>"; }},
        {"BMP picture", [](std::string& s) { s.replace(0, 2, "BM"); }},
    };
    ASSERT_TRUE(ParseIco(good).has_value());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = good;
        c.edit(bytes);
        EXPECT_FALSE(ParseIco(bytes).has_value());
    }
}

TEST(ParseIco, RejectsPngEntryWithZeroSize) {
    std::string icon = PngIcon(16);
    Put32(icon, 22 + 16, 0);  // IHDR width
    EXPECT_FALSE(ParseIco(icon).has_value());
}

TEST(ParseIco, SurvivesEveryTruncationOfAValidIcon) {
    const std::string good = BitmapIcon(16, 16, 32);
    for (std::size_t length = 0; length < good.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_FALSE(ParseIco(std::string_view(good).substr(0, length)).has_value());
    }
}

}  // namespace
