#include "tests/calc/exact_oracle.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>

#include "tests/calc/exact_natural.h"

// A binary number significand × 2^exponent.
struct Binary {
    Natural significand;
    int exponent;
};

enum class Ties { kToEven, kTowardZero };

// numerator / denominator × 2^exponent rounded to `precision` significant
// bits, its lowest bit no lower than 2^minimumExponent.
static Binary RoundRational(const Natural& numerator, const Natural& denominator, int exponent, int precision,
                            int minimumExponent, Ties ties) {
    // floor(log2) of the value: the bit-length difference, corrected by one
    // exact comparison.
    int log2 = numerator.BitLength() - denominator.BitLength();
    bool below = log2 >= 0 ? numerator < (denominator << log2) : (numerator << -log2) < denominator;
    if (below) {
        --log2;
    }
    log2 += exponent;
    int lowest = log2 - (precision - 1);
    if (lowest < minimumExponent) {
        lowest = minimumExponent;
    }
    // q = floor(value / 2^lowest) and the remainder.
    int shift = exponent - lowest;
    Natural scaledNumerator = shift >= 0 ? numerator << shift : numerator;
    Natural scaledDenominator = shift >= 0 ? denominator : denominator << -shift;
    Natural q;
    Natural r;
    Natural::Divide(scaledNumerator, scaledDenominator, q, r);
    int half = Natural::Compare(r << 1, scaledDenominator);
    bool up = half > 0 || (half == 0 && ties == Ties::kToEven && q.Bit(0));
    if (up) {
        q = q + Natural(1);
        if (q.BitLength() > precision) {
            q = q >> 1;
            ++lowest;
        }
    }
    return Binary{q, lowest};
}

static Binary ExactBinary(double magnitude) {
    uint64_t bits = std::bit_cast<uint64_t>(magnitude);
    int biased = static_cast<int>(bits >> 52);
    uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
    if (biased == 0) {
        return Binary{Natural(fraction), -1074};
    }
    return Binary{Natural(fraction | (uint64_t{1} << 52)), biased - 1075};
}

// A rounded double significand × 2^exponent as a double; infinity past the range.
static double ToDouble(const Binary& b, bool negative) {
    uint64_t significand = b.significand.Low64();
    uint64_t bits;
    if (significand == 0) {
        bits = 0;
    } else if (significand < (uint64_t{1} << 52)) {
        bits = significand;  // subnormal, exponent -1074
    } else if (b.exponent + 1075 >= 2047) {
        bits = 0x7FF0000000000000u;
    } else {
        bits = (static_cast<uint64_t>(b.exponent + 1075) << 52) | (significand & ((uint64_t{1} << 52) - 1));
    }
    return std::bit_cast<double>(bits | (negative ? 0x8000000000000000u : 0));
}

static bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

