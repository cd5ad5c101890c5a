#include "ui/kinds/kind_font.h"

#include <cstring>

static_assert(sizeof(LOGFONTA) == kFontBlockLength, "a font block holds exactly one LOGFONTA");

HFONT CreateKindFont(const uint8_t* block, size_t length) {
    if (block == nullptr || length != kFontBlockLength) {
        return nullptr;
    }
    LOGFONTA logFont;
    std::memcpy(&logFont, block, sizeof(logFont));
    // A stored face name need not be terminated; cut it at its last byte.
    logFont.lfFaceName[LF_FACESIZE - 1] = 0;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = PROOF_QUALITY;
    logFont.lfPitchAndFamily = DEFAULT_PITCH;
    return CreateFontIndirectA(&logFont);
}

HFONT KindFontOrDefault(HFONT ownedFont) {
    if (ownedFont != nullptr) {
        return ownedFont;
    }
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int MeasureTextHeight(HFONT font, const char* text, int length) {
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) {
        return 0;
    }
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE size{};
    if (!GetTextExtentPoint32A(dc, text, length, &size)) {
        size.cy = 0;
    }
    SelectObject(dc, oldFont);
    ReleaseDC(nullptr, dc);
    return size.cy;
}
