#include "calc/number_to_text.h"

#include <cstring>

#include "calc/double_bits.h"
#include "calc/double_to_decimal17.h"
#include "calc/text_memory.h"

constexpr uint64_t kTenTo12 = 1000000000000u;
constexpr uint64_t kTenTo13 = 10000000000000u;

static int CopyText(const char* text, char* buffer) {
    int length = static_cast<int>(std::strlen(text));
    std::memcpy(buffer, text, static_cast<size_t>(length) + 1);
    return length;
}

// The text of an infinity or NaN: its digit string "1#INF", "1#IND" or
// "1#QNAN" with a point after the first character and the sign in front. A
// signalling NaN is quieted first, so it reads as the quiet NaN it becomes.
static int FormatSpecial(uint64_t bits, char* buffer) {
    bool negative = (bits & kSignBit) != 0;
    if (!IsNanBits(bits)) {
        return CopyText(negative ? "-1.#INF" : "1.#INF", buffer);
    }
    bits |= kQuietBit;
    if (bits == kDefaultNanBits) {
        return CopyText("-1.#IND", buffer);
    }
    return CopyText(negative ? "-1.#QNAN" : "1.#QNAN", buffer);
}

// The 13 significant digits of value and the power of ten of the first. D17
// is rounded once more at its 14th digit, so a half there (and only there)
// goes up: (d17 + 5000) / 10^4 looks at digits 14 to 17 of D17 and nothing
// of the exact value beyond them.
static uint64_t RoundTo13Digits(double magnitude, int& exponent) {
    Decimal17 d17 = DoubleToDecimal17(magnitude);
    uint64_t d13 = (d17.digits + 5000) / 10000;
    exponent = d17.exponent;
    if (d13 == kTenTo13) {
        d13 = kTenTo12;
        ++exponent;
    }
    return d13;
}

// Writes the 13 digits, a point and an exponent as the layout rules say.
static int LayOut(uint64_t d13, int exponent, bool negative, char* buffer) {
    char digits[13];
    for (int i = 12; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + d13 % 10);
        d13 /= 10;
    }
    char* out = buffer;
    if (negative) {
        *out++ = '-';
    }
    bool scientific = exponent < -4 || exponent >= 13;
    int beforePoint = scientific ? 1 : exponent + 1;  // digits of D13 before the point
    if (beforePoint <= 0) {
        *out++ = '0';
        *out++ = '.';
        for (int i = 0; i < -beforePoint; ++i) {
            *out++ = '0';
        }
        beforePoint = 0;
    } else {
        std::memcpy(out, digits, static_cast<size_t>(beforePoint));
        out += beforePoint;
        *out++ = '.';
    }
    std::memcpy(out, digits + beforePoint, static_cast<size_t>(13 - beforePoint));
    out += 13 - beforePoint;
    while (out[-1] == '0') {
        --out;  // trailing zeros of the fraction; the point stops it
    }
    if (out[-1] == '.') {
        --out;
    }
    if (scientific) {
        int magnitude = exponent < 0 ? -exponent : exponent;
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        *out++ = static_cast<char>('0' + magnitude / 100);
        *out++ = static_cast<char>('0' + magnitude / 10 % 10);
        *out++ = static_cast<char>('0' + magnitude % 10);
    }
    *out = 0;
    return static_cast<int>(out - buffer);
}

int FormatNumber(double value, char* buffer) {
    uint64_t bits = DoubleToBits(value);
    if (!IsFiniteBits(bits)) {
        return FormatSpecial(bits, buffer);
    }
    if ((bits & ~kSignBit) == 0) {
        return CopyText("0", buffer);
    }
    int exponent;
    uint64_t d13 = RoundTo13Digits(BitsToDouble(bits & ~kSignBit), exponent);
    return LayOut(d13, exponent, (bits & kSignBit) != 0, buffer);
}

char* ConvertNumberToText(double value) {
    char buffer[kNumberTextCapacity];
    int length = FormatNumber(value, buffer);
    char* text = AllocateText(static_cast<size_t>(length) + 1);
    std::memcpy(text, buffer, static_cast<size_t>(length) + 1);
    return text;
}
