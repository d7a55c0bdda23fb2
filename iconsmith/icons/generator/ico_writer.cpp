#include "iconsmith/icons/generator/ico_writer.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace IconDrawing {

namespace {

void Put16(std::string& out, unsigned v) {
    out.push_back(char(v & 0xff));
    out.push_back(char((v >> 8) & 0xff));
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

int MaskStride(int width) {
    return (width + 31) / 32 * 4;
}

void PutInfoHeader(std::string& out, int width, int height, int bitCount, std::uint32_t imageSize,
                   std::uint32_t colorsUsed) {
    Put32(out, 40);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height * 2));  // colour rows plus mask rows
    Put16(out, 1);
    Put16(out, unsigned(bitCount));
    Put32(out, 0);  // uncompressed
    Put32(out, imageSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, colorsUsed);
    Put32(out, 0);
}

// AND mask rows bottom-up, one bit per pixel, most significant bit first.
std::string AndMask(const RgbaImage& image, const std::vector<bool>& transparent) {
    const int stride = MaskStride(image.width);
    std::string mask(std::size_t(stride) * image.height, '\0');
    for (int y = 0; y < image.height; ++y) {
        const int row = image.height - 1 - y;
        for (int x = 0; x < image.width; ++x) {
            if (transparent[std::size_t(y) * image.width + x]) {
                mask[std::size_t(row) * stride + x / 8] |= char(0x80 >> (x % 8));
            }
        }
    }
    return mask;
}

}  // namespace

IcoEntry TrueColorEntry(const RgbaImage& image) {
    const std::size_t pixels = std::size_t(image.width) * image.height;
    std::vector<bool> transparent(pixels);
    std::string colors;
    colors.reserve(pixels * 4);
    for (int row = image.height - 1; row >= 0; --row) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = &image.rgba[(std::size_t(row) * image.width + x) * 4];
            if (p[3] == 0) {
                transparent[std::size_t(row) * image.width + x] = true;
                colors.append(4, '\0');
            } else {
                colors.push_back(char(p[2]));
                colors.push_back(char(p[1]));
                colors.push_back(char(p[0]));
                colors.push_back(char(p[3]));
            }
        }
    }
    const std::string mask = AndMask(image, transparent);
    std::string dib;
    PutInfoHeader(dib, image.width, image.height, 32, std::uint32_t(colors.size() + mask.size()),
                  0);
    dib += colors;
    dib += mask;
    return {image.width, image.height, 32, std::move(dib)};
}

IcoEntry PalettizedEntry(const RgbaImage& image, std::uint32_t matte) {
    const std::size_t pixels = std::size_t(image.width) * image.height;
    std::vector<bool> transparent(pixels);
    std::vector<std::uint32_t> flat(pixels);
    for (std::size_t i = 0; i < pixels; ++i) {
        const std::uint8_t* p = &image.rgba[i * 4];
        if (p[3] < 128) {
            transparent[i] = true;
            continue;
        }
        std::uint32_t rgb = 0;
        for (int c = 0; c < 3; ++c) {
            const unsigned back = (matte >> (16 - 8 * c)) & 0xff;
            const unsigned v = (p[c] * p[3] + back * (255 - p[3]) + 127) / 255;
            rgb = (rgb << 8) | v;
        }
        flat[i] = rgb;
    }
    // Index 0 stays black for the transparent pixels; when the picture has more colours than
    // the palette holds, drop low bits of every channel until it fits.
    std::map<std::uint32_t, int> palette;
    for (unsigned channelMask = 0xff;; channelMask = (channelMask << 1) & 0xff) {
        if (channelMask == 0) throw std::runtime_error("picture cannot be reduced to 256 colours");
        const std::uint32_t keep = channelMask * 0x010101u;
        palette.clear();
        for (std::size_t i = 0; i < pixels; ++i) {
            if (!transparent[i]) palette.emplace(flat[i] & keep, 0);
        }
        if (palette.size() <= 255) {
            for (std::size_t i = 0; i < pixels; ++i) flat[i] &= keep;
            break;
        }
    }
    int next = 1;
    for (auto& [rgb, index] : palette) index = next++;

    std::string body;
    for (int i = 0; i < 256; ++i) Put32(body, 0);
    for (const auto& [rgb, index] : palette) {
        body[std::size_t(index) * 4 + 0] = char(rgb & 0xff);
        body[std::size_t(index) * 4 + 1] = char((rgb >> 8) & 0xff);
        body[std::size_t(index) * 4 + 2] = char((rgb >> 16) & 0xff);
    }
    const int stride = (image.width + 3) / 4 * 4;
    std::string indices(std::size_t(stride) * image.height, '\0');
    for (int y = 0; y < image.height; ++y) {
        const int row = image.height - 1 - y;
        for (int x = 0; x < image.width; ++x) {
            const std::size_t i = std::size_t(y) * image.width + x;
            if (!transparent[i]) indices[std::size_t(row) * stride + x] = char(palette.at(flat[i]));
        }
    }
    const std::string mask = AndMask(image, transparent);
    std::string dib;
    PutInfoHeader(dib, image.width, image.height, 8, std::uint32_t(indices.size() + mask.size()),
                  256);
    dib += body;
    dib += indices;
    dib += mask;
    return {image.width, image.height, 8, std::move(dib)};
}

std::string PackIco(const std::vector<IcoEntry>& entries) {
    std::string out;
    Put16(out, 0);
    Put16(out, 1);  // icon, not cursor
    Put16(out, unsigned(entries.size()));
    std::uint32_t offset = std::uint32_t(6 + 16 * entries.size());
    for (const IcoEntry& e : entries) {
        out.push_back(char(e.width >= 256 ? 0 : e.width));
        out.push_back(char(e.height >= 256 ? 0 : e.height));
        out.push_back(char(e.bitCount <= 4 ? 1 << e.bitCount : 0));  // palette size below 256
        out.push_back('\0');
        Put16(out, 1);
        Put16(out, unsigned(e.bitCount));
        Put32(out, std::uint32_t(e.dib.size()));
        Put32(out, offset);
        offset += std::uint32_t(e.dib.size());
    }
    for (const IcoEntry& e : entries) out += e.dib;
    return out;
}

}  // namespace IconDrawing
