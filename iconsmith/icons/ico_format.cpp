#include "iconsmith/icons/ico_format.h"

#include <cstdint>
#include <cstring>

namespace Module1 {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
// Larger images are no favicons; the limit also keeps the size arithmetic far from overflow.
constexpr std::int64_t kMaxSide = 4096;

std::uint32_t Read16(std::string_view b, std::size_t at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8;
}

std::uint32_t Read32(std::string_view b, std::size_t at) {
    return Read16(b, at) | Read16(b, at + 2) << 16;
}

std::uint32_t Read32BigEndian(std::string_view b, std::size_t at) {
    return std::uint32_t(std::uint8_t(b[at])) << 24 | std::uint32_t(std::uint8_t(b[at + 1])) << 16 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 8 | std::uint32_t(std::uint8_t(b[at + 3]));
}

std::optional<IcoImage> ParsePng(std::string_view image) {
    // Signature, then the IHDR chunk: length 13, type, width, height, depth, colour type.
    if (image.size() < 8 + 8 + 13) return std::nullopt;
    if (Read32BigEndian(image, 8) != 13 || image.substr(12, 4) != "IHDR") return std::nullopt;
    const std::int64_t width = Read32BigEndian(image, 16), height = Read32BigEndian(image, 20);
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
    return IcoImage{int(width), int(height), 32, true};
}

std::optional<IcoImage> ParseBitmap(std::string_view image) {
    if (image.size() < kInfoHeaderSize) return std::nullopt;
    const std::uint32_t headerSize = Read32(image, 0);
    if (headerSize < kInfoHeaderSize || headerSize > image.size()) return std::nullopt;
    const std::int64_t width = std::int32_t(Read32(image, 4));
    const std::int64_t doubledHeight = std::int32_t(Read32(image, 8));
    const std::uint32_t planes = Read16(image, 12), bitCount = Read16(image, 14);
    const std::uint32_t compression = Read32(image, 16);
    const std::uint32_t colorsUsed = Read32(image, 32);
    // The height counts the colour rows and the AND-mask rows.
    if (width <= 0 || width > kMaxSide || doubledHeight <= 0 || doubledHeight % 2 != 0 ||
        doubledHeight / 2 > kMaxSide || planes != 1) {
        return std::nullopt;
    }
    const std::int64_t height = doubledHeight / 2;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32) {
        return std::nullopt;
    }
    std::int64_t maskBytes = 0;  // bit fields after a plain info header
    if (compression == 3 && (bitCount == 16 || bitCount == 32)) {
        if (headerSize == kInfoHeaderSize) maskBytes = 12;
    } else if (compression != 0) {
        return std::nullopt;
    }
    std::int64_t paletteEntries = 0;
    if (bitCount <= 8) {
        paletteEntries = colorsUsed ? colorsUsed : (1 << bitCount);
        if (paletteEntries > (1 << bitCount)) return std::nullopt;
    }
    const std::int64_t colorStride = (width * bitCount + 31) / 32 * 4;
    const std::int64_t andStride = (width + 31) / 32 * 4;
    const std::int64_t needed = std::int64_t(headerSize) + maskBytes + paletteEntries * 4 +
                                colorStride * height + andStride * height;
    if (needed > std::int64_t(image.size())) return std::nullopt;
    return IcoImage{int(width), int(height), int(bitCount), false};
}

}  // namespace

std::optional<std::vector<IcoImage>> ParseIco(std::string_view bytes) {
    if (bytes.size() < kDirectorySize) return std::nullopt;
    if (Read16(bytes, 0) != 0 || Read16(bytes, 2) != 1) return std::nullopt;
    const std::size_t count = Read16(bytes, 4);
    if (count == 0 || bytes.size() < kDirectorySize + count * kEntrySize) return std::nullopt;
    std::vector<IcoImage> images;
    images.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kDirectorySize + i * kEntrySize;
        const std::uint64_t size = Read32(bytes, entry + 8);
        const std::uint64_t offset = Read32(bytes, entry + 12);
        if (size == 0 || offset < kDirectorySize + count * kEntrySize ||
            offset + size > bytes.size()) {
            return std::nullopt;
        }
        const std::string_view image = bytes.substr(offset, size);
        const bool png =
            image.size() >= 8 && std::memcmp(image.data(), "\x89PNG\r\n\x1a\n", 8) == 0;
        const std::optional<IcoImage> parsed = png ? ParsePng(image) : ParseBitmap(image);
        if (!parsed) return std::nullopt;
        images.push_back(*parsed);
    }
    return images;
}

}  // namespace Module1
