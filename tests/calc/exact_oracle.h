#pragma once
// Reference results of the numeric operations, computed exactly from their
// rules with the tests' own Natural numbers: the texts and doubles the
// library must produce.
#include <cstdint>
#include <string>

// ConvertTextToNumber of an ASCII text (no full-width characters).
double ReferenceTextToNumber(const std::string& text);

// ConvertNumberToText, from the exact decimal expansion of value.
std::string ReferenceNumberToText(double value);

// RoundToPlaces for |places| <= 22 (where 10^places is exact), emulating
// every 64-bit-significand step and every rounding to double exactly.
double ReferenceRoundToPlaces(double x, int places);

// The exact decimal expansion of a finite double, e.g. "0.5", "-1e+2" is
// never produced: digits, and a point when there is a fraction.
std::string ExactDecimal(double value);

// The midpoint between the positive finite double value and the next larger
// one, written out exactly in decimal.
std::string ExactMidpointAbove(double value);
