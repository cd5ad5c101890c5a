#include "ui/kinds/picture_drawing.h"

#include <cstdint>
#include <vector>

#include "ui/kinds/png_picture.h"
#include "ui/rules/alpha_blend.h"

// A device-dependent bitmap of the blended picture, compatible with `dc`, or
// null when the picture is empty or GDI refuses it.
static HBITMAP CreatePictureBitmap(HDC dc, const DecodedPicture& picture, COLORREF background) {
    if (picture.width == 0 || picture.height == 0) {
        return nullptr;
    }
    // The kept pixels stay straight; the blend works on a copy made per paint
    // so that a later change of background colour blends the originals again.
    std::vector<uint8_t> pixels = picture.bgra;
    BlendOverBackground(pixels.data(), pixels.size() / 4, background);

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = static_cast<LONG>(picture.width);
    header.biHeight = -static_cast<LONG>(picture.height); // negative: rows top-down
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    return CreateDIBitmap(dc, &header, CBM_INIT, pixels.data(), reinterpret_cast<const BITMAPINFO*>(&header),
                          DIB_RGB_COLORS);
}

// HALFTONE averages the pixels a shrink drops, which only pays off when the
// display can show the in-between colours; at 16 bits or less, or when the
// depth is unknown, COLORONCOLOR simply drops rows and columns.
static void SetPictureStretchMode(HDC dc) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof(mode);
    bool deepColour = EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmBitsPerPel > 16;
    if (deepColour) {
        SetStretchBltMode(dc, HALFTONE);
        // HALFTONE leaves the brush origin undefined; it must be reset after.
        SetBrushOrgEx(dc, 0, 0, nullptr);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
    }
}

void DrawPicture(HDC dc, const DecodedPicture& picture, COLORREF background, int x, int y, int width,
                 int height) {
    HBITMAP bitmap = CreatePictureBitmap(dc, picture, background);
    if (!bitmap) {
        return;
    }
    int pictureWidth = static_cast<int>(picture.width);
    int pictureHeight = static_cast<int>(picture.height);
    if (width == -1) {
        width = pictureWidth;
    }
    if (height == -1) {
        height = pictureHeight;
    }
    SetPictureStretchMode(dc);
    HDC memoryDc = CreateCompatibleDC(dc);
    if (memoryDc) {
        HGDIOBJ previous = SelectObject(memoryDc, bitmap);
        StretchBlt(dc, x, y, width, height, memoryDc, 0, 0, pictureWidth, pictureHeight, SRCCOPY);
        SelectObject(memoryDc, previous);
        DeleteDC(memoryDc);
    }
    DeleteObject(bitmap);
}

// One fill with a pattern brush of the picture: GDI repeats it, so the cost
// does not grow with the number of copies (a 1x1 picture over a large area
// would otherwise take one blit per pixel).
void TilePicture(HDC dc, const DecodedPicture& picture, COLORREF background, const RECT& area) {
    HBITMAP bitmap = CreatePictureBitmap(dc, picture, background);
    if (!bitmap) {
        return;
    }
    HBRUSH brush = CreatePatternBrush(bitmap);
    if (brush) {
        // The brush origin is in device units; the area is in logical ones.
        POINT origin = {area.left, area.top};
        LPtoDP(dc, &origin, 1);
        POINT previousOrigin = {};
        SetBrushOrgEx(dc, origin.x, origin.y, &previousOrigin);
        FillRect(dc, &area, brush);
        SetBrushOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
        DeleteObject(brush);
    }
    DeleteObject(bitmap);
}
