#pragma once
// The label's gradient looks: a moulded border and eight background styles.
#include <windows.h>

#include <cstdint>

// The colours of one gradient, in stored order, without the slots that hold
// 0xFF000000 ("leave this colour out"). A gradient needs at least two.
struct GradientColours {
    COLORREF colour[3] = {};
    int count = 0;
};

GradientColours GatherGradientColours(uint32_t colour1, uint32_t colour2, uint32_t colour3);

// Paints a frame `width` pixels wide along the inside of `area`, shading from
// the first colour at the outer edge through the second to the last at the
// inner edge, so the defaults (grey, white, grey) look like a rounded
// moulding. False, painting nothing, with fewer than two colours or a width
// below 1.
bool PaintGradientBorder(HDC dc, const RECT& area, int width, const GradientColours& colours);

// Background styles of gradientBackMode:
//   1 left to right        2 top to bottom
//   3 right to left        4 bottom to top
//   5 from both sides to the vertical centre line and back out
//   6 from top and bottom to the horizontal centre line and back out
//   7 diagonal, top-left to bottom-right
//   8 diagonal, bottom-left to top-right
// False, painting nothing, for style 0 or an unknown one, fewer than two
// colours, an empty area or when GDI refuses the fill.
bool PaintGradientBackground(HDC dc, const RECT& area, uint32_t style, const GradientColours& colours);
