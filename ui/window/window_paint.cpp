#include "ui/window/window_paint.h"

#include "ui/description/window_properties.h"

void PaintWindowBackground(HDC dc, const RECT& area, uint32_t backColor) {
    COLORREF color = backColor == kDefaultColor ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(backColor);
    HBRUSH brush = CreateSolidBrush(color);
    if (!brush) {
        return;
    }
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}
