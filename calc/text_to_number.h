#pragma once
// Reading a number from the text of an input box.

// The number at the start of text (GBK, NUL-terminated; null reads as the
// empty text): full-width characters fold to ASCII, leading white space is
// skipped, then an optional sign, a decimal mantissa and an optional exponent
// after e, E, d or D are read and the rest is ignored. No number gives +0.
// At most 25 significant digits count: the value is the first 24, raised by
// one when the 25th is 5 or more, and the nearest double is taken with exact
// ties going toward zero. Never fails.
double ConvertTextToNumber(const char* text);
