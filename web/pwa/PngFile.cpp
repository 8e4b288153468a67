// SPDX-License-Identifier: GPL-3.0-or-later
// The PNG encoder: signature, IHDR, one IDAT of deflate, IEND.
#include "PngFile.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

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

// A literal byte (distance 0) or a copy of `length` (3 to 258) bytes from
// `distance` (1 to 32768) bytes back.
struct Token {
    int length;
    int distance;
};

// Each position takes the longest earlier copy among the most recent ones
// that start with the same three bytes: the icons' flat colour repeats
// along a row and from one row to the next.
std::vector<Token> matches(const std::string& raw) {
    constexpr std::size_t kWindow = 32768, kMaxLength = 258, kMinLength = 3;
    constexpr int kCandidates = 32;
    constexpr std::uint32_t kHashSize = 1u << 15;
    const auto hashAt = [&raw](std::size_t i) {
        const auto byte = [&raw](std::size_t at) { return static_cast<unsigned char>(raw[at]); };
        return ((byte(i) << 10) ^ (byte(i + 1) << 5) ^ byte(i + 2)) & (kHashSize - 1);
    };
    // The latest position with each hash, and for each position the one
    // before it with the same hash; kNone ends a chain.
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::size_t> latest(kHashSize, kNone), earlier(raw.size(), kNone);
    const auto remember = [&](std::size_t i) {
        if (i + kMinLength > raw.size()) return;
        const std::uint32_t hash = hashAt(i);
        earlier[i] = latest[hash];
        latest[hash] = i;
    };

    std::vector<Token> tokens;
    for (std::size_t i = 0; i < raw.size();) {
        std::size_t bestLength = 0, bestDistance = 0;
        if (i + kMinLength <= raw.size()) {
            const std::size_t longest = std::min(kMaxLength, raw.size() - i);
            std::size_t candidate = latest[hashAt(i)];
            for (int tries = 0;
                 candidate != kNone && i - candidate <= kWindow && tries < kCandidates;
                 ++tries, candidate = earlier[candidate]) {
                std::size_t length = 0;
                while (length < longest && raw[candidate + length] == raw[i + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = i - candidate;
                    if (length == longest) break;
                }
            }
        }
        if (bestLength >= kMinLength) {
            tokens.push_back({static_cast<int>(bestLength), static_cast<int>(bestDistance)});
            for (std::size_t end = i + bestLength; i < end; ++i) remember(i);
        } else {
            tokens.push_back({static_cast<unsigned char>(raw[i]), 0});
            remember(i++);
        }
    }
    return tokens;
}

// A length's or a distance's code, base and extra bits (RFC 1951, 3.2.5).
struct Coded {
    int code;
    int extraBits;
    std::uint32_t extra;
};

Coded lengthCode(int length) {
    static constexpr int kBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                    31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    int index = 28;
    while (kBase[index] > length) --index;
    return {257 + index, (index < 8 || index == 28) ? 0 : (index - 4) / 4,
            static_cast<std::uint32_t>(length - kBase[index])};
}

Coded distanceCode(int distance) {
    static constexpr int kBase[] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                    33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                    1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    int code = 29;
    while (kBase[code] > distance) --code;
    return {code, code < 4 ? 0 : code / 2 - 1, static_cast<std::uint32_t>(distance - kBase[code])};
}

// Huffman code lengths for symbols seen `counts` times, none longer than
// `limit`: while the tree is too deep the counts are halved (a seen symbol
// keeps at least one), which flattens it; all equal, it is balanced.
std::vector<int> codeLengths(std::vector<std::uint64_t> counts, int limit) {
    for (;;) {
        std::vector<int> lengths(counts.size(), 0);
        std::vector<std::size_t> leaves;
        std::vector<int> parent;
        using Node = std::pair<std::uint64_t, int>;  // weight, index in `parent`
        std::priority_queue<Node, std::vector<Node>, std::greater<>> queue;
        for (std::size_t symbol = 0; symbol < counts.size(); ++symbol) {
            if (counts[symbol] == 0) continue;
            queue.push({counts[symbol], static_cast<int>(parent.size())});
            parent.push_back(-1);
            leaves.push_back(symbol);
        }
        if (leaves.size() == 1) lengths[leaves[0]] = 1;
        if (leaves.size() <= 1) return lengths;
        while (queue.size() > 1) {
            const Node a = queue.top();
            queue.pop();
            const Node b = queue.top();
            queue.pop();
            const int joined = static_cast<int>(parent.size());
            parent.push_back(-1);
            parent[static_cast<std::size_t>(a.second)] = joined;
            parent[static_cast<std::size_t>(b.second)] = joined;
            queue.push({a.first + b.first, joined});
        }
        int deepest = 0;
        for (std::size_t leaf = 0; leaf < leaves.size(); ++leaf) {
            int depth = 0;
            for (int node = static_cast<int>(leaf); parent[static_cast<std::size_t>(node)] >= 0;
                 node = parent[static_cast<std::size_t>(node)])
                ++depth;
            lengths[leaves[leaf]] = depth;
            deepest = std::max(deepest, depth);
        }
        if (deepest <= limit) return lengths;
        for (std::uint64_t& count : counts) count = (count + 1) / 2;
    }
}

// The codes that deflate's canonical Huffman code gives those lengths
// (RFC 1951, 3.2.2).
std::vector<std::uint32_t> canonicalCodes(const std::vector<int>& lengths) {
    std::array<std::uint32_t, 16> perLength{}, next{};
    for (const int length : lengths)
        if (length > 0) ++perLength[static_cast<std::size_t>(length)];
    std::uint32_t code = 0;
    for (std::size_t bits = 1; bits < next.size(); ++bits) {
        code = (code + (bits > 1 ? perLength[bits - 1] : 0)) << 1;
        next[bits] = code;
    }
    std::vector<std::uint32_t> codes(lengths.size(), 0);
    for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol)
        if (lengths[symbol] > 0) codes[symbol] = next[static_cast<std::size_t>(lengths[symbol])]++;
    return codes;
}

