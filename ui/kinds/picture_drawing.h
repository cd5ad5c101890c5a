#pragma once
// Drawing a decoded picture on a device context: translucent pixels blended
// over a background colour, then stretched onto the destination.
#include <windows.h>

struct DecodedPicture;

// Draws the picture into the rectangle x, y, width, height of the DC; a width
// or height of -1 stands for the picture's own. `background` (a COLORREF)
// shows through pixels whose alpha is below 255. The bitmap is made for this
// call only; the decoded picture is left as it is.
void DrawPicture(HDC dc, const DecodedPicture& picture, COLORREF background, int x, int y, int width,
                 int height);

// Covers `area` with copies of the picture at its own size, the first one at
// the area's top-left corner.
void TilePicture(HDC dc, const DecodedPicture& picture, COLORREF background, const RECT& area);
