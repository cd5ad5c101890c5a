#include "calc/raise_to_power.h"

#include <cstdint>

#include "calc/double_bits.h"

// The result is the processor's own: fyl2x and f2xm1 work on the 64-bit
// significand, and the double is rounded from that once. That is how the
// calculation defines its power; a correctly rounded power could differ in
// the last bit, which no displayed digit can see (13 digits are far coarser).
// The native x86-64 build and the i686 Windows build run the same
// instructions, so they agree bit for bit.

// exponent × log2(base) for base > 0 (fyl2x: ST(1) × log2(ST(0)), popped).
static long double ExponentTimesLog2(long double base, long double exponent) {
    long double t;
    __asm__("fyl2x" : "=t"(t) : "0"(base), "u"(exponent) : "st(1)");
    return t;
}

// v rounded to the nearest integer, ties to even (frndint under the start-up
// rounding mode, round to nearest).
static long double RoundToNearestInteger(long double v) {
    long double r;
    __asm__("frndint" : "=t"(r) : "0"(v));
    return r;
}

// 2^f − 1 for |f| <= 1 (f2xm1).
static long double TwoToTheMinusOne(long double f) {
    long double r;
    __asm__("f2xm1" : "=t"(r) : "0"(f));
    return r;
}

// v × 2^k for an integral k (fscale); overflow gives infinity, underflow zero.
static long double ScaleByPowerOfTwo(long double v, long double k) {
    long double r;
    __asm__("fscale" : "=t"(r) : "0"(v), "u"(k));
    return r;
}

double TruncateToInteger(double v) {
    uint64_t bits = DoubleToBits(v);
    int biased = static_cast<int>(bits >> 52) & 0x7FF;
    if (biased >= 1075) {
        return v;  // 2^52 or more, infinity or NaN: no fraction bits
    }
    if (biased < 1023) {
        return BitsToDouble(bits & kSignBit);  // below 1: a zero of v's sign
    }
    uint64_t fractionBits = kFractionMask >> (biased - 1023);
    return BitsToDouble(bits & ~fractionBits);
}

static bool IsOddInteger(double v) {
    // Integers of 2^53 or more are all even. Below that, the halved integer
    // is exact and has a fraction exactly when v is odd.
    double magnitude = v < 0 ? -v : v;
    if (magnitude >= 9007199254740992.0) {
        return false;
    }
    double half = v / 2;
    return TruncateToInteger(half) != half;
}

// A finite positive base: t = y log2 x; k = nearest integer of t; the result
// 2^(t−k) × 2^k with t − k in [−0.5, 0.5], where f2xm1 is accurate.
static double PositivePower(double base, double exponent) {
    long double t = ExponentTimesLog2(base, exponent);
    if (t != t || t - t != 0) {
        // Infinite t (a huge exponent): the power is beyond any double.
        return t > 0 ? BitsToDouble(kInfinityBits) : 0.0;
    }
    long double k = RoundToNearestInteger(t);
    long double power = ScaleByPowerOfTwo(TwoToTheMinusOne(t - k) + 1.0L, k);
    double result = static_cast<double>(power);  // the one rounding to double
    return result;
}

// Bases and exponents the calculation never produces (infinite or NaN
// exponents, zero or infinite bases with exponents other than 0.5) follow the
// usual conventions of a power function, so nothing returns garbage.
double RaiseToPower(double base, double exponent) {
    uint64_t baseBits = DoubleToBits(base);
    if (IsNanBits(baseBits)) {
        return BitsToDouble(baseBits | kQuietBit);
    }
    uint64_t exponentBits = DoubleToBits(exponent);
    if (IsNanBits(exponentBits)) {
        return BitsToDouble(exponentBits | kQuietBit);
    }
    if (exponent == 0) {
        return 1.0;
    }
    bool exponentIsInteger = TruncateToInteger(exponent) == exponent;
    double magnitude = base < 0 ? -base : base;
    if (!IsFiniteBits(exponentBits)) {
        // |base| above 1 grows without bound, below 1 shrinks to 0.
        if (magnitude == 1.0) {
            return 1.0;
        }
        return (magnitude > 1.0) == (exponent > 0) ? BitsToDouble(kInfinityBits) : 0.0;
    }
    bool negate = base < 0 && exponentIsInteger && IsOddInteger(exponent);
    if (base < 0 && !exponentIsInteger && IsFiniteBits(baseBits)) {
        return BitsToDouble(kDefaultNanBits);  // e.g. the square root of −1
    }
    double result;
    if (magnitude == 0) {
        result = exponent > 0 ? 0.0 : BitsToDouble(kInfinityBits);
    } else if (!IsFiniteBits(baseBits)) {
        result = exponent > 0 ? BitsToDouble(kInfinityBits) : 0.0;
    } else {
        result = PositivePower(magnitude, exponent);
    }
    return negate ? -result : result;
}
