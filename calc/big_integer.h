#pragma once
// A natural number of fixed capacity for the exact slow paths of the
// conversions. Only what those paths need: scaling by powers of two, five and
// ten, comparison, subtraction and a short long-division.
#include <cstdint>

#include "calc/uint128.h"

struct BigInteger {
    // 1536 bits. The largest number the conversions form is below 2^1250
    // (a 64-bit decimal significand times 5^342 times 2^64, or a double's
    // significand times 10^341), so nothing is ever carried out of the top.
    static constexpr int kLimbCount = 48;
    uint32_t limbs[kLimbCount];  // least significant first
    int usedCount;               // limbs[usedCount..] are zero
};

BigInteger MakeBigInteger(U128 value);
void MultiplyBySmall(BigInteger& x, uint32_t factor);
void MultiplyByPowerOfFive(BigInteger& x, int exponent);
void MultiplyByPowerOfTen(BigInteger& x, int exponent);
void ShiftLeft(BigInteger& x, int bitCount);
int BitLength(const BigInteger& x);
// -1, 0 or 1 as a is less than, equal to or greater than b.
int Compare(const BigInteger& a, const BigInteger& b);

// Divides numerator by denominator when the quotient is known to be below
// 2^quotientBits (quotientBits <= 64); numerator is left holding the remainder.
uint64_t DivideShort(BigInteger& numerator, const BigInteger& denominator, int quotientBits);
