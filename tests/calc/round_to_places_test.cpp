#include <gtest/gtest.h>

#include <bit>
#include <limits>

#include "calc/raise_to_power.h"
#include "calc/round_to_places.h"
#include "tests/calc/double_hex.h"

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(RoundToPlaces, RoundsHalvesAwayFromZeroWithTheNudge) {
    struct Case {
        double x;
        int32_t places;
        double expected;
    };
    const Case cases[] = {
        {2202.907170082298, 2, 2202.91},
        {1.005, 2, 1.01},               // stored just below 1.005; the nudge lifts it
        {0.125, 2, 0.13},               // an exact half goes away from zero
        {2.5, 0, 3},
        {-2.5, 0, -3},
        {2.4999999999995, 0, 3},        // within 1e-12 below the half
        {2.4999999999, 0, 2},           // further below: down
        {1234.5, -2, 1200},
        {1250, -2, 1300},
        {-1250, -2, -1300},
        {-0.4, 0, -0.0},                // rounds to a zero of x's sign
        {0x1.0003fffffffffp+13, 0, 8193},   // 8192.5 less one unit: the nudge lifts it
        {0x1.0001fffffffffp+14, 0, 16384},  // 16384.5 less one unit: above 2^14 the nudge is lost
        {123456789, -22, 0},
        {5e21, -22, 1e22},
        {1e307, 2, 1e307},              // scaled value overflows: already whole at that place
        {-1e307, 300, -1e307},
        {1e300, 400, 1e300},            // 10^400 is beyond doubles: nothing to round
        {1e300, -400, 0},               // ... and the place is above any double
        {-5, std::numeric_limits<int32_t>::min(), -0.0},
        {5, std::numeric_limits<int32_t>::max(), 5},
    };
    for (const Case& c : cases) {
        double got = RoundToPlaces(c.x, c.places);
        EXPECT_EQ(std::bit_cast<uint64_t>(got), std::bit_cast<uint64_t>(c.expected))
            << "RoundToPlaces(" << BitsOf(c.x) << ", " << c.places << "): got " << BitsOf(got) << ", expected "
            << BitsOf(c.expected);
    }
}

TEST(RoundToPlaces, PassesZerosNansAndInfinitiesThrough) {
    const double values[] = {0.0, -0.0, kInfinity, -kInfinity, FromBits(0x7FF8000000000000u),
                             FromBits(0xFFF8000000000000u), FromBits(0x7FF8000000000123u)};
    for (double v : values) {
        for (int32_t places : {-3, 0, 2}) {
            double got = RoundToPlaces(v, places);
            EXPECT_EQ(std::bit_cast<uint64_t>(got), std::bit_cast<uint64_t>(v))
                << "RoundToPlaces(" << BitsOf(v) << ", " << places << ") gave " << BitsOf(got);
        }
    }
}

TEST(RoundToPlaces, PassesASignallingNanWithItsPayload) {
    // On i686 a double is returned on the x87 stack, and loading a
    // signalling NaN there quiets it; the payload and sign stay.
    const uint64_t signalling = 0xFFF0000000000123u;
    uint64_t got = std::bit_cast<uint64_t>(RoundToPlaces(FromBits(signalling), 2));
    EXPECT_TRUE(got == signalling || got == (signalling | 0x0008000000000000u)) << "got " << BitsOf(FromBits(got));
}

TEST(RoundToPlaces, OmittedPlacesRoundToWholeNumbers) {
    EXPECT_EQ(RoundToPlaces(7.5), 8.0);
    EXPECT_EQ(RoundToPlaces(-7.49), -7.0);
}

TEST(RoundToPlaces, DiagonalOfFullHdRoundsToTwoPlaces) {
    double diagonal = RaiseToPower(1920.0 * 1920.0 + 1080.0 * 1080.0, 0.5);
    EXPECT_EQ(RoundToPlaces(diagonal, 2), 2202.91) << "diagonal " << BitsOf(diagonal);
}
