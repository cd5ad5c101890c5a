#include "calc/double_to_decimal17.h"

#include "calc/double_bits.h"
#include "calc/powers_of_five.h"
#include "calc/uint128.h"

constexpr uint64_t kTenTo16 = 10000000000000000u;
constexpr uint64_t kTenTo17 = 100000000000000000u;

Decimal17 DoubleToDecimal17(double value) {
    uint64_t bits = DoubleToBits(value);
    int biased = static_cast<int>(bits >> 52) & 0x7FF;
    uint64_t significand = biased == 0 ? bits & kFractionMask : (bits & kFractionMask) | kHiddenBit;
    int binaryExponent = (biased == 0 ? 1 : biased) - 1075;  // value = significand × 2^binaryExponent
    int leadingZeros = CountLeadingZeros64(significand);
    uint64_t w = significand << leadingZeros;
    // value lies in [2^top, 2^(top+1)), so 10^x <= value < 2 × 10^(x+1) and
    // value × 10^(16−x) falls in [10^16, 2 × 10^17): at most one step off.
    int x = FloorLog10Pow2(63 - leadingZeros + binaryExponent);
    for (int attempt = 0; attempt < 3; ++attempt) {
        int k = 16 - x;
        if (k < kMinPowerOfFive || k > kMaxPowerOfFive) {
            break;
        }
        const PowerOfFive& power = GetPowerOfFive(k);
        // p = w × T with T at most 1 short of 5^k / 2^b, so the true scaled
        // value is (p + d) / 2^pointBit with 0 <= d < w < 2^64 (d = 0 when T
        // is exact). The integer part has 54 to 58 bits and p has 191 or 192,
        // so the binary point lies 6 to 11 bits into p.hi.
        U192 p = Mul64By128(w, U128{power.hi, power.lo});
        int pointBit = leadingZeros - power.binaryExponent - k - binaryExponent;
        int fractionHighBits = pointBit - 128;
        if (fractionHighBits < 1 || fractionHighBits > 63) {
            break;  // not reached for any double; the exact path covers it anyway
        }
        uint64_t integerPart = p.hi >> fractionHighBits;
        if (integerPart >= kTenTo17) {
            ++x;  // the true value is at least p: too many digits
            continue;
        }
        if (integerPart < kTenTo16) {
            --x;
            continue;
        }
        uint64_t restHigh = p.hi & ((uint64_t{1} << fractionHighBits) - 1);
        uint64_t halfHigh = uint64_t{1} << (fractionHighBits - 1);
        bool roundUp;
        if (IsPowerOfFiveExact(k) || restHigh >= halfHigh) {
            // Exact: a half or more rounds up. Otherwise the true value is
            // above p, so at least a half (or past the next integer, which
            // rounds to the same place).
            roundUp = restHigh >= halfHigh;
        } else if (restHigh == halfHigh - 1 && p.mid == ~uint64_t{0} && p.lo != 0) {
            return DoubleToDecimal17Exact(value);  // within 2^64 below the half
        } else {
            roundUp = false;  // the true fraction stays below p's + 2^64 <= the half
        }
        integerPart += roundUp ? 1 : 0;
        if (integerPart == kTenTo17) {
            return Decimal17{kTenTo16, x + 1};
        }
        return Decimal17{integerPart, x};
    }
    return DoubleToDecimal17Exact(value);
}
