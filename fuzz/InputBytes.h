// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzzer's input read front to back as small numbers. Once it is used up
// every read gives 0, so a run always ends.
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

    // A byte brought into [low, high]; the range holds at most 256 numbers.
    static int fit(int byte, int low, int high) { return low + byte % (high - low + 1); }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
};

}  // namespace tenebrix::fuzz
