#include "tests/calc/exact_natural.h"

#include <algorithm>
#include <map>
#include <utility>

Natural::Natural(uint64_t value) {
    while (value != 0) {
        words.push_back(static_cast<uint32_t>(value));
        value >>= 32;
    }
}

void Natural::Trim() {
    while (!words.empty() && words.back() == 0) {
        words.pop_back();
    }
}

Natural Natural::FromDecimal(const std::string& digits) {
    Natural result;
    for (char c : digits) {
        result = result * Natural(10) + Natural(static_cast<uint64_t>(c - '0'));
    }
    return result;
}

Natural Natural::Power(uint32_t base, int exponent) {
    // Powers of 5 and 10 come up again and again: keep the ones made.
    static std::map<std::pair<uint32_t, int>, Natural> made;
    auto found = made.find({base, exponent});
    if (found != made.end()) {
        return found->second;
    }
    Natural result(1);
    Natural square(base);
    for (int rest = exponent; rest > 0; rest >>= 1) {
        if (rest & 1) {
            result = result * square;
        }
        square = square * square;
    }
    made.emplace(std::make_pair(base, exponent), result);
    return result;
}

std::string Natural::ToDecimal() const {
    if (IsZero()) {
        return "0";
    }
    // Peel off nine digits at a time by dividing the words by 10^9.
    std::vector<uint32_t> rest = words;
    std::string reversed;
    while (!rest.empty()) {
        uint64_t remainder = 0;
        for (size_t i = rest.size(); i-- > 0;) {
            uint64_t part = (remainder << 32) | rest[i];
            rest[i] = static_cast<uint32_t>(part / 1000000000u);
            remainder = part % 1000000000u;
        }
        while (!rest.empty() && rest.back() == 0) {
            rest.pop_back();
        }
        for (int i = 0; i < 9; ++i) {
            reversed.push_back(static_cast<char>('0' + remainder % 10));
            remainder /= 10;
        }
    }
    while (reversed.size() > 1 && reversed.back() == '0') {
        reversed.pop_back();
    }
    return std::string(reversed.rbegin(), reversed.rend());
}

int Natural::BitLength() const {
    if (words.empty()) {
        return 0;
    }
    int bits = 32 * static_cast<int>(words.size());
    for (uint32_t top = words.back(); (top & 0x80000000u) == 0; top <<= 1) {
        --bits;
    }
    return bits;
}

bool Natural::Bit(int index) const {
    size_t word = static_cast<size_t>(index) / 32;
    return word < words.size() && ((words[word] >> (index % 32)) & 1) != 0;
}

uint64_t Natural::Low64() const {
    uint64_t low = words.size() > 0 ? words[0] : 0;
    uint64_t high = words.size() > 1 ? words[1] : 0;
    return low | (high << 32);
}

Natural Natural::operator+(const Natural& other) const {
    Natural sum;
    uint64_t carry = 0;
    for (size_t i = 0; i < std::max(words.size(), other.words.size()) || carry != 0; ++i) {
        uint64_t s = carry;
        s += i < words.size() ? words[i] : 0;
        s += i < other.words.size() ? other.words[i] : 0;
        sum.words.push_back(static_cast<uint32_t>(s));
        carry = s >> 32;
    }
    sum.Trim();
    return sum;
}

Natural Natural::operator-(const Natural& other) const {
    Natural difference;
    int64_t borrow = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        int64_t d = static_cast<int64_t>(words[i]) - borrow - (i < other.words.size() ? other.words[i] : 0);
        borrow = d < 0 ? 1 : 0;
        difference.words.push_back(static_cast<uint32_t>(d + (borrow << 32)));
    }
    difference.Trim();
    return difference;
}

Natural Natural::operator*(const Natural& other) const {
    if (IsZero() || other.IsZero()) {
        return Natural();
    }
    Natural product;
    product.words.assign(words.size() + other.words.size(), 0);
    for (size_t i = 0; i < words.size(); ++i) {
        uint64_t carry = 0;
        for (size_t j = 0; j < other.words.size(); ++j) {
            uint64_t t = static_cast<uint64_t>(words[i]) * other.words[j] + product.words[i + j] + carry;
            product.words[i + j] = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
        product.words[i + other.words.size()] = static_cast<uint32_t>(carry);
    }
    product.Trim();
    return product;
}

Natural Natural::operator<<(int bits) const {
    if (IsZero()) {
        return Natural();
    }
    Natural shifted;
    shifted.words.assign(static_cast<size_t>(bits / 32), 0);
    int small = bits % 32;
    uint32_t carry = 0;
    for (uint32_t w : words) {
        shifted.words.push_back(small == 0 ? w : (w << small) | carry);
        carry = small == 0 ? 0 : w >> (32 - small);
    }
    shifted.words.push_back(carry);
    shifted.Trim();
    return shifted;
}

Natural Natural::operator>>(int bits) const {
    Natural shifted;
    size_t skip = static_cast<size_t>(bits / 32);
    int small = bits % 32;
    for (size_t i = skip; i < words.size(); ++i) {
        uint64_t pair = words[i] | (i + 1 < words.size() ? static_cast<uint64_t>(words[i + 1]) << 32 : 0);
        shifted.words.push_back(static_cast<uint32_t>(pair >> small));
    }
    shifted.Trim();
    return shifted;
}

int Natural::Compare(const Natural& a, const Natural& b) {
    if (a.words.size() != b.words.size()) {
        return a.words.size() < b.words.size() ? -1 : 1;
    }
    for (size_t i = a.words.size(); i-- > 0;) {
        if (a.words[i] != b.words[i]) {
            return a.words[i] < b.words[i] ? -1 : 1;
        }
    }
    return 0;
}

void Natural::Divide(const Natural& a, const Natural& b, Natural& quotient, Natural& remainder) {
    // Shift-and-subtract, one quotient bit per step, working in place on a
    // copy of b shifted up to the top and moved down one bit at a time.
    remainder = a;
    int steps = a.BitLength() - b.BitLength();
    quotient.words.assign(steps >= 0 ? static_cast<size_t>(steps / 32 + 1) : 0, 0);
    if (steps < 0) {
        return;
    }
    Natural part = b << steps;
    for (int shift = steps; shift >= 0; --shift) {
        if (part <= remainder) {
            remainder.SubtractInPlace(part);
            quotient.words[static_cast<size_t>(shift / 32)] |= uint32_t{1} << (shift % 32);
        }
        part.HalveInPlace();
    }
    quotient.Trim();
}

void Natural::SubtractInPlace(const Natural& other) {
    int64_t borrow = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        int64_t d = static_cast<int64_t>(words[i]) - borrow - (i < other.words.size() ? other.words[i] : 0);
        borrow = d < 0 ? 1 : 0;
        words[i] = static_cast<uint32_t>(d + (borrow << 32));
    }
    Trim();
}

void Natural::HalveInPlace() {
    for (size_t i = 0; i < words.size(); ++i) {
        uint32_t next = i + 1 < words.size() ? words[i + 1] : 0;
        words[i] = (words[i] >> 1) | (next << 31);
    }
    Trim();
}
