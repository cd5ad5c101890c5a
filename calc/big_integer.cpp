#include "calc/big_integer.h"

#include <cassert>

static void Trim(BigInteger& x) {
    while (x.usedCount > 0 && x.limbs[x.usedCount - 1] == 0) {
        --x.usedCount;
    }
}

BigInteger MakeBigInteger(U128 value) {
    BigInteger x{};
    x.limbs[0] = static_cast<uint32_t>(value.lo);
    x.limbs[1] = static_cast<uint32_t>(value.lo >> 32);
    x.limbs[2] = static_cast<uint32_t>(value.hi);
    x.limbs[3] = static_cast<uint32_t>(value.hi >> 32);
    x.usedCount = 4;
    Trim(x);
    return x;
}

void MultiplyBySmall(BigInteger& x, uint32_t factor) {
    // limb × factor + carry <= (2^32 − 1)^2 + 2^32 − 1 < 2^64.
    uint64_t carry = 0;
    for (int i = 0; i < x.usedCount; ++i) {
        uint64_t product = static_cast<uint64_t>(x.limbs[i]) * factor + carry;
        x.limbs[i] = static_cast<uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) {
        assert(x.usedCount < BigInteger::kLimbCount);
        x.limbs[x.usedCount++] = static_cast<uint32_t>(carry);
    }
}

void MultiplyByPowerOfFive(BigInteger& x, int exponent) {
    constexpr uint32_t kFiveToThe13 = 1220703125;  // the largest power of five below 2^32
    for (; exponent >= 13; exponent -= 13) {
        MultiplyBySmall(x, kFiveToThe13);
    }
    uint32_t rest = 1;
    for (; exponent > 0; --exponent) {
        rest *= 5;
    }
    MultiplyBySmall(x, rest);
}

void MultiplyByPowerOfTen(BigInteger& x, int exponent) {
    MultiplyByPowerOfFive(x, exponent);
    ShiftLeft(x, exponent);
}

void ShiftLeft(BigInteger& x, int bitCount) {
    if (x.usedCount == 0 || bitCount == 0) {
        return;
    }
    int limbShift = bitCount / 32;
    int bitShift = bitCount % 32;
    assert(x.usedCount + limbShift + 1 <= BigInteger::kLimbCount);
    int newCount = x.usedCount + limbShift + 1;
    for (int i = newCount - 1; i >= limbShift; --i) {
        int source = i - limbShift;
        uint64_t high = source < x.usedCount ? x.limbs[source] : 0;
        uint64_t low = source >= 1 && source - 1 < x.usedCount ? x.limbs[source - 1] : 0;
        uint64_t pair = (high << 32) | low;
        x.limbs[i] = static_cast<uint32_t>(pair >> (32 - bitShift));
    }
    for (int i = 0; i < limbShift; ++i) {
        x.limbs[i] = 0;
    }
    x.usedCount = newCount;
    Trim(x);
}

int BitLength(const BigInteger& x) {
    if (x.usedCount == 0) {
        return 0;
    }
    return 32 * x.usedCount - __builtin_clz(x.limbs[x.usedCount - 1]);
}

int Compare(const BigInteger& a, const BigInteger& b) {
    if (a.usedCount != b.usedCount) {
        return a.usedCount < b.usedCount ? -1 : 1;
    }
    for (int i = a.usedCount - 1; i >= 0; --i) {
        if (a.limbs[i] != b.limbs[i]) {
            return a.limbs[i] < b.limbs[i] ? -1 : 1;
        }
    }
    return 0;
}

// a −= b for a >= b.
static void Subtract(BigInteger& a, const BigInteger& b) {
    uint64_t borrow = 0;
    for (int i = 0; i < a.usedCount; ++i) {
        uint64_t subtrahend = (i < b.usedCount ? b.limbs[i] : 0) + borrow;
        borrow = a.limbs[i] < subtrahend ? 1 : 0;
        a.limbs[i] = static_cast<uint32_t>((static_cast<uint64_t>(a.limbs[i]) + (borrow << 32)) - subtrahend);
    }
    Trim(a);
}

// x >>= 1.
static void HalveInPlace(BigInteger& x) {
    for (int i = 0; i < x.usedCount; ++i) {
        uint32_t next = i + 1 < x.usedCount ? x.limbs[i + 1] : 0;
        x.limbs[i] = (x.limbs[i] >> 1) | (next << 31);
    }
    Trim(x);
}

uint64_t DivideShort(BigInteger& numerator, const BigInteger& denominator, int quotientBits) {
    // Restoring division, one quotient bit at a time from the top: with the
    // quotient below 2^quotientBits, numerator < denominator × 2^quotientBits,
    // so each step subtracts denominator × 2^i at most once.
    BigInteger shifted = denominator;
    ShiftLeft(shifted, quotientBits - 1);
    uint64_t quotient = 0;
    for (int i = quotientBits - 1; i >= 0; --i) {
        if (Compare(numerator, shifted) >= 0) {
            Subtract(numerator, shifted);
            quotient |= uint64_t{1} << i;
        }
        HalveInPlace(shifted);
    }
    return quotient;
}
