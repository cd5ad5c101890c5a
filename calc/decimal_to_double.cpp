#include "calc/decimal_to_double.h"

#include "calc/double_bits.h"
#include "calc/powers_of_five.h"

// An integer below 2^80 rounded to the nearest double, ties toward zero. Every
// step is integer arithmetic, so the result is exact.
static double IntegerToDouble(U128 value) {
    int bitCount = BitLength128(value);
    if (bitCount <= 53) {
        return static_cast<double>(value.lo);  // exact: fits the significand
    }
    int dropped = bitCount - 53;  // 1..27 bits below the kept ones
    uint64_t kept;
    uint64_t rest;
    if (value.hi == 0) {
        kept = value.lo >> dropped;
        rest = value.lo & ((uint64_t{1} << dropped) - 1);
    } else {
        kept = (value.hi << (64 - dropped)) | (value.lo >> dropped);
        rest = value.lo & ((uint64_t{1} << dropped) - 1);
    }
    uint64_t half = uint64_t{1} << (dropped - 1);
    if (rest > half) {  // an exact half stays below: ties toward zero
        ++kept;
    }
    // A carry to 2^53 is still exact: ComposeDouble takes the bit above.
    if (kept == uint64_t{1} << 53) {
        kept >>= 1;
        ++dropped;
    }
    return ComposeDouble(kept, dropped);
}

double DecimalToDouble(U128 significand, int exponent) {
    if (exponent == 0) {
        return IntegerToDouble(significand);
    }
    if (exponent > 308) {
        return BitsToDouble(kInfinityBits);  // at least 10^309
    }
    if (exponent < kMinPowerOfFive) {
        return DecimalToDoubleExact(significand, exponent);  // zero or a small subnormal
    }
    // w × 2^scale is the significand exactly: it has at most 64 significant
    // bits, so the shift right below drops only zero bits.
    int bitCount = BitLength128(significand);
    uint64_t w;
    if (bitCount <= 64) {
        w = significand.lo << (64 - bitCount);
    } else {
        w = (significand.hi << (128 - bitCount)) | (significand.lo >> (bitCount - 64));
    }
    const PowerOfFive& power = GetPowerOfFive(exponent);
    // p = w × T, 2^190 <= p < 2^192. T is at most 1 short of the true 5^e /
    // 2^b, so the true product P satisfies p <= P < p + w < p + 2^64, and
    // P = p whenever T is exact. The value is P × 2^(b + e + bitCount − 64).
    U192 p = Mul64By128(w, U128{power.hi, power.lo});
    int topBit = (p.hi >> 63) != 0 ? 191 : 190;
    int topExponent = topBit + power.binaryExponent + exponent + bitCount - 64;
    if (topExponent > 1023) {
        return BitsToDouble(kInfinityBits);  // P >= p >= 2^1024
    }
    if (topExponent < -1074) {
        return DecimalToDoubleExact(significand, exponent);  // zero or the smallest subnormal
    }
    // Keep 53 bits, fewer for a subnormal result (its lowest bit is 2^-1074):
    // the lowest kept one is bit topBit − 52 + subnormalShift of p, 138 or
    // more, so the kept bits and the rounding bit below them all lie in p.hi.
    int subnormalShift = topExponent < -1022 ? -1022 - topExponent : 0;
    int droppedHigh = topBit - 52 + subnormalShift - 128;  // bits of p.hi below the kept ones, 10..63
    uint64_t kept = p.hi >> droppedHigh;
    uint64_t restHigh = p.hi & ((uint64_t{1} << droppedHigh) - 1);
    uint64_t halfHigh = uint64_t{1} << (droppedHigh - 1);
    bool roundUp;
    if (IsPowerOfFiveExact(exponent)) {
        // p is the exact value: above half goes up, an exact half stays.
        roundUp = restHigh > halfHigh || (restHigh == halfHigh && (p.mid | p.lo) != 0);
    } else if (restHigh >= halfHigh) {
        roundUp = true;  // P > p: P lies above the half, or wrapped past it
    } else if (restHigh == halfHigh - 1 && p.mid == ~uint64_t{0} && p.lo != 0) {
        // p lies within 2^64 below the half: P may reach or pass it.
        return DecimalToDoubleExact(significand, exponent);
    } else {
        roundUp = false;  // P < p + 2^64 <= the half
    }
    int lowestBitExponent = topExponent - 52 + subnormalShift;
    // A subnormal may round up into the smallest normal: ComposeDouble reads
    // a significand of 2^52 at 2^-1074 as just that.
    if (roundUp && ++kept == uint64_t{1} << 53) {
        kept >>= 1;
        ++lowestBitExponent;
    }
    return ComposeDouble(kept, lowestBitExponent);
}
