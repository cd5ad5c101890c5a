#pragma once
// The double nearest to a decimal significand × 10^exponent, exact ties going
// toward zero: the rounding rule of the text reader.
#include "calc/uint128.h"

// significand is not 0 and below 2^80; when exponent is not 0 it has at most
// 64 significant bits (the reader cuts longer ones). Any exponent may be
// given. Values that round past the largest double give infinity; those at
// or below 2^-1075 give zero; in between, subnormal results are rounded to the
// nearest subnormal by the same rule. The result is positive.
double DecimalToDouble(U128 significand, int exponent);

// The same result from exact big-integer arithmetic alone. DecimalToDouble
// falls back on it where its 128-bit product cannot decide the rounding.
double DecimalToDoubleExact(U128 significand, int exponent);
