#pragma once
// The power function of the calculation core.

// base^exponent. For a finite positive base the x87 unit forms
// t = exponent × log2(base), splits it into its nearest integer k and the
// rest f, and returns (2^f) × 2^k, all with a 64-bit significand, rounded to
// double once at the end. A negative finite base with an integer exponent
// gives |base|^exponent, negated for odd exponents; with any other exponent
// the default NaN. A NaN base comes back quieted.
double RaiseToPower(double base, double exponent);

// The integer part of v, rounded toward zero; infinities and NaNs unchanged.
double TruncateToInteger(double v);
