#pragma once
// Natural numbers of any size for the tests' own exact reference
// computations. Deliberately simple and separate from the library's
// big-integer code, so that the two can check each other.
#include <cstdint>
#include <string>
#include <vector>

class Natural {
public:
    Natural() = default;
    explicit Natural(uint64_t value);
    static Natural FromDecimal(const std::string& digits);
    static Natural Power(uint32_t base, int exponent);

    std::string ToDecimal() const;
    bool IsZero() const { return words.empty(); }
    int BitLength() const;
    bool Bit(int index) const;
    // The lowest 64 bits.
    uint64_t Low64() const;

    Natural operator+(const Natural& other) const;
    Natural operator-(const Natural& other) const;  // other must not be larger
    Natural operator*(const Natural& other) const;
    Natural operator<<(int bits) const;
    Natural operator>>(int bits) const;
    bool operator==(const Natural& other) const { return words == other.words; }
    bool operator<(const Natural& other) const { return Compare(*this, other) < 0; }
    bool operator<=(const Natural& other) const { return Compare(*this, other) <= 0; }

    static int Compare(const Natural& a, const Natural& b);
    // quotient = a / b, remainder = a % b; b must not be zero.
    static void Divide(const Natural& a, const Natural& b, Natural& quotient, Natural& remainder);

private:
    void Trim();
    void SubtractInPlace(const Natural& other);  // other must not be larger
    void HalveInPlace();
    std::vector<uint32_t> words;  // least significant first, no zero on top
};
