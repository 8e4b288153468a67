// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzzer's input read front to back as small numbers. Once it is used up
// every read gives the low end of its range, so a run always ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tenebrix::fuzz {

class InputBytes {
  public:
    explicit InputBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool empty() const { return next_ >= bytes_.size(); }

    std::uint8_t byte() { return empty() ? 0 : bytes_[next_++]; }

    // A number in [low, high]; the range holds at most 256 numbers.
    int inRange(int low, int high) { return fit(byte(), low, high); }

    // A byte already read, brought into [low, high] the same way.
    static int fit(int byte, int low, int high) { return low + byte % (high - low + 1); }

    // FNV-1a over the whole input, read or not: a seed that differs with
    // every input.
    std::uint32_t hash() const {
        std::uint32_t value = 2166136261u;
        for (const std::uint8_t b : bytes_) value = (value ^ b) * 16777619u;
        return value;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
};

}  // namespace tenebrix::fuzz
