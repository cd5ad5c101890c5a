#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

#include "calc/raise_to_power.h"
#include "tests/calc/double_hex.h"

constexpr double kInfinity = std::numeric_limits<double>::infinity();

static void ExpectBits(double got, double expected, const std::string& what) {
    EXPECT_EQ(std::bit_cast<uint64_t>(got), std::bit_cast<uint64_t>(expected))
        << what << ": got " << BitsOf(got) << ", expected " << BitsOf(expected);
}

TEST(RaiseToPower, HandlesTheSpecialBases) {
    struct Case {
        double base;
        double exponent;
        double expected;
        const char* what;
    };
    const Case cases[] = {
        {0.0, 0.5, 0.0, "+0 ^ 0.5"},
        {-0.0, 0.5, 0.0, "-0 ^ 0.5 is +0"},
        {kInfinity, 0.5, kInfinity, "+inf ^ 0.5"},
        {kInfinity, 3, kInfinity, "+inf ^ 3"},
        {-kInfinity, 0.5, kInfinity, "-inf ^ 0.5"},
        {-1, 0.5, FromBits(0xFFF8000000000000u), "-1 ^ 0.5 is the default NaN"},
        {-2, 2.5, FromBits(0xFFF8000000000000u), "negative base, fraction exponent"},
        {-2, 3, -8, "negative base, odd exponent"},
        {-2, 2, 4, "negative base, even exponent"},
        {FromBits(0x7FF0000000000001u), 0.5, FromBits(0x7FF8000000000001u), "a signalling NaN comes back quiet"},
        {FromBits(0xFFF8000000000000u), 2, FromBits(0xFFF8000000000000u), "a NaN passes"},
        {9, 0.5, 3, "perfect square"},
        {1, 12345.678, 1, "one"},
        {7, 0, 1, "zeroth power"},
        {2, -1, 0.5, "negative exponent"},
        {1e300, 10, kInfinity, "past the largest double"},
        {1e-300, 10, 0, "below the smallest"},
    };
    for (const Case& c : cases) {
        ExpectBits(RaiseToPower(c.base, c.exponent), c.expected, c.what);
    }
}

TEST(RaiseToPower, PowersOfTenAreExactUpTo22) {
    double exact = 1;
    for (int n = 0; n <= 22; ++n) {
        ExpectBits(RaiseToPower(10, n), exact, "10^" + std::to_string(n));
        exact *= 10;  // exact while 10^n < 2^53 × 2^n
    }
}

TEST(RaiseToPower, SquareRootsAreWithinOneUnitOfTheCorrectlyRoundedOne) {
    // The x87 route may differ from the correctly rounded root in the last
    // bit, never by more.
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 2000; ++i) {
        double x = std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 200) - 100);
        double got = RaiseToPower(x, 0.5);
        double correct = std::sqrt(x);
        EXPECT_LE(std::fabs(got - correct), std::fabs(std::nextafter(correct, kInfinity) - correct))
            << "sqrt of " << BitsOf(x) << ": got " << BitsOf(got) << ", correct " << BitsOf(correct);
    }
}

TEST(TruncateToInteger, DropsTheFraction) {
    struct Case {
        double v;
        double expected;
    };
    const Case cases[] = {{2.75, 2}, {-2.75, -2}, {0.5, 0}, {-0.5, -0.0}, {4503599627370495.5, 4503599627370495},
                          {1e300, 1e300}, {kInfinity, kInfinity}, {1, 1}};
    for (const Case& c : cases) {
        ExpectBits(TruncateToInteger(c.v), c.expected, "TruncateToInteger(" + BitsOf(c.v) + ")");
    }
}
