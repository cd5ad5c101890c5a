#include "ui/rules/key_code.h"

static bool IsLetterOrDigitKey(uint32_t virtualKey) {
    return (virtualKey >= kVirtualKey0 && virtualKey <= kVirtualKey0 + 9) ||
           (virtualKey >= kVirtualKeyA && virtualKey <= kVirtualKeyA + 25);
}

WindowKey ClassifyWindowKey(uint32_t keyCode) {
    uint32_t virtualKey = keyCode & ~kKeyModifiers;
    uint32_t modifiers = keyCode & kKeyModifiers;
    if (modifiers == kKeyAlt && IsLetterOrDigitKey(virtualKey)) {
        return WindowKey::Mnemonic;
    }
    if (modifiers == kKeyShift && virtualKey == kVirtualKeyTab) {
        return WindowKey::TabBackward;
    }
    if (modifiers != 0) {
        return WindowKey::None;
    }
    switch (virtualKey) {
    case kVirtualKeyTab:
        return WindowKey::TabForward;
    case kVirtualKeyReturn:
        return WindowKey::Enter;
    case kVirtualKeyEscape:
        return WindowKey::Escape;
    case kVirtualKeyF1:
        return WindowKey::Help;
    case kVirtualKeyLeft:
    case kVirtualKeyUp:
    case kVirtualKeyRight:
    case kVirtualKeyDown:
        return WindowKey::Arrow;
    default:
        return WindowKey::None;
    }
}

// Letter keys are the upper-case letters; the text may hold either case.
static bool MatchesKey(char c, uint32_t virtualKey) {
    uint32_t byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') {
        byte -= 'a' - 'A';
    }
    return byte == virtualKey;
}

// Scanning byte by byte is safe in GBK: "&" (0x26) is never the second byte of
// a double-byte character, so the byte after an "&" starts a character.
bool TextHasMnemonic(const char* text, uint32_t keyCode) {
    uint32_t virtualKey = keyCode & ~kKeyModifiers;
    if (!text || !IsLetterOrDigitKey(virtualKey)) {
        return false;
    }
    for (const char* p = text; *p; p++) {
        if (*p != '&') {
            continue;
        }
        if (p[1] == '&') {
            p++;
            continue;
        }
        if (MatchesKey(p[1], virtualKey)) {
            return true;
        }
    }
    return false;
}
