#pragma once
// Putting the processor's floating-point state where the program expects it.
#include <cstdint>

// The x87 control word right after FNINIT: every exception masked, rounding
// to nearest, 64-bit significand for intermediate results.
constexpr uint16_t kResetFpuControlWord = 0x037F;

// Clears the direction flag and resets the x87 unit (FNINIT), which loads
// kResetFpuControlWord. Called once at start-up, before any program code
// computes; the conversions and the calculation rely on this mode.
void ResetFloatingPointUnit();

// The current x87 control word (FNSTCW).
uint16_t ReadFpuControlWord();