// The two codes' lengths, one after the other, as deflate sends them: a
// run of zeros as symbol 17 or 18, a run of one length as 16 after it.
// Each entry: symbol, extra bits' value.
std::vector<std::pair<int, std::uint32_t>> runsOfLengths(const std::vector<int>& lengths) {
    std::vector<std::pair<int, std::uint32_t>> symbols;
    for (std::size_t i = 0; i < lengths.size();) {
        const int length = lengths[i];
        std::size_t run = 1;
        while (i + run < lengths.size() && lengths[i + run] == length) ++run;
        if (length == 0 && run >= 3) {
            run = std::min<std::size_t>(run, 138);
            if (run <= 10)
                symbols.push_back({17, static_cast<std::uint32_t>(run - 3)});
            else
                symbols.push_back({18, static_cast<std::uint32_t>(run - 11)});
        } else if (length != 0 && run >= 4) {
            run = std::min<std::size_t>(run, 7);
            symbols.push_back({length, 0});
            symbols.push_back({16, static_cast<std::uint32_t>(run - 4)});
        } else {
            run = 1;
            symbols.push_back({length, 0});
        }
        i += run;
    }
    return symbols;
}

// One block with codes made for this picture: the copies of flat colour,
// thousands alike, then cost a bit or two each, and the 512-pixel icon
// packs to about what gzip makes of it, which matters since servers send
// PNG files as they are.
std::string compressedZlib(const std::string& raw) {
    const std::vector<Token> tokens = matches(raw);
    std::vector<std::uint64_t> literalCounts(286, 0), distanceCounts(30, 0);
    for (const Token& token : tokens) {
        if (token.distance == 0) {
            ++literalCounts[static_cast<std::size_t>(token.length)];
        } else {
            ++literalCounts[static_cast<std::size_t>(lengthCode(token.length).code)];
            ++distanceCounts[static_cast<std::size_t>(distanceCode(token.distance).code)];
        }
    }
    ++literalCounts[256];  // the end of the block
    // A picture without copies still sends one distance code.
    if (std::all_of(distanceCounts.begin(), distanceCounts.end(), [](auto n) { return n == 0; }))
        distanceCounts[0] = 1;

    const std::vector<int> literalLengths = codeLengths(literalCounts, 15);
    const std::vector<int> distanceLengths = codeLengths(distanceCounts, 15);
    std::size_t literalsSent = 286, distancesSent = 30;
    while (literalLengths[literalsSent - 1] == 0) --literalsSent;
    while (distancesSent > 1 && distanceLengths[distancesSent - 1] == 0) --distancesSent;
    std::vector<int> allLengths(literalLengths.begin(),
                                literalLengths.begin() + static_cast<std::ptrdiff_t>(literalsSent));
    allLengths.insert(allLengths.end(), distanceLengths.begin(),
                      distanceLengths.begin() + static_cast<std::ptrdiff_t>(distancesSent));
    const auto runs = runsOfLengths(allLengths);
    std::vector<std::uint64_t> lengthCounts(19, 0);
    for (const auto& [symbol, extra] : runs) ++lengthCounts[static_cast<std::size_t>(symbol)];
    const std::vector<int> lengthLengths = codeLengths(lengthCounts, 7);
    static constexpr std::array<int, 19> kLengthOrder{16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                      11, 4,  12, 3, 13, 2, 14, 1, 15};
    std::size_t lengthsSent = 19;
    while (lengthsSent > 4 &&
           lengthLengths[static_cast<std::size_t>(kLengthOrder[lengthsSent - 1])] == 0)
        --lengthsSent;

    const auto literalCodes = canonicalCodes(literalLengths);
    const auto distanceCodes = canonicalCodes(distanceLengths);
    const auto lengthCodes = canonicalCodes(lengthLengths);
    BitWriter out;
    out.bits(1, 1);  // the last block
    out.bits(2, 2);  // codes of its own
    out.bits(static_cast<std::uint32_t>(literalsSent - 257), 5);
    out.bits(static_cast<std::uint32_t>(distancesSent - 1), 5);
    out.bits(static_cast<std::uint32_t>(lengthsSent - 4), 4);
    for (std::size_t i = 0; i < lengthsSent; ++i)
        out.bits(
            static_cast<std::uint32_t>(lengthLengths[static_cast<std::size_t>(kLengthOrder[i])]),
            3);
    for (const auto& [symbol, extra] : runs) {
        const auto at = static_cast<std::size_t>(symbol);
        out.code(lengthCodes[at], lengthLengths[at]);
        if (symbol == 16) out.bits(extra, 2);
        if (symbol == 17) out.bits(extra, 3);
        if (symbol == 18) out.bits(extra, 7);
    }
    const auto send = [&](const std::vector<std::uint32_t>& codes, const std::vector<int>& lengths,
                          int symbol) {
        const auto at = static_cast<std::size_t>(symbol);
        out.code(codes[at], lengths[at]);
    };
    for (const Token& token : tokens) {
        if (token.distance == 0) {
            send(literalCodes, literalLengths, token.length);
            continue;
        }
        const Coded length = lengthCode(token.length), distance = distanceCode(token.distance);
        send(literalCodes, literalLengths, length.code);
        out.bits(length.extra, length.extraBits);
        send(distanceCodes, distanceLengths, distance.code);
        out.bits(distance.extra, distance.extraBits);
    }
    send(literalCodes, literalLengths, 256);
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
    appendChunk(file, "IDAT", compressedZlib(filteredScanlines(image)));
    appendChunk(file, "IEND", "");
    return file;
}

}  // namespace tenebrix::web
