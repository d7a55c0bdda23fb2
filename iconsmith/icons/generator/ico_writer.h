// Writes Windows icon files: 32-bit images with alpha and AND mask, or 8-bit palettized images.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace IconDrawing {

struct RgbaImage {
    int width;
    int height;
    std::vector<std::uint8_t> rgba;  // rows top-down, 4 bytes per pixel
};

// One image of an icon file: its size, bit depth and encoded DIB (header, pixels, AND mask).
struct IcoEntry {
    int width;
    int height;
    int bitCount;
    std::string dib;
};

// 32 bits per pixel, alpha kept; the AND mask marks every fully transparent pixel.
IcoEntry TrueColorEntry(const RgbaImage& image);

// 256 colours: pixels at least half opaque are laid onto `matte` and take a palette colour, the
// others become transparent through the AND mask.
IcoEntry PalettizedEntry(const RgbaImage& image, std::uint32_t matte);

// The complete .ico file with the entries in the given order.
std::string PackIco(const std::vector<IcoEntry>& entries);

}  // namespace IconDrawing
