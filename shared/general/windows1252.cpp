#include "shared/general/windows1252.h"

#include <array>
#include <cstdint>

namespace RARUVOVOVA2DIVFU {
namespace {

// Characters of the bytes 0x80..0x9F. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) keep the control character of the same code, so they survive a round trip.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

char32_t characterOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControlRange[byte - 0x80];
    return byte;
}

// The byte of a character, or -1 when the code page has none.
int byteOfCharacter(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<int>(character);
    }
    for (size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == character) return static_cast<int>(0x80 + i);
    }
    return -1;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one well-formed UTF-8 sequence at text[pos]; returns its length, 0 when malformed.
size_t decodeUtf8(std::string_view text, size_t pos, char32_t& character) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    character = value;
    return length;
}

}  // namespace

std::string ToWindows1252(std::string_view utf8Text) {
    std::string bytes;
    bytes.reserve(utf8Text.size());
    size_t pos = 0;
    while (pos < utf8Text.size()) {
        const auto lead = static_cast<unsigned char>(utf8Text[pos]);
        if (lead < 0x80) {
            bytes += static_cast<char>(lead);
            ++pos;
            continue;
        }
        char32_t character = 0;
        const size_t length = decodeUtf8(utf8Text, pos, character);
        if (length == 0) {
            // Not UTF-8: the byte already is a code-page byte, keep it as it is.
            bytes += static_cast<char>(lead);
            ++pos;
            continue;
        }
        const int byte = byteOfCharacter(character);
        bytes += byte < 0 ? '?' : static_cast<char>(byte);
        pos += length;
    }
    return bytes;
}

std::string FromWindows1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x80) {
            text += byte;
        } else {
            appendUtf8(text, characterOfByte(value));
        }
    }
    return text;
}

}  // namespace RARUVOVOVA2DIVFU
