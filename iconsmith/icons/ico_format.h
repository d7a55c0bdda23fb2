// Structure check of Windows icon (.ico) files: header, directory and every image's bounds.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace Module1 {

// One image of an icon file as its own header describes it.
struct IcoImage {
    int width;
    int height;
    int bitCount;  // bits per pixel; 32 for PNG entries
    bool png;      // stored as PNG instead of a BMP DIB
};

// The images of a well-formed icon file, or nothing when the bytes are not a usable icon
// (truncated, wrong header, an image outside the file, a damaged image header, no image at all).
std::optional<std::vector<IcoImage>> ParseIco(std::string_view bytes);

}  // namespace Module1
