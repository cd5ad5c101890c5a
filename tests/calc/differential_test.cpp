// The library against the tests' own exact reference (exact_oracle) over many
// generated inputs. The seed is fixed, so every run checks the same cases.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <string>

#include "calc/number_to_text.h"
#include "calc/round_to_places.h"
#include "calc/text_memory.h"
#include "calc/text_to_number.h"
#include "tests/calc/double_hex.h"
#include "tests/calc/exact_oracle.h"

class Generator {
public:
    explicit Generator(uint64_t seed) : random(seed) {}

    uint64_t Bits() { return random(); }
    int Between(int low, int high) {
        return low + static_cast<int>(random() % static_cast<uint64_t>(high - low + 1));
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }

    std::string Digits(int count) {
        std::string digits;
        for (int i = 0; i < count; ++i) {
            digits += static_cast<char>('0' + Between(i == 0 ? 1 : 0, 9));
        }
        return digits;
    }

    // A positive finite double of any exponent.
    double AnyDouble() {
        for (;;) {
            uint64_t bits = random() & 0x7FFFFFFFFFFFFFFFu;
            if ((bits >> 52) != 0x7FF && bits != 0) {
                return FromBits(bits);
            }
        }
    }

    // An exponent part in one of its spellings: marker, optional sign,
    // leading zeros.
    std::string ExponentPart(int value) {
        static const char kMarkers[] = "eEdD";
        std::string part(1, kMarkers[Between(0, 3)]);
        if (value < 0) {
            part += '-';
        } else if (Chance(30)) {
            part += '+';
        }
        part += std::string(static_cast<size_t>(Between(0, Chance(20) ? 3 : 0)), '0');
        part += std::to_string(value < 0 ? -value : value);
        return part;
    }

    // The same decimal value, significantDigits × 10^scale, spelled with the
    // point moved and an exponent making up for it.
    std::string Respell(const std::string& digits, int scale) {
        int pointAfter = Between(-3, static_cast<int>(digits.size()) + 3);  // digits before the point
        int exponent = scale + static_cast<int>(digits.size()) - pointAfter;
        std::string mantissa;
        if (pointAfter <= 0) {
            mantissa = (Chance(50) ? "0." : ".") + std::string(static_cast<size_t>(-pointAfter), '0') + digits;
        } else if (pointAfter >= static_cast<int>(digits.size())) {
            mantissa = digits + std::string(static_cast<size_t>(pointAfter) - digits.size(), '0');
            if (Chance(50)) {
                mantissa += Chance(50) ? "." : ".0";
            }
        } else {
            mantissa = digits.substr(0, static_cast<size_t>(pointAfter)) + "." + digits.substr(static_cast<size_t>(pointAfter));
        }
        if (Chance(10)) {
            mantissa = "00" + mantissa;
        }
        std::string text = mantissa;
        if (exponent != 0 || Chance(20)) {
            text += ExponentPart(exponent);
        }
        return text;
    }

    std::string Decorate(const std::string& number) {
        std::string text = Chance(20) ? " \t" : "";
        if (Chance(30)) {
            text += Chance(50) ? "-" : "+";
        }
        text += number;
        if (Chance(20)) {
            text += Chance(50) ? "px" : "e+";
        }
        return text;
    }

private:
    std::mt19937_64 random;
};

static void CheckRead(const std::string& text, int& failures) {
    double got = ConvertTextToNumber(text.c_str());
    double expected = ReferenceTextToNumber(text);
    if (std::bit_cast<uint64_t>(got) != std::bit_cast<uint64_t>(expected) && ++failures <= 20) {
        ADD_FAILURE() << "text \"" << text << "\": got " << BitsOf(got) << ", expected " << BitsOf(expected);
    }
}

TEST(Differential, TextToNumberOfDecimalTexts) {
    Generator g(0x5EED0001);
    int failures = 0;
    for (int i = 0; i < 6000; ++i) {
        int count = g.Between(1, 40);
        // Magnitudes from far below the subnormals to far above the largest double.
        int scale = g.Between(-345, 310) - count;
        CheckRead(g.Decorate(g.Respell(g.Digits(count), scale)), failures);
    }
    // Near overflow and underflow.
    for (int i = 0; i < 1500; ++i) {
        int count = g.Between(1, 30);
        int leading = g.Chance(50) ? g.Between(306, 309) : g.Between(-326, -306);
        CheckRead(g.Respell(g.Digits(count), leading - count + 1), failures);
    }
    EXPECT_EQ(failures, 0);
}

