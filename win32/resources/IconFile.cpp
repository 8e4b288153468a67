// SPDX-License-Identifier: GPL-3.0-or-later
// Writing .ico files: a directory of entries, then each picture as a
// device-independent bitmap of twice its height (colours, then the 1-bit mask).
#include "IconFile.h"

#include <algorithm>
#include <stdexcept>

namespace tenebrix::icons {

namespace {

using pictures::Image;
using pictures::Rgba;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kBitmapHeaderSize = 40;
constexpr std::size_t kPaletteColours = 16;
constexpr int kLargestSide = 256;

void put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// Bitmap rows are padded to whole 32-bit words.
std::size_t rowBytes(int width, int bitsPerPixel) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

// The picture's colours when it has few enough, all opaque, for a palette.
std::vector<Rgba> smallPalette(const Image& picture) {
    std::vector<Rgba> colours;
    for (const Rgba& pixel : picture.pixels) {
        if (pixel.alpha != 255) return {};
        if (std::find(colours.begin(), colours.end(), pixel) != colours.end()) continue;
        if (colours.size() == kPaletteColours) return {};
        colours.push_back(pixel);
    }
    return colours;
}

void putBitmapHeader(Bytes& out, const Image& picture, int bitsPerPixel, std::size_t imageBytes) {
    put32(out, kBitmapHeaderSize);
    put32(out, static_cast<std::uint32_t>(picture.width));
    put32(out, static_cast<std::uint32_t>(2 * picture.height));  // colours and mask
    put16(out, 1);                                               // planes
    put16(out, static_cast<unsigned>(bitsPerPixel));
    put32(out, 0);  // uncompressed
    put32(out, static_cast<std::uint32_t>(imageBytes));
    for (int unused = 0; unused < 4; ++unused) put32(out, 0);  // resolution, colours used
}

// Colour rows bottom row first, as bitmaps store them.
void putColourRows(Bytes& out, const Image& picture, const std::vector<Rgba>& palette) {
    const int bits = palette.empty() ? 32 : 4;
    for (int y = picture.height - 1; y >= 0; --y) {
        Bytes row(rowBytes(picture.width, bits), 0);
        for (int x = 0; x < picture.width; ++x) {
            const Rgba& pixel = picture.pixel(x, y);
            if (bits == 32) {
                const auto at = static_cast<std::size_t>(x) * 4;
                row[at] = pixel.blue;
                row[at + 1] = pixel.green;
                row[at + 2] = pixel.red;
                row[at + 3] = pixel.alpha;
            } else {
                const auto index =
                    std::find(palette.begin(), palette.end(), pixel) - palette.begin();
                row[static_cast<std::size_t>(x / 2)] |=
                    static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

// The AND mask: a set bit lets the background show. Only fully transparent
// pixels are masked, for the programs that ignore the alpha channel.
void putMaskRows(Bytes& out, const Image& picture) {
    for (int y = picture.height - 1; y >= 0; --y) {
        Bytes row(rowBytes(picture.width, 1), 0);
        for (int x = 0; x < picture.width; ++x) {
            if (picture.pixel(x, y).alpha == 0)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

Bytes bitmapOf(const Image& picture) {
    const std::vector<Rgba> palette = smallPalette(picture);
    const int bits = palette.empty() ? 32 : 4;
    const std::size_t imageBytes = (rowBytes(picture.width, bits) + rowBytes(picture.width, 1)) *
                                   static_cast<std::size_t>(picture.height);
    Bytes out;
    putBitmapHeader(out, picture, bits, imageBytes);
    if (!palette.empty()) {
        for (std::size_t i = 0; i < kPaletteColours; ++i) {
            const Rgba colour = i < palette.size() ? palette[i] : Rgba{0, 0, 0};
            out.insert(out.end(), {colour.blue, colour.green, colour.red, 0});
        }
    }
    putColourRows(out, picture, palette);
    putMaskRows(out, picture);
    return out;
}

void requireIconSized(const Image& picture) {
    if (picture.width != picture.height || picture.width < 1 || picture.width > kLargestSide ||
        picture.pixels.size() != static_cast<std::size_t>(picture.width * picture.height))
        throw std::invalid_argument("an icon picture is square, 1 to 256 pixels wide");
}

}  // namespace

std::vector<std::uint8_t> iconFile(const std::vector<Image>& pictures) {
    std::vector<Bytes> bitmaps;
    for (const Image& picture : pictures) {
        requireIconSized(picture);
        bitmaps.push_back(bitmapOf(picture));
    }
    Bytes out;
    put16(out, 0);
    put16(out, 1);  // an icon, not a cursor
    put16(out, static_cast<unsigned>(pictures.size()));
    std::size_t offset = kDirectorySize + kEntrySize * pictures.size();
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const auto side = static_cast<std::uint8_t>(pictures[i].width % kLargestSide);  // 0 is 256
        const bool paletted = smallPalette(pictures[i]).size() > 0;
        out.insert(out.end(),
                   {side, side, static_cast<std::uint8_t>(paletted ? kPaletteColours : 0), 0});
        put16(out, 1);
        put16(out, paletted ? 4 : 32);
        put32(out, static_cast<std::uint32_t>(bitmaps[i].size()));
        put32(out, static_cast<std::uint32_t>(offset));
        offset += bitmaps[i].size();
    }
    for (const Bytes& bitmap : bitmaps) out.insert(out.end(), bitmap.begin(), bitmap.end());
    return out;
}

Image shrunk(const Image& picture, int factor) {
    if (factor < 1 || picture.width % factor != 0 || picture.height % factor != 0)
        throw std::invalid_argument("the picture's sides must divide by the factor");
    Image result(picture.width / factor, picture.height / factor, Rgba{});
    const int count = factor * factor;
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const Rgba& p = picture.pixel(x * factor + dx, y * factor + dy);
                    sum[0] += p.red, sum[1] += p.green, sum[2] += p.blue, sum[3] += p.alpha;
                }
            }
            auto mean = [count](int total) {
                return static_cast<std::uint8_t>((total + count / 2) / count);
            };
            result.pixel(x, y) = Rgba{mean(sum[0]), mean(sum[1]), mean(sum[2]), mean(sum[3])};
        }
    }
    return result;
}

}  // namespace tenebrix::icons
