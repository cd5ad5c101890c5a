#include "calc/round_to_places.h"

#include "calc/double_bits.h"
#include "calc/raise_to_power.h"

// The nudge 1e-12 as the double with the bits 3D719799812DEA11.
static const double kNudge = BitsToDouble(0x3D719799812DEA11u);

// Every step below runs on the x87 with a 64-bit significand; a long double
// stored into a double is the one rounding to double that the step names.

// t = scaled + 1e-12, rounded to double; then its integer part, plus one
// when the fraction is a half or more. The fraction t − i of a double is
// exact, so the comparison with 0.5 sees the true fraction; an infinite t is
// its own integer part.
static double RoundScaledHalfUp(double scaled) {
    double t = static_cast<double>(static_cast<long double>(scaled) + kNudge);
    double i = TruncateToInteger(t);
    if (IsFiniteBits(DoubleToBits(t)) && t - i >= 0.5) {
        i += 1;  // exact: i is below 2^52 whenever t has a fraction
    }
    return i;
}

double RoundToPlaces(double x, int32_t places) {
    if (x == 0 || !IsFiniteBits(DoubleToBits(x))) {
        return x;  // zeros, infinities and NaNs
    }
    bool negative = x < 0;
    double a = negative ? -x : x;
    long double r;
    if (places > 0) {
        double p = RaiseToPower(10, places);  // exact up to 10^22
        double y = static_cast<double>(static_cast<long double>(a) * p);
        if (!IsFiniteBits(DoubleToBits(y))) {
            // So large that every digit lies above that place (a is at least
            // 2^1024 / 10^places): already rounded. Going on would turn the
            // overflow of the scaling into an infinite result.
            return x;
        }
        r = static_cast<long double>(RoundScaledHalfUp(y)) / p;
    } else if (places == 0) {
        r = RoundScaledHalfUp(a);
    } else {
        double p = RaiseToPower(10, -static_cast<double>(places));
        if (!IsFiniteBits(DoubleToBits(p))) {
            return WithSign(0.0, negative);  // 10^309 or more: every finite x rounds to 0
        }
        double y = static_cast<double>(static_cast<long double>(a) / p);
        r = static_cast<long double>(RoundScaledHalfUp(y)) * p;
    }
    return static_cast<double>(negative ? -r : r);
}