double ReferenceTextToNumber(const std::string& text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= 9 && text[at] <= 13))) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    std::string integerDigits;
    std::string fractionDigits;
    while (at < text.size() && IsDigit(text[at])) {
        integerDigits += text[at++];
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && IsDigit(text[at])) {
            fractionDigits += text[at++];
        }
    }
    if (integerDigits.empty() && fractionDigits.empty()) {
        return 0.0;
    }
    long long exponentPart = 0;
    if (at < text.size() && std::string("eEdD").find(text[at]) != std::string::npos) {
        size_t e = at + 1;
        bool exponentNegative = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            exponentNegative = text[e] == '-';
            ++e;
        }
        long long magnitude = 0;
        for (; e < text.size() && IsDigit(text[e]); ++e) {
            magnitude = std::min(magnitude * 10 + (text[e] - '0'), 1000000LL);
        }
        if (magnitude > 5200) {
            magnitude = 5201;
        }
        exponentPart = exponentNegative ? -magnitude : magnitude;
    }
    std::string digits = integerDigits + fractionDigits;
    size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) {
        return negative ? -0.0 : 0.0;
    }
    std::string significant = digits.substr(firstSignificant);
    std::string kept = significant.substr(0, 24);
    Natural m = Natural::FromDecimal(kept);
    if (significant.size() > 24 && significant[24] >= '5') {
        m = m + Natural(1);
    }
    long long lastKept = static_cast<long long>(firstSignificant + kept.size()) - 1;
    long long exponent = static_cast<long long>(integerDigits.size()) - 1 - lastKept + exponentPart;
    std::string mDigits = m.ToDecimal();
    while (mDigits.back() == '0') {
        mDigits.pop_back();
        ++exponent;
    }
    m = Natural::FromDecimal(mDigits);
    if (exponent > 5200) {
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    if (exponent < -5200 || exponent < -400) {
        return negative ? -0.0 : 0.0;  // below 2^80 × 10^-400, far under 2^-1075
    }
    if (exponent > 400) {
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    if (exponent != 0 && m.BitLength() > 64) {
        int drop = m.BitLength() - 64;
        m = (m >> drop) << drop;
    }
    Natural numerator = exponent >= 0 ? m * Natural::Power(10, static_cast<int>(exponent)) : m;
    Natural denominator = exponent >= 0 ? Natural(1) : Natural::Power(10, static_cast<int>(-exponent));
    return ToDouble(RoundRational(numerator, denominator, 0, 53, -1074, Ties::kTowardZero), negative);
}

std::string ExactDecimal(double value) {
    bool negative = std::signbit(value);
    Binary b = ExactBinary(negative ? -value : value);
    std::string digits;
    int pointFromRight = 0;
    if (b.exponent >= 0) {
        digits = (b.significand << b.exponent).ToDecimal();
    } else {
        // m / 2^k = m × 5^k / 10^k
        digits = (b.significand * Natural::Power(5, -b.exponent)).ToDecimal();
        pointFromRight = -b.exponent;
    }
    if (pointFromRight > 0) {
        if (static_cast<int>(digits.size()) <= pointFromRight) {
            digits = std::string(static_cast<size_t>(pointFromRight) - digits.size() + 1, '0') + digits;
        }
        size_t split = digits.size() - static_cast<size_t>(pointFromRight);
        digits = digits.substr(0, split) + '.' + digits.substr(split);
        while (digits.back() == '0') {
            digits.pop_back();
        }
        if (digits.back() == '.') {
            digits.pop_back();
        }
    }
    return (negative ? "-" : "") + digits;
}

std::string ExactMidpointAbove(double value) {
    Binary b = ExactBinary(value);
    // (2m + 1) × 2^(e − 1)
    Natural twice = (b.significand << 1) + Natural(1);
    int exponent = b.exponent - 1;
    std::string digits = exponent >= 0 ? (twice << exponent).ToDecimal()
                                       : (twice * Natural::Power(5, -exponent)).ToDecimal();
    if (exponent >= 0) {
        return digits;
    }
    size_t point = static_cast<size_t>(-exponent);
    if (digits.size() <= point) {
        digits = std::string(point - digits.size() + 1, '0') + digits;
    }
    size_t split = digits.size() - point;
    return digits.substr(0, split) + '.' + digits.substr(split);
}

// Adds one to the decimal digit string at position `last`, carrying left;
// returns true when the carry ran out of the leading digit.
static bool IncrementDigits(std::string& digits, size_t last) {
    for (size_t i = last + 1; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

std::string ReferenceNumberToText(double value) {
    uint64_t bits = std::bit_cast<uint64_t>(value);
    bool negative = (bits >> 63) != 0;
    uint64_t magnitudeBits = bits & 0x7FFFFFFFFFFFFFFFu;
    if (magnitudeBits == 0x7FF0000000000000u) {
        return negative ? "-1.#INF" : "1.#INF";
    }
    if (magnitudeBits > 0x7FF0000000000000u) {
        if ((bits | 0x0008000000000000u) == 0xFFF8000000000000u) {
            return "-1.#IND";
        }
        return negative ? "-1.#QNAN" : "1.#QNAN";
    }
    if (magnitudeBits == 0) {
        return "0";
    }
    // All significant digits of the exact value and the power of ten of the first.
    std::string exact = ExactDecimal(std::bit_cast<double>(magnitudeBits));
    size_t point = exact.find('.');
    std::string integerPart = exact.substr(0, point);
    std::string all = point == std::string::npos ? exact : integerPart + exact.substr(point + 1);
    size_t first = all.find_first_not_of('0');
    int exponent = static_cast<int>(integerPart.size()) - 1 - static_cast<int>(first);
    std::string digits = all.substr(first);
    // D17: half or more of the last digit rounds up.
    digits.resize(std::max<size_t>(digits.size(), 18), '0');
    bool up = digits[17] >= '5';
    digits.resize(17);
    if (up && IncrementDigits(digits, 16)) {
        ++exponent;
        digits.resize(17);
    }
    // D13, judged on the 14th digit of D17 alone.
    up = digits[13] >= '5';
    digits.resize(13);
    if (up && IncrementDigits(digits, 12)) {
        ++exponent;
        digits.resize(13);
    }
    std::string text;
    bool scientific = exponent < -4 || exponent >= 13;
    if (scientific) {
        text = digits.substr(0, 1) + "." + digits.substr(1);
    } else if (exponent >= 0) {
        text = digits.substr(0, static_cast<size_t>(exponent) + 1) + "." + digits.substr(static_cast<size_t>(exponent) + 1);
    } else {
        text = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    if (scientific) {
        int magnitude = exponent < 0 ? -exponent : exponent;
        text += exponent < 0 ? "e-" : "e+";
        text += static_cast<char>('0' + magnitude / 100);
        text += static_cast<char>('0' + magnitude / 10 % 10);
        text += static_cast<char>('0' + magnitude % 10);
    }
    return (negative ? "-" : "") + text;
}

// ---- RoundToPlaces -------------------------------------------------------

// An exact value of a step: numerator / denominator × 2^exponent.
struct Exact {
    Natural numerator;
    Natural denominator;
    int exponent;
};

// The x87 with a 64-bit significand (its exponent range never matters here).
static Binary Round64(const Exact& v) {
    return RoundRational(v.numerator, v.denominator, v.exponent, 64, INT_MIN / 2, Ties::kToEven);
}

// Storing into a double.
static Binary Round53(const Binary& v) {
    return RoundRational(v.significand, Natural(1), v.exponent, 53, -1074, Ties::kToEven);
}

static Exact Sum(const Binary& a, const Binary& b) {
    int low = std::min(a.exponent, b.exponent);
    return Exact{(a.significand << (a.exponent - low)) + (b.significand << (b.exponent - low)), Natural(1), low};
}

static bool IsOverflow(const Binary& v) {
    return v.significand.BitLength() + v.exponent > 1024;
}

// The integer part of t plus one when its fraction is a half or more.
static Natural RoundHalfUp(const Binary& t) {
    if (t.exponent >= 0) {
        return t.significand << t.exponent;
    }
    Natural integer = t.significand >> -t.exponent;
    Natural fraction = t.significand - (integer << -t.exponent);
    if (!((fraction << 1) < (Natural(1) << -t.exponent))) {
        integer = integer + Natural(1);
    }
    return integer;
}

double ReferenceRoundToPlaces(double x, int places) {
    if (x == 0 || x != x || x - x != 0) {
        return x;
    }
    bool negative = x < 0;
    Binary a = ExactBinary(negative ? -x : x);
    Binary nudge = ExactBinary(std::bit_cast<double>(uint64_t{0x3D719799812DEA11}));
    Natural p = Natural::Power(10, places < 0 ? -places : places);
    Binary r;
    if (places > 0) {
        Binary y = Round53(Round64(Exact{a.significand * p, Natural(1), a.exponent}));
        if (IsOverflow(y)) {
            return x;  // already whole at that place
        }
        Binary t = Round53(Round64(Sum(y, nudge)));
        r = Round64(Exact{RoundHalfUp(t), p, 0});
    } else if (places == 0) {
        Binary t = Round53(Round64(Sum(a, nudge)));
        r = Binary{RoundHalfUp(t), 0};
    } else {
        Binary y = Round53(Round64(Exact{a.significand, p, a.exponent}));
        Binary t = Round53(Round64(Sum(y, nudge)));
        r = Round64(Exact{RoundHalfUp(t) * p, Natural(1), 0});
    }
    Binary result = Round53(r);
    if (IsOverflow(result)) {
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    return ToDouble(result, negative);
}
