#include <gtest/gtest.h>

#include <bit>
#include <limits>

#include "calc/text_to_number.h"
#include "tests/calc/double_hex.h"

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct ReadCase {
    const char* text;
    double expected;  // compared bit for bit, so -0.0 and 0.0 differ
};

static void ExpectReads(const ReadCase* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        double got = ConvertTextToNumber(cases[i].text);
        EXPECT_EQ(std::bit_cast<uint64_t>(got), std::bit_cast<uint64_t>(cases[i].expected))
            << "text " << testing::PrintToString(std::string(cases[i].text)) << ": got " << BitsOf(got)
            << ", expected " << BitsOf(cases[i].expected);
    }
}

TEST(ConvertTextToNumber, ReadsTheLongestNumericPrefix) {
    const ReadCase cases[] = {
        {"", 0.0},                 // empty
        {" \t\r\n\v\f", 0.0},      // white space only
        {"  42", 42.0},            // leading white space skipped
        {"1920", 1920.0},
        {"15.6", 15.6},
        {"1,920", 1.0},            // no digit grouping
        {"1 000", 1.0},
        {"1e3", 1000.0},           // the four exponent markers
        {"1E3", 1000.0},
        {"1d3", 1000.0},
        {"1D3", 1000.0},
        {"1e", 1.0},               // a marker without digits is not part of the number
        {"1e+", 1.0},
        {"1e-", 1.0},
        {"1d", 1.0},
        {"1e-0", 1.0},
        {"5.e2", 500.0},
        {"2.5e-3x", 0.0025},
        {".5", 0.5},
        {"5.", 5.0},
        {"-.5", -0.5},
        {".", 0.0},                // a point alone is no number
        {"-.", 0.0},
        {"0x10", 0.0},             // no hexadecimal
        {"inf", 0.0},              // no words
        {"nan", 0.0},
        {"1.#INF", 1.0},           // the texts of infinities and NaNs read back as ±1
        {"-1.#IND", -1.0},
        {"-", 0.0},                // a sign alone
        {"+-1", 0.0},
        {"--1", 0.0},
        {"-0", -0.0},              // all zeros keep the sign
        {"-0.0", -0.0},
        {"-0e9", -0.0},
        {"+7", 7.0},
        {"1+2", 1.0},              // a sign after the mantissa ends the number
        {"1920px", 1920.0},
        {"abc", 0.0},
        {"1e400", kInfinity},      // overflow and underflow keep the sign
        {"-1e400", -kInfinity},
        {"1e-400", 0.0},
        {"-1e-400", -0.0},
        {"1e99999999999", kInfinity},
        {"0.0001e5201", kInfinity},  // exponent part sticks at 5201, the place still counts
        {"100000e-5201", 0.0},
        {"1.7976931348623158e308", std::numeric_limits<double>::max()},
        {"1.7976931348623159e308", kInfinity},
        {"2.2250738585072014e-308", std::numeric_limits<double>::min()},
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        {"2.4703282292062327e-324", 0.0},     // just below half the smallest subnormal
        {"2.4703282292062328e-324", std::numeric_limits<double>::denorm_min()},  // just above
    };
    ExpectReads(cases, std::size(cases));
}

TEST(ConvertTextToNumber, FoldsFullWidthCharacters) {
    const ReadCase cases[] = {
        {"\xA3\xB1\xA3\xB9\xA3\xB2\xA3\xB0", 1920.0},       // １９２０
        {"\xA3\xB1\xA3\xAE\xA3\xB5", 1.5},                  // １．５
        {"\xA3\xAD\xA3\xB3", -3.0},                         // －３
        {"\xA3\xB1\xA3\xE5\xA3\xB3", 1000.0},               // １ｅ３
        {"\xA1\xA1" "19", 19.0},                            // ideographic space skipped
        {"19\xA1\xA1" "20", 19.0},                          // ... but ends a number
        {"1\xA3\xAC" "920", 1.0},                           // full-width comma
        {"15.6\xD3\xA2\xB4\xE7", 15.6},                     // 15.6英寸
        {"5\xA3", 5.0},                                     // a lead byte at the end is dropped
        {"\xA3" "5", 0.0},                                  // ... and takes a following digit along
    };
    ExpectReads(cases, std::size(cases));
}

TEST(ConvertTextToNumber, RoundsExactTiesTowardZero) {
    const ReadCase cases[] = {
        {"9007199254740993", 9007199254740992.0},   // halfway: toward zero
        {"9007199254740995", 9007199254740994.0},   // halfway: toward zero, not to even
        {"-9007199254740995", -9007199254740994.0},
        {"18014398509481987", 18014398509481988.0}, // three quarters: nearest
        {"4503599627370496.5", 4503599627370496.0}, // halfway below 2^53 with a fraction
        {"4503599627370497.5", 4503599627370497.0},
        // The exact midpoint above the largest double: cut to 24 digits and
        // then to 64 bits, it reads as a value below the midpoint.
        {"179769313486231580793728971405303415079934132710037826936173778980444968292764750946649017977587207096330286416692887910946555547851940402630657488671505820681908902000708383676273854845817711531764475730270069855571366959622842914819860834936475292719074168444365510704342711559699508093042880177904174497792",
         1.7976931348623157e308},
    };
    ExpectReads(cases, std::size(cases));
}

TEST(ConvertTextToNumber, KeepsTwentyFourDigitsAndRoundsOnTheTwentyFifth) {
    // h = 900719925474099401326592 lies exactly halfway between the doubles
    // 0x1.7d78400000001p+79 and 0x1.7d78400000002p+79. With its 24th digit
    // at the units place nothing is cut, so the 25th digit decides: 5 or
    // more lifts M to h + 1 and the value above the tie; less leaves the tie,
    // which goes toward zero.
    const ReadCase cases[] = {
        {"900719925474099401326592", 0x1.7d78400000001p+79},
        {"900719925474099401326592.4999", 0x1.7d78400000001p+79},
        {"900719925474099401326592.5", 0x1.7d78400000002p+79},
        {"900719925474099401326591.5", 0x1.7d78400000001p+79},      // rounds up onto the tie
        {"9.007199254740994013265925e23", 0x1.7d78400000002p+79},   // the same through an exponent
        {"90071992547409940132659250000e-5", 0x1.7d78400000002p+79},
        {"0.000900719925474099401326592e27", 0x1.7d78400000001p+79},
        // Past the 25th, digits before the point only scale the value: h × 10^4.
        {"9007199254740994013265920999", 0x1.d1a94a2000002p+92},
    };
    ExpectReads(cases, std::size(cases));
}
