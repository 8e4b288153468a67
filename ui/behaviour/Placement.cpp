// SPDX-License-Identifier: GPL-3.0-or-later
// A placement value written as printf's %.7G writes it, from the value's
// exact digits: printf itself, with its floating-point formatting, would be
// the largest part of the web page's program for the sake of four numbers.
#include "Placement.h"

#include <cstdint>
#include <vector>

namespace tenebrix::ui {

namespace {

// A whole number in base 10^9 pieces, least significant first, just able to
// grow by a small factor: enough for a float's exact value.
class Decimal {
  public:
    explicit Decimal(std::uint32_t value) : pieces_{value % kBase, value / kBase} {}
    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& piece : pieces_) {
            const std::uint64_t product = std::uint64_t{piece} * factor + carry;
            piece = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        if (carry > 0) pieces_.push_back(static_cast<std::uint32_t>(carry));
    }
    // Its digits, without leading zeros.
    std::string digits() const {
        std::string text;
        for (auto piece = pieces_.rbegin(); piece != pieces_.rend(); ++piece) {
            std::string nine(9, '0');
            for (std::uint32_t value = *piece, at = 9; at > 0; value /= 10)
                nine[--at] = char('0' + value % 10);
            text += nine;
        }
        const auto first = text.find_first_not_of('0');
        return first == std::string::npos ? "0" : text.substr(first);
    }

  private:
    static constexpr std::uint32_t kBase = 1'000'000'000;
    std::vector<std::uint32_t> pieces_;
};

}  // namespace

std::string placementText(float twips, std::string_view decimalSeparator) {
    std::string text = std::signbit(twips) ? "-" : "";
    if (std::isnan(twips)) return text + "NAN";
    if (std::isinf(twips)) return text + "INF";
    if (twips == 0) return text + "0";

    // |twips| = mantissa * 2^power exactly, the mantissa a whole number of
    // at most 24 bits; then its exact decimal digits times 10^-shift.
    int power = 0;
    const double fraction = std::frexp(std::fabs(static_cast<double>(twips)), &power);
    Decimal exact(static_cast<std::uint32_t>(std::ldexp(fraction, 24)));
    power -= 24;
    int shift = 0;
    for (; power > 0; --power) exact.multiply(2);
    for (; power < 0; ++power, ++shift) exact.multiply(5);  // m / 2^k = m * 5^k / 10^k
    std::string digits = exact.digits();
    // The power of ten of the first digit.
    int exponent = static_cast<int>(digits.size()) - 1 - shift;

    // Seven significant digits, the rest rounded off: more than half up,
    // an exact half to an even last digit.
    constexpr std::size_t kPrecision = 7;
    if (digits.size() < kPrecision) digits.append(kPrecision - digits.size(), '0');
    const std::string rest = digits.substr(kPrecision);
    digits.resize(kPrecision);
    const bool overHalf =
        !rest.empty() &&
        (rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos));
    const bool half = !rest.empty() && rest[0] == '5' && !overHalf;
    if (overHalf || (half && (digits.back() - '0') % 2 == 1)) {
        std::size_t at = kPrecision;
        while (at > 0 && digits[at - 1] == '9') digits[--at] = '0';
        if (at == 0) {
            digits = std::string(1, '1').append(digits, 0, kPrecision - 1);
            ++exponent;
        } else {
            ++digits[at - 1];
        }
    }

    // Trailing zeros of a fraction go, and a point with nothing after it.
    const auto withFraction = [&](std::string whole, std::string fraction) {
        const auto last = fraction.find_last_not_of('0');
        fraction.resize(last == std::string::npos ? 0 : last + 1);
        return fraction.empty() ? whole : whole + std::string(decimalSeparator) + fraction;
    };
    if (exponent < -4 || exponent >= static_cast<int>(kPrecision)) {
        const int size = exponent < 0 ? -exponent : exponent;
        std::string power10 = std::to_string(size);
        if (power10.size() < 2) power10 = std::string(1, '0').append(power10);
        return text + withFraction(digits.substr(0, 1), digits.substr(1)) + "E" +
               (exponent < 0 ? "-" : "+") + power10;
    }
    if (exponent >= 0) {
        const auto point = static_cast<std::size_t>(exponent) + 1;
        return text + withFraction(digits.substr(0, point), digits.substr(point));
    }
    return text +
           withFraction("0", std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits);
}

}  // namespace tenebrix::ui
