#include "ui/kinds/border_style.h"

// The extended bits any border value may set; all are cleared first.
constexpr LONG kBorderExStyles = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE; // 0x20201

static LONG BorderExStyle(uint32_t border) {
    switch (border) {
    case 1:
        return WS_EX_CLIENTEDGE;
    case 2:
        return WS_EX_DLGMODALFRAME;
    case 3:
        return WS_EX_STATICEDGE;
    case 4:
        return WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
    default:
        return 0;
    }
}

// Replaces the bits of `mask` in the style word at `index` by `bits`; true
// when the word changed.
static bool ReplaceStyleBits(HWND control, int index, LONG mask, LONG bits) {
    LONG current = GetWindowLongA(control, index);
    LONG wanted = (current & ~mask) | bits;
    if (wanted == current) {
        return false;
    }
    SetWindowLongA(control, index, wanted);
    return true;
}

void ApplyBorderStyle(HWND control, uint32_t border) {
    bool changed = ReplaceStyleBits(control, GWL_EXSTYLE, kBorderExStyles, BorderExStyle(border));
    LONG line = border == 5 ? static_cast<LONG>(WS_BORDER) : 0;
    changed = ReplaceStyleBits(control, GWL_STYLE, static_cast<LONG>(WS_BORDER), line) || changed;
    if (changed) {
        // Style bits of the frame take effect only when the frame is recomputed.
        SetWindowPos(control, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}
