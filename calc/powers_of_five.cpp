#include "calc/powers_of_five.h"

const PowerOfFive kPowersOfFive[kMaxPowerOfFive - kMinPowerOfFive + 1] = {
#include "calc/powers_of_five_table.inc"
};
