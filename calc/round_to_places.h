#pragma once
// Decimal rounding of the calculation core.
#include <cstdint>

// x rounded to places decimal places (negative: to tens, hundreds, ...),
// halves away from zero, with a nudge of 1e-12 that also lifts a scaled value
// lying just below a half while it is below 2^14. Zeros, NaNs and infinities
// come back unchanged; so does a finite x too large to carry any digit at
// that place (its scaled value overflows).
double RoundToPlaces(double x, int32_t places = 0);
