#pragma once
// Writing a number as the text of a result box.

// A new text (from AllocateText, given back with ReleaseText) of 1 to 20
// ASCII characters: value rounded to 17 significant digits, then to 13 judged
// on the 14th of those, written in fixed form for decimal exponents −4 to 12
// and as d.dddddddddddde±ddd otherwise, trailing fraction zeros removed.
// Zeros give "0"; infinities "1.#INF" and "-1.#INF"; the default NaN
// "-1.#IND"; any other NaN "1.#QNAN" or "-1.#QNAN" by its sign.
char* ConvertNumberToText(double value);

// The same characters written into buffer (at least kNumberTextCapacity
// bytes), NUL-terminated; returns their count.
constexpr int kNumberTextCapacity = 21;
int FormatNumber(double value, char* buffer);
