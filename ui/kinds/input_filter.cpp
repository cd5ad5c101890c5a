#include "ui/kinds/input_filter.h"

static bool IsDigit(uint32_t c) { return c >= '0' && c <= '9'; }

bool InputModeAccepts(int32_t inputMode, uint32_t charCode) {
    if (charCode < 32) {
        return true;
    }
    switch (inputMode) {
    case 3: case 6: case 7: case 8: // digits and the minus sign
        return IsDigit(charCode) || charCode == '-';
    case 4: case 9: case 10: // digits, the minus sign and the full stop
        return IsDigit(charCode) || charCode == '-' || charCode == '.';
    case 5:
        return IsDigit(charCode);
    default:
        return true;
    }
}
