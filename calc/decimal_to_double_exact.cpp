// The big-integer path of DecimalToDouble: the quotient of two exact integers,
// rounded by comparing the remainder with the divisor.
#include "calc/big_integer.h"
#include "calc/decimal_to_double.h"
#include "calc/double_bits.h"
#include "calc/powers_of_five.h"

double DecimalToDoubleExact(U128 significand, int exponent) {
    if (exponent > 308) {
        return BitsToDouble(kInfinityBits);  // at least 10^309
    }
    if (exponent < -343 - 25) {
        return 0.0;  // below 2^80 × 10^-369 < 2^-1075
    }
    // value = numerator / denominator × 2^exponent, with the powers of five
    // moved into whichever side keeps both integers.
    BigInteger numerator = MakeBigInteger(significand);
    BigInteger denominator = MakeBigInteger(U128{0, 1});
    if (exponent >= 0) {
        MultiplyByPowerOfFive(numerator, exponent);
    } else {
        MultiplyByPowerOfFive(denominator, -exponent);
    }
    // numerator / denominator lies in [2^(gap−1), 2^(gap+1)). Scaling so that
    // the quotient has 56 to 58 bits gives the 53 kept bits, the rounding bit
    // and the rest with room to spare.
    int gap = BitLength(numerator) - BitLength(denominator);
    int lowestBitExponent = gap - 57 + exponent;  // weight of the quotient's bit 0
    int shift = exponent - lowestBitExponent;     // = 57 − gap
    if (shift >= 0) {
        ShiftLeft(numerator, shift);
    } else {
        ShiftLeft(denominator, -shift);
    }
    uint64_t quotient = DivideShort(numerator, denominator, 59);
    bool remainderIsZero = numerator.usedCount == 0;

    // Bits of the quotient to drop: down to 53 significant ones, and more when
    // the result is subnormal (its lowest bit is 2^-1074).
    int topBit = 63 - CountLeadingZeros64(quotient);
    int dropped = topBit - 52;
    if (lowestBitExponent + dropped < -1074) {
        dropped = -1074 - lowestBitExponent;
    }
    if (dropped > 63) {
        return 0.0;  // the value is below 2^(58 + lowestBitExponent) < 2^-1079
    }
    uint64_t kept = quotient >> dropped;
    uint64_t rest = quotient & ((uint64_t{1} << dropped) - 1);
    uint64_t half = uint64_t{1} << (dropped - 1);
    // Above half goes up; an exact half (rest == half, nothing left over)
    // goes toward zero.
    if (rest > half || (rest == half && !remainderIsZero)) {
        ++kept;
    }
    lowestBitExponent += dropped;
    if (kept == uint64_t{1} << 53) {
        kept >>= 1;
        ++lowestBitExponent;
    }
    return ComposeDouble(kept, lowestBitExponent);
}
