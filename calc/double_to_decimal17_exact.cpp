// The big-integer path of DoubleToDecimal17: value × 10^k as an exact
// quotient of integers, divided out and rounded by its remainder.
#include "calc/big_integer.h"
#include "calc/double_bits.h"
#include "calc/double_to_decimal17.h"

constexpr uint64_t kTenTo16 = 10000000000000000u;
constexpr uint64_t kTenTo17 = 100000000000000000u;

Decimal17 DoubleToDecimal17Exact(double value) {
    uint64_t bits = DoubleToBits(value);
    int biased = static_cast<int>(bits >> 52) & 0x7FF;
    uint64_t significand = biased == 0 ? bits & kFractionMask : (bits & kFractionMask) | kHiddenBit;
    int binaryExponent = (biased == 0 ? 1 : biased) - 1075;
    int x = FloorLog10Pow2(63 - CountLeadingZeros64(significand) + binaryExponent);
    for (;;) {
        int k = 16 - x;
        BigInteger numerator = MakeBigInteger(U128{0, significand});
        BigInteger denominator = MakeBigInteger(U128{0, 1});
        ShiftLeft(binaryExponent >= 0 ? numerator : denominator, binaryExponent >= 0 ? binaryExponent : -binaryExponent);
        if (k >= 0) {
            MultiplyByPowerOfTen(numerator, k);
        } else {
            MultiplyByPowerOfTen(denominator, -k);
        }
        // With x at most one off, the quotient is below 2 × 10^18 < 2^61.
        uint64_t quotient = DivideShort(numerator, denominator, 62);
        if (quotient >= kTenTo17) {
            ++x;
            continue;
        }
        if (quotient < kTenTo16) {
            --x;
            continue;
        }
        ShiftLeft(numerator, 1);  // 2 × remainder >= denominator: half or more
        if (Compare(numerator, denominator) >= 0 && ++quotient == kTenTo17) {
            return Decimal17{kTenTo16, x + 1};
        }
        return Decimal17{quotient, x};
    }
}
