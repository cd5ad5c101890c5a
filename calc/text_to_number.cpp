#include "calc/text_to_number.h"

#include <cstdint>

#include "calc/decimal_to_double.h"
#include "calc/double_bits.h"
#include "calc/fold_full_width.h"

// A two-byte character that folds to nothing ASCII: it ends any number.
constexpr int kOtherChar = 0x100;
constexpr int kKeptDigits = 24;
constexpr int kExponentLimit = 5200;

// The next character of the text after folding: its ASCII byte, 0 at the end,
// or kOtherChar. The folding happens on the fly, so reading allocates nothing
// and never looks past the terminator.
static int ReadFolded(const unsigned char*& p) {
    unsigned char lead = *p;
    if (lead < 0x80) {
        if (lead != 0) {
            ++p;
        }
        return lead;
    }
    unsigned char trail = p[1];
    if (trail == 0) {
        ++p;  // a lone lead byte at the end is dropped; p now rests on the terminator
        return 0;
    }
    p += 2;
    char ascii = FoldWideChar(lead, trail);
    return ascii != 0 ? static_cast<unsigned char>(ascii) : kOtherChar;
}

static bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

// The significant digits of the mantissa as they are read.
struct MantissaDigits {
    U128 significand;        // the first 24 significant digits
    int significantCount;    // digits read, counting up to 25
    int roundingDigit;       // the 25th significant digit, or -1
    int64_t exponent;        // power of ten of the place of the last kept digit
};

static void AddDigit(int digit, bool afterPoint, MantissaDigits& m) {
    if (m.significantCount == 0 && digit == 0) {
        if (afterPoint) {
            --m.exponent;  // a leading zero after the point still moves the place
        }
        return;
    }
    if (m.significantCount < kKeptDigits) {
        // Up to 19 digits stay below 10^19 < 2^64; 24 stay below 10^24 < 2^80.
        if (m.significantCount < 19) {
            m.significand.lo = m.significand.lo * 10 + static_cast<uint64_t>(digit);
        } else {
            m.significand = MulAdd128(m.significand, 10, static_cast<uint64_t>(digit));
        }
        ++m.significantCount;
        if (afterPoint) {
            --m.exponent;
        }
        return;
    }
    if (m.significantCount == kKeptDigits) {
        m.roundingDigit = digit;
        ++m.significantCount;
    }
    if (!afterPoint) {
        ++m.exponent;  // digits past the 25th before the point still scale the value
    }
}

static void RemoveTrailingZeros(U128& significand, int64_t& exponent) {
    for (;;) {
        uint32_t remainder;
        U128 quotient;
        if (significand.hi == 0) {
            quotient = U128{0, significand.lo / 10};
            remainder = static_cast<uint32_t>(significand.lo % 10);
        } else {
            quotient = DivMod128(significand, 10, remainder);
        }
        if (remainder != 0) {
            return;
        }
        significand = quotient;
        ++exponent;
    }
}

// Reads the digits of an exponent part, starting at c. Past 5200 the value
// sticks at 5201 and further digits are only skipped.
static int64_t ReadExponentDigits(int c, const unsigned char*& p) {
    int64_t value = 0;
    for (; IsDigit(c); c = ReadFolded(p)) {
        if (value <= kExponentLimit) {
            value = value * 10 + (c - '0');
            if (value > kExponentLimit) {
                value = kExponentLimit + 1;
            }
        }
    }
    return value;
}

static bool IsExponentMarker(int c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

static double ToDouble(MantissaDigits m, int64_t exponentPart, bool negative) {
    if (m.roundingDigit >= 5) {
        m.significand.lo += 1;
        if (m.significand.lo == 0) {
            ++m.significand.hi;
        }
    }
    RemoveTrailingZeros(m.significand, m.exponent);
    int64_t exponent = m.exponent + exponentPart;
    if (exponent > kExponentLimit) {
        return WithSign(BitsToDouble(kInfinityBits), negative);
    }
    if (exponent < -kExponentLimit) {
        return WithSign(0.0, negative);
    }
    int bitCount = BitLength128(m.significand);
    if (exponent != 0 && bitCount > 64) {
        // Only the 64 most significant bits take part in the scaling: the
        // bitCount − 64 (at most 16) lowest bits, all in lo, become zero.
        m.significand.lo &= ~uint64_t{0} << (bitCount - 64);
    }
    return WithSign(DecimalToDouble(m.significand, static_cast<int>(exponent)), negative);
}

double ConvertTextToNumber(const char* text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text != nullptr ? text : "");
    int c = ReadFolded(p);
    while (c == ' ' || (c >= 0x09 && c <= 0x0D)) {
        c = ReadFolded(p);
    }
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = ReadFolded(p);
    }
    MantissaDigits m{U128{0, 0}, 0, -1, 0};
    bool anyDigit = false;
    for (; IsDigit(c); c = ReadFolded(p)) {
        AddDigit(c - '0', false, m);
        anyDigit = true;
    }
    if (c == '.') {
        for (c = ReadFolded(p); IsDigit(c); c = ReadFolded(p)) {
            AddDigit(c - '0', true, m);
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return 0.0;  // no number at all: +0, even after a minus sign
    }
    int64_t exponentPart = 0;
    if (IsExponentMarker(c)) {
        c = ReadFolded(p);
        bool exponentNegative = false;
        if (c == '+' || c == '-') {
            exponentNegative = c == '-';
            c = ReadFolded(p);
        }
        // Without digits the marker is not part of the number: exponent 0.
        int64_t magnitude = ReadExponentDigits(c, p);
        exponentPart = exponentNegative ? -magnitude : magnitude;
    }
    if (m.significantCount == 0) {
        return WithSign(0.0, negative);  // all zeros: -0 keeps its sign
    }
    return ToDouble(m, exponentPart, negative);
}
