#pragma once
// The largest single malloc request of the process since the last reset, for
// checking that a few input bytes cannot make the decoder ask for a huge
// block. Available natively with glibc and without a sanitizer (which brings
// its own malloc); elsewhere LargestAllocationTracked() is false.
#include <cstddef>

bool LargestAllocationTracked();
void ResetLargestAllocation();
size_t LargestAllocation();
