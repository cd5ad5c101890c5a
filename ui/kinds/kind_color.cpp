#include "ui/kinds/kind_color.h"

COLORREF ResolveKindColor(uint32_t storedColor) {
    if (storedColor == kButtonFaceColor) {
        return GetSysColor(COLOR_BTNFACE);
    }
    return storedColor;
}
