#include "ui/window/font_value.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "calc/text_memory.h"
#include "ui/window/caller_values.h"

static_assert(sizeof(LOGFONTA) == 60, "a font block holds a 32-bit LOGFONTA");

static LOGFONTA FontOfBlock(const std::string& block) {
    LOGFONTA font{};
    if (block.size() == sizeof(LOGFONTA)) {
        std::memcpy(&font, block.data(), sizeof(font));
    } else {
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    }
    // A stored face name need not end in a 0 byte.
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
    return font;
}

static std::string BlockOfFont(const LOGFONTA& font) {
    return std::string(reinterpret_cast<const char*>(&font), sizeof(font));
}

static int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    int pixelsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return pixelsPerInch > 0 ? pixelsPerInch : 96;
}

// A negative height is the character height in pixels, a positive one the
// cell height; both are taken as the size in this conversion.
static int32_t PointsOf(const LOGFONTA& font) {
    int pixels = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    return MulDiv(pixels, 72, ScreenPixelsPerInch());
}

static int32_t MemberOf(const LOGFONTA& font, int32_t member) {
    switch (member) {
    case kFontMemberAngle:
        return font.lfEscapement;
    case kFontMemberBold:
        return font.lfWeight >= FW_BOLD ? 1 : 0;
    case kFontMemberItalic:
        return font.lfItalic ? 1 : 0;
    case kFontMemberStrikeOut:
        return font.lfStrikeOut ? 1 : 0;
    case kFontMemberUnderline:
        return font.lfUnderline ? 1 : 0;
    case kFontMemberSize:
        return PointsOf(font);
    default:
        return 0;
    }
}

static void SetMember(LOGFONTA& font, int32_t member, int32_t value) {
    switch (member) {
    case kFontMemberAngle:
        font.lfEscapement = value;
        font.lfOrientation = value;
        break;
    case kFontMemberBold:
        font.lfWeight = value ? FW_BOLD : FW_NORMAL;
        break;
    case kFontMemberItalic:
        font.lfItalic = value ? 1 : 0;
        break;
    case kFontMemberStrikeOut:
        font.lfStrikeOut = value ? 1 : 0;
        break;
    case kFontMemberUnderline:
        font.lfUnderline = value ? 1 : 0;
        break;
    case kFontMemberSize:
        // Sizes are limited so that the pixel height cannot overflow.
        font.lfHeight = -MulDiv(std::clamp(value, 1, 16384), ScreenPixelsPerInch(), 72);
        break;
    default:
        break;
    }
}

static void SetFaceName(LOGFONTA& font, const std::string& name) {
    std::memset(font.lfFaceName, 0, sizeof(font.lfFaceName));
    std::memcpy(font.lfFaceName, name.data(), std::min(name.size(), sizeof(font.lfFaceName) - 1));
}

static uint32_t WholeFontToCaller(const LOGFONTA& font) {
    char* record = AllocateText(kFontRecordLength);
    for (int32_t member = kFontMemberAngle; member < kFontMemberFaceName; member++) {
        int32_t value = MemberOf(font, member);
        std::memcpy(record + 4 * member, &value, 4);
    }
    std::memcpy(record + 24, font.lfFaceName, 32);
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(record));
}

uint64_t FontToCaller(const std::string& block, int32_t member) {
    LOGFONTA font = FontOfBlock(block);
    if (member == kFontWhole) {
        return WholeFontToCaller(font);
    }
    if (member == kFontMemberFaceName) {
        return TextToCaller(font.lfFaceName);
    }
    return static_cast<uint32_t>(MemberOf(font, member));
}

static std::string WholeFontFromCaller(uint32_t value) {
    const auto* record = reinterpret_cast<const char*>(static_cast<uintptr_t>(value));
    if (!record) {
        return {};
    }
    LOGFONTA font = FontOfBlock({});
    for (int32_t member = kFontMemberAngle; member < kFontMemberFaceName; member++) {
        int32_t memberValue = 0;
        std::memcpy(&memberValue, record + 4 * member, 4);
        SetMember(font, member, memberValue);
    }
    SetFaceName(font, std::string(record + 24, strnlen(record + 24, 32)));
    return BlockOfFont(font);
}

std::string FontFromCaller(const std::string& current, int32_t member, uint32_t value) {
    if (member == kFontWhole) {
        return WholeFontFromCaller(value);
    }
    LOGFONTA font = FontOfBlock(current);
    if (member == kFontMemberFaceName) {
        SetFaceName(font, TextFromCaller(value));
    } else if (member >= kFontMemberAngle && member < kFontMemberFaceName) {
        SetMember(font, member, static_cast<int32_t>(value));
    } else {
        return current;
    }
    return BlockOfFont(font);
}