TEST(Differential, TextToNumberAtExactMidpoints) {
    Generator g(0x5EED0002);
    int failures = 0;
    for (int i = 0; i < 3000; ++i) {
        double value;
        switch (i % 3) {
        case 0:
            // Short midpoints: 53-bit significands with up to 3 fraction bits
            // or up to 11 trailing zero bits. Their midpoints stay below 2^64,
            // so they are read exactly and the tie rule decides.
            value = std::ldexp(static_cast<double>((g.Bits() >> 11) | (uint64_t{1} << 52)), g.Between(-3, 11));
            break;
        case 1:
            // 24-digit integer midpoints: read with E = 0, nothing is cut.
            value = std::ldexp(static_cast<double>((g.Bits() >> 11) | (uint64_t{1} << 52)), g.Between(24, 26));
            break;
        default:
            value = g.AnyDouble();  // long expansions: 24 digits, the 25th and the cut decide
            break;
        }
        std::string midpoint = ExactMidpointAbove(value);
        std::string digits = midpoint;
        int scale = 0;
        size_t point = digits.find('.');
        if (point != std::string::npos) {
            scale = -static_cast<int>(digits.size() - point - 1);
            digits.erase(point, 1);
        }
        digits.erase(0, digits.find_first_not_of('0'));
        CheckRead(midpoint, failures);
        CheckRead(g.Respell(digits, scale), failures);
        // The 25th digit: the midpoint's digits made up to 24, then more.
        if (digits.size() <= 24) {
            std::string tail = std::to_string(g.Between(0, 9));
            tail += g.Digits(g.Between(0, 3));
            std::string longer = digits + std::string(24 - digits.size(), '0') + tail;
            CheckRead(g.Respell(longer, scale - static_cast<int>(longer.size() - digits.size())), failures);
        }
    }
    EXPECT_EQ(failures, 0);
}

static void CheckWrite(double value, int& failures) {
    char* text = ConvertNumberToText(value);
    std::string got = text;
    ReleaseText(text);
    std::string expected = ReferenceNumberToText(value);
    if (got != expected && ++failures <= 20) {
        ADD_FAILURE() << "value " << BitsOf(value) << ": got \"" << got << "\", expected \"" << expected << "\"";
    }
}

TEST(Differential, NumberToText) {
    Generator g(0x5EED0003);
    int failures = 0;
    for (int i = 0; i < 4000; ++i) {
        CheckWrite(FromBits(g.Bits()), failures);  // any bit pattern, NaNs and infinities included
    }
    // Values on both sides of a 13-digit rounding boundary: the double
    // nearest to d.dddddddddddd5 × 10^x and its neighbours, whose D17 ends in
    // 4999.. or 5000.. .
    for (int i = 0; i < 3000; ++i) {
        std::string boundary = g.Digits(13) + "5e" + std::to_string(g.Between(-330, 295));
        double value = ConvertTextToNumber(boundary.c_str());
        if (value == 0 || std::isinf(value)) {
            continue;
        }
        for (double v : {value, std::nextafter(value, 0.0), std::nextafter(value, 1e308),
                         std::nextafter(std::nextafter(value, 0.0), 0.0)}) {
            CheckWrite(g.Chance(50) ? v : -v, failures);
        }
    }
    // Ordinary results of the calculation: a few digits around units.
    for (int i = 0; i < 2000; ++i) {
        CheckWrite(std::ldexp(static_cast<double>(g.Bits() >> 11), g.Between(-60, 10)), failures);
    }
    EXPECT_EQ(failures, 0);
}

TEST(Differential, RoundToPlaces) {
    Generator g(0x5EED0004);
    int failures = 0;
    for (int i = 0; i < 6000; ++i) {
        int places = g.Between(-22, 22);
        double x;
        if (i % 2 == 0) {
            // Near a half at that place: k.5 × 10^-places written in decimal,
            // read to the nearest double, and its neighbours.
            std::string text = g.Digits(g.Between(1, 15)) + "5e" + std::to_string(-places - 1);
            x = ConvertTextToNumber(text.c_str());
            int step = g.Between(-2, 2);
            for (; step < 0; ++step) {
                x = std::nextafter(x, 0.0);
            }
            for (; step > 0; --step) {
                x = std::nextafter(x, 1e308);
            }
        } else {
            x = std::ldexp(static_cast<double>(g.Bits() >> 11), g.Between(-120, 60));
        }
        if (g.Chance(50)) {
            x = -x;
        }
        double got = RoundToPlaces(x, places);
        double expected = ReferenceRoundToPlaces(x, places);
        if (std::bit_cast<uint64_t>(got) != std::bit_cast<uint64_t>(expected) && ++failures <= 20) {
            ADD_FAILURE() << "RoundToPlaces(" << BitsOf(x) << ", " << places << "): got " << BitsOf(got)
                          << ", expected " << BitsOf(expected);
        }
    }
    EXPECT_EQ(failures, 0);
}
