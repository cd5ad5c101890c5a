// The fast conversion kernels against their big-integer paths, and the
// pieces under them against the tests' own arithmetic.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

#include "calc/decimal_to_double.h"
#include "calc/double_to_decimal17.h"
#include "calc/powers_of_five.h"
#include "calc/uint128.h"
#include "tests/calc/double_hex.h"
#include "tests/calc/exact_natural.h"

TEST(Uint128, PortableProductMatchesTheExactOne) {
    std::mt19937_64 random(7);
    const uint64_t edges[] = {0, 1, 0xFFFFFFFFu, 0x100000000u, ~uint64_t{0}, ~uint64_t{0} - 1, uint64_t{1} << 63};
    auto check = [](uint64_t a, uint64_t b) {
        U128 p = Mul64Portable(a, b);
        Natural exact = Natural(a) * Natural(b);
        EXPECT_EQ(p.lo, exact.Low64()) << a << " × " << b;
        EXPECT_EQ(p.hi, (exact >> 64).Low64()) << a << " × " << b;
    };
    for (uint64_t a : edges) {
        for (uint64_t b : edges) {
            check(a, b);
        }
    }
    for (int i = 0; i < 2000; ++i) {
        check(random() >> (random() % 64), random());
    }
}

TEST(PowersOfFive, TableHoldsTheTruncatedPowers) {
    for (int q = kMinPowerOfFive; q <= kMaxPowerOfFive; ++q) {
        const PowerOfFive& p = GetPowerOfFive(q);
        Natural significand = (Natural(p.hi) << 64) + Natural(p.lo);
        ASSERT_EQ(significand.BitLength(), 128) << "5^" << q;
        // significand <= 5^q / 2^b < significand + 1, checked without fractions.
        Natural power = Natural::Power(5, q >= 0 ? q : -q);
        Natural lower;
        Natural upper;
        Natural value;
        int b = p.binaryExponent;
        if (q >= 0) {
            // significand × 2^b <= 5^q < (significand + 1) × 2^b, with b of either sign.
            lower = b >= 0 ? significand << b : significand;
            upper = b >= 0 ? (significand + Natural(1)) << b : significand + Natural(1);
            value = b >= 0 ? power : power << -b;
        } else {
            // significand × 5^-q <= 2^-b < (significand + 1) × 5^-q
            lower = significand * power;
            upper = (significand + Natural(1)) * power;
            value = Natural(1) << -b;
        }
        EXPECT_TRUE(lower <= value && value < upper) << "5^" << q;
        EXPECT_EQ(IsPowerOfFiveExact(q), lower == value) << "5^" << q;
    }
}

TEST(DecimalToDouble, FastPathMatchesTheExactPath) {
    std::mt19937_64 random(11);
    int compared = 0;
    auto check = [&](U128 significand, int exponent) {
        double fast = DecimalToDouble(significand, exponent);
        double exact = DecimalToDoubleExact(significand, exponent);
        ++compared;
        EXPECT_EQ(std::bit_cast<uint64_t>(fast), std::bit_cast<uint64_t>(exact))
            << significand.hi << ":" << significand.lo << " e" << exponent << ": fast " << BitsOf(fast) << ", exact "
            << BitsOf(exact);
    };
    for (int exponent = -360; exponent <= 320; ++exponent) {
        for (int i = 0; i < 20; ++i) {
            uint64_t m = random() >> (random() % 64);
            check(U128{0, m == 0 ? 1 : m}, exponent);
        }
        // Decimal forms of exact midpoints: 2^53 + 1 and its neighbours scaled.
        check(U128{0, 9007199254740993u}, exponent);
        check(U128{0, 18014398509481987u}, exponent);
        // Significands of up to 80 bits cut to their top 64, as the reader leaves them.
        int extra = static_cast<int>(random() % 16) + 1;
        uint64_t top = random() | (uint64_t{1} << 63);
        check(U128{top >> (64 - extra), top << extra}, exponent);
    }
    // Integers up to 2^80 with exponent 0, around ties.
    for (int i = 0; i < 2000; ++i) {
        U128 m{random() & 0xFFFF, random()};
        check(m.hi == 0 && m.lo == 0 ? U128{0, 1} : m, 0);
    }
    EXPECT_GT(compared, 10000);
}

TEST(DoubleToDecimal17, FastPathMatchesTheExactPath) {
    std::mt19937_64 random(13);
    auto check = [](double value) {
        Decimal17 fast = DoubleToDecimal17(value);
        Decimal17 exact = DoubleToDecimal17Exact(value);
        EXPECT_TRUE(fast.digits == exact.digits && fast.exponent == exact.exponent)
            << BitsOf(value) << ": fast " << fast.digits << "e" << fast.exponent << ", exact " << exact.digits << "e"
            << exact.exponent;
    };
    for (int i = 0; i < 20000; ++i) {
        uint64_t bits = random() & 0x7FFFFFFFFFFFFFFFu;
        if ((bits >> 52) == 0x7FF || bits == 0) {
            continue;
        }
        check(FromBits(bits));
    }
    // Exact 17-digit ties (x.xx5 with 18 digits) and powers of ten and their neighbours.
    check(2251799813685247.75);
    double power = 1e-320;
    for (int i = 0; i < 628; ++i, power *= 10) {
        check(power);
        check(std::nextafter(power, 0.0));
        check(std::nextafter(power, 1e308));
    }
}
