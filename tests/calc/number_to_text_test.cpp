#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "calc/number_to_text.h"
#include "calc/text_memory.h"
#include "tests/calc/double_hex.h"

static std::string Text(double value) {
    char* text = ConvertNumberToText(value);
    std::string result = text;
    ReleaseText(text);
    return result;
}

struct WriteCase {
    double value;
    const char* text;
};

static void ExpectWrites(const WriteCase* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        EXPECT_EQ(Text(cases[i].value), cases[i].text) << "value " << BitsOf(cases[i].value);
    }
}

TEST(ConvertNumberToText, WritesThirteenSignificantDigits) {
    volatile double zero = 0.0;  // keeps 0.1 + 0.2 and 2202.91 / 5.5 computed at run time
    const WriteCase cases[] = {
        {2202.91, "2202.91"},
        {2202.91 / (5.5 + zero), "400.5290909091"},
        {1920, "1920"},
        {0.1 + (0.2 + zero), "0.3"},                 // 0.30000000000000004
        {0.0001, "0.0001"},                          // the smallest fixed-form exponent
        {0.00001234, "1.234e-005"},                  // one below: scientific
        {1e13, "1e+013"},                            // the first scientific exponent above
        {9999999999999, "9999999999999"},            // the largest fixed-form integer
        {123456789012345, "1.234567890123e+014"},
        {1234567890122.5, "1234567890123"},          // an exact half at the 14th digit goes up
        {1.2345678901235, "1.234567890124"},         // stored as 1.23456789012349998..., D17 ...5000
        {9.9999999999999, "10"},                     // carry out of the leading digit
        {9999999999999.5, "1e+013"},                 // ... into the scientific form
        {-1e-300, "-1e-300"},
        {std::numeric_limits<double>::max(), "1.797693134862e+308"},
        {std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
        {std::numeric_limits<double>::min(), "2.225073858507e-308"},
        {-2.5, "-2.5"},
        {141.2121794872, "141.2121794872"},
        {-0.00012345678901234, "-0.0001234567890123"},  // the longest fixed form
        {-1.2345678901234e-100, "-1.234567890123e-100"},  // the longest scientific form: 20 characters
        {1e100, "1e+100"},
        {0.5, "0.5"},
    };
    ExpectWrites(cases, std::size(cases));
}

TEST(ConvertNumberToText, WritesSpecialValues) {
    const WriteCase cases[] = {
        {std::numeric_limits<double>::infinity(), "1.#INF"},
        {-std::numeric_limits<double>::infinity(), "-1.#INF"},
        {FromBits(0xFFF8000000000000u), "-1.#IND"},   // the default NaN (0 / 0)
        {FromBits(0x7FF8000000000000u), "1.#QNAN"},
        {FromBits(0x7FF0000000000001u), "1.#QNAN"},   // signalling: quieted first
        {FromBits(0xFFF0000000000000u | 1), "-1.#QNAN"},  // signalling with sign set, not the default NaN
        {FromBits(0xFFF8000000000001u), "-1.#QNAN"},
        {FromBits(0xFFF4000000000000u), "-1.#QNAN"},
        {0.0, "0"},
        {-0.0, "0"},
    };
    ExpectWrites(cases, std::size(cases));
}

TEST(ConvertNumberToText, DefaultNanOfInvalidArithmeticIsIndefinite) {
    volatile double zero = 0.0;
    EXPECT_EQ(Text(zero / zero), "-1.#IND") << "0/0 gave " << BitsOf(zero / zero);
}

TEST(ConvertNumberToText, FormatNumberFillsTheBufferExactly) {
    // The longest text and its terminator fill the whole capacity.
    char buffer[kNumberTextCapacity + 1];
    std::memset(buffer, 'x', sizeof buffer);
    int length = FormatNumber(-1.2345678901234e-100, buffer);
    EXPECT_EQ(length, 20);
    EXPECT_EQ(buffer[20], '\0');
    EXPECT_EQ(buffer[21], 'x') << "wrote past the capacity";
}
