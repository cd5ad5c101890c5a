#include "app/fpu_reset.h"

void ResetFloatingPointUnit() {
    // cld: string instructions go forward, as every C and C++ routine assumes.
    // fninit: the x87 unit to its initial state without waiting for pending
    // exceptions (there can be none yet at start-up).
    __asm__ __volatile__("cld\n\tfninit" : : : "memory", "cc");
}

uint16_t ReadFpuControlWord() {
    uint16_t word = 0;
    __asm__ __volatile__("fnstcw %0" : "=m"(word));
    return word;
}
