#include <gtest/gtest.h>

#include <cstdint>

#include "app/fpu_reset.h"

static void LoadFpuControlWord(uint16_t word) {
    __asm__ __volatile__("fldcw %0" : : "m"(word));
}

static long double DivideExtended(long double a, long double b) {
    volatile long double dividend = a;
    volatile long double divisor = b;
    return dividend / divisor;
}

// The reset must give the program's mode whatever mode was set before it:
// 53-bit precision, rounding toward zero and zero-divide unmasked here.
TEST(ResetFloatingPointUnit, LoadsTheProgramsControlWord) {
    const uint16_t before = ReadFpuControlWord();
    LoadFpuControlWord(0x0E7B);
    ASSERT_EQ(ReadFpuControlWord(), 0x0E7B);

    ResetFloatingPointUnit();
    const uint16_t after = ReadFpuControlWord();
    LoadFpuControlWord(before);
    EXPECT_EQ(after, kResetFpuControlWord) << std::hex << "control word 0x" << after;
}

// With every exception masked, x87 division by zero gives an infinity
// instead of a trap, and intermediates keep the 64-bit significand.
TEST(ResetFloatingPointUnit, MasksDivisionByZeroAndKeepsExtendedPrecision) {
    const uint16_t before = ReadFpuControlWord();
    ResetFloatingPointUnit();
    const long double infinity = DivideExtended(1.0L, 0.0L);
    // 1 + 2^-60 is representable only with a 64-bit significand.
    const long double sum = DivideExtended(1.0L, 1.0L) + 0x1p-60L;
    LoadFpuControlWord(before);
    EXPECT_TRUE(infinity > 0 && infinity * 0.5L == infinity) << static_cast<double>(infinity);
    EXPECT_NE(sum, 1.0L);
}
