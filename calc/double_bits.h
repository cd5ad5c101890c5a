#pragma once
// The IEEE-754 fields of a double.
#include <bit>
#include <cstdint>

constexpr uint64_t kSignBit = 0x8000000000000000u;
constexpr uint64_t kExponentMask = 0x7FF0000000000000u;
constexpr uint64_t kFractionMask = 0x000FFFFFFFFFFFFFu;
constexpr uint64_t kQuietBit = 0x0008000000000000u;
constexpr uint64_t kHiddenBit = 0x0010000000000000u;
// The NaN that invalid arithmetic produces: sign set, only the quiet bit.
constexpr uint64_t kDefaultNanBits = 0xFFF8000000000000u;
constexpr uint64_t kInfinityBits = 0x7FF0000000000000u;

inline uint64_t DoubleToBits(double v) {
    return std::bit_cast<uint64_t>(v);
}

inline double BitsToDouble(uint64_t bits) {
    return std::bit_cast<double>(bits);
}

inline bool IsNanBits(uint64_t bits) {
    return (bits & ~kSignBit) > kInfinityBits;
}

inline bool IsFiniteBits(uint64_t bits) {
    return (bits & kExponentMask) != kExponentMask;
}

inline double WithSign(double magnitude, bool negative) {
    return negative ? BitsToDouble(DoubleToBits(magnitude) | kSignBit) : magnitude;
}

// The double significand × 2^lowestBitExponent, where the significand has at
// most 53 bits and lowestBitExponent >= -1074 (the lowest subnormal bit); an
// exponent past the largest double gives infinity. A significand of 2^52 or
// more is a normal number, anything less a subnormal one.
inline double ComposeDouble(uint64_t significand, int lowestBitExponent) {
    if (significand < kHiddenBit) {
        return BitsToDouble(significand);  // lowestBitExponent is -1074 here
    }
    int biased = lowestBitExponent + 1075;
    if (biased >= 2047) {
        return BitsToDouble(kInfinityBits);
    }
    return BitsToDouble((static_cast<uint64_t>(biased) << 52) | (significand & kFractionMask));
}
