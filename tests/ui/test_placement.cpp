// SPDX-License-Identifier: GPL-3.0-or-later
// A placement value is written as printf's %.7G writes it, with the
// player's decimal separator: the C library itself is the judge here.
#include <QtTest>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "Placement.h"

using namespace tenebrix::ui;

namespace {

// %.7G from the C library, its point replaced by `separator`.
std::string printfText(float value, const std::string& separator) {
    char digits[32];
    const int length = std::snprintf(digits, sizeof digits, "%.7G", static_cast<double>(value));
    std::string text;
    for (int i = 0; i < length; ++i)
        text += digits[i] == '.' ? separator : std::string(1, digits[i]);
    return text;
}

}  // namespace

class PlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void writesAsPrintfDoes() {
        constexpr float kMax = std::numeric_limits<float>::max();
        constexpr float kTiny = std::numeric_limits<float>::denorm_min();
        // Halves on the seventh digit round to even, a carry past the
        // first digit moves the exponent, and the switch to and from
        // exponents sits at 1E-04 and 1E+07.
        const float values[] = {0.0f,       -0.0f,      1.0f,          -2175.5f,      7035.0f,
                                1234567.5f, 1234568.5f, 9999999.0f,    9999999.5f,    1e7f,
                                12345678.f, 0.0001f,    9.99999e-5f,   9.9999995e-5f, 0.1f,
                                1.0f / 3,   -2.5e-7f,   kMax,          -kMax,         kTiny,
                                123.45678f, 100000.05f, 0.00012345678f};
        for (const float value : values) {
            QCOMPARE(placementText(value), printfText(value, "."));
            QCOMPARE(placementText(value, ','), printfText(value, ","));
        }
        const float oddities[] = {std::numeric_limits<float>::infinity(),
                                  -std::numeric_limits<float>::infinity(),
                                  std::numeric_limits<float>::quiet_NaN()};
        for (const float value : oddities) QCOMPARE(placementText(value), printfText(value, "."));

        // Any float at all, a player's separator of more than one byte.
        std::mt19937 random(2026);
        for (int i = 0; i < 200000; ++i) {
            const std::uint32_t bits = random();
            float value;
            std::memcpy(&value, &bits, sizeof value);
            if (std::isnan(value)) continue;  // NaN's sign is the library's own affair
            QCOMPARE(placementText(value, "\xE2\x80\xA4"), printfText(value, "\xE2\x80\xA4"));
        }
    }
};

QTEST_GUILESS_MAIN(PlacementTest)
#include "test_placement.moc"
