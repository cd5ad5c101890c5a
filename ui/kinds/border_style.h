#pragma once
// The border of a label or picture box, made of window styles.
#include <windows.h>

#include <cstdint>

// Border values 0..5: none, client edge, modal frame, static edge, client edge
// with modal frame, thin line (WS_BORDER). 6 and above (the label's own
// painted border) add no style. Each style word is written only when it
// changes, and the frame is recomputed only then.
void ApplyBorderStyle(HWND control, uint32_t border);
