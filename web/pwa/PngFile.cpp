// SPDX-License-Identifier: GPL-3.0-or-later
// The PNG encoder: signature, IHDR, one IDAT of run-length deflate, IEND.
#include "PngFile.h"

#include <array>
#include <cstdint>
#include <utility>

namespace tenebrix::web {

namespace {

std::uint32_t crc32(const std::string& bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const unsigned char byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(const std::string& bytes) {
    std::uint32_t a = 1, b = 0;
    for (const unsigned char byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void appendBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void appendChunk(std::string& out, const char* type, const std::string& data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = type + data;
    out += typed;
    appendBigEndian(out, crc32(typed));
}

// Each row filtered so that flat colour becomes runs of zero bytes: "up"
// (type 2) for a row equal to the one above, "sub" (type 1) otherwise.
std::string filteredScanlines(const pictures::Image& image) {
    const std::size_t stride = static_cast<std::size_t>(4 * image.width);
    std::string raw, previous(stride, '\0');
    for (int y = 0; y < image.height; ++y) {
        std::string row;
        for (int x = 0; x < image.width; ++x) {
            const pictures::Rgba& p = image.pixel(x, y);
            row += {static_cast<char>(p.red), static_cast<char>(p.green), static_cast<char>(p.blue),
                    static_cast<char>(p.alpha)};
        }
        const bool sameAsAbove = y > 0 && row == previous;
        raw += static_cast<char>(sameAsAbove ? 2 : 1);
        for (std::size_t i = 0; i < stride; ++i)
            raw += sameAsAbove ? '\0' : static_cast<char>(row[i] - (i >= 4 ? row[i - 4] : 0));
        previous = std::move(row);
    }
    return raw;
}

// Deflate's bits, least significant first; Huffman codes go most significant first.
class BitWriter {
  public:
    void bits(std::uint32_t value, int count) {
        pending_ |= value << used_;
        for (used_ += count; used_ >= 8; used_ -= 8, pending_ >>= 8)
            bytes_ += static_cast<char>(pending_ & 0xFF);
    }
    void code(std::uint32_t value, int length) {
        std::uint32_t reversed = 0;
        for (int i = 0; i < length; ++i) reversed |= ((value >> i) & 1) << (length - 1 - i);
        bits(reversed, length);
    }
    std::string finish() && {
        if (used_ > 0) bytes_ += static_cast<char>(pending_ & 0xFF);
        return std::move(bytes_);
    }

  private:
    std::string bytes_;
    std::uint32_t pending_ = 0;
    int used_ = 0;
};

// A symbol of the fixed literal/length code (RFC 1951, 3.2.6).
void fixedSymbol(BitWriter& out, int symbol) {
    if (symbol < 144)
        out.code(0x30 + symbol, 8);
    else if (symbol < 256)
        out.code(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        out.code(symbol - 256, 7);
    else
        out.code(0xC0 + symbol - 280, 8);
}

// A repeat of the byte before, 3 to 258 long: its length code, then distance 1.
void repeatPrevious(BitWriter& out, int length) {
    static constexpr int kBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                    31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    int index = 28;
    while (kBase[index] > length) --index;
    const int extraBits = (index < 8 || index == 28) ? 0 : (index - 4) / 4;
    fixedSymbol(out, 257 + index);
    out.bits(static_cast<std::uint32_t>(length - kBase[index]), extraBits);
    out.code(0, 5);
}

// One fixed-code block whose only matches repeat the previous byte: enough
// for pictures of flat colour, and a few dozen lines.
std::string runLengthZlib(const std::string& raw) {
    BitWriter out;
    out.bits(1, 1);  // the last block
    out.bits(1, 2);  // fixed codes
    for (std::size_t i = 0; i < raw.size();) {
        std::size_t run = 0;
        while (i > 0 && run < 258 && i + run < raw.size() && raw[i + run] == raw[i - 1]) ++run;
        if (run >= 3) {
            repeatPrevious(out, static_cast<int>(run));
            i += run;
        } else {
            fixedSymbol(out, static_cast<unsigned char>(raw[i++]));
        }
    }
    fixedSymbol(out, 256);
    std::string stream = "\x78\x01" + std::move(out).finish();
    appendBigEndian(stream, adler32(raw));
    return stream;
}

}  // namespace

std::string pngFileBytes(const pictures::Image& image) {
    std::string header;
    appendBigEndian(header, static_cast<std::uint32_t>(image.width));
    appendBigEndian(header, static_cast<std::uint32_t>(image.height));
    header += {8, 6, 0, 0, 0};  // 8 bits, RGBA, deflate, adaptive filters, no interlace

    std::string file = "\x89PNG\r\n\x1a\n";
    appendChunk(file, "IHDR", header);
    appendChunk(file, "IDAT", runLengthZlib(filteredScanlines(image)));
    appendChunk(file, "IEND", "");
    return file;
}

}  // namespace tenebrix::web
