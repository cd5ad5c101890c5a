#pragma once
// A key as the window's keyboard rules and the kinds see it: the virtual-key
// code plus modifier bits.
#include <cstdint>

constexpr uint32_t kKeyCtrl = 0x2000;
constexpr uint32_t kKeyShift = 0x4000;
constexpr uint32_t kKeyAlt = 0x8000;
constexpr uint32_t kKeyModifiers = kKeyCtrl | kKeyShift | kKeyAlt;

// Virtual-key codes that the window's rules look at.
constexpr uint32_t kVirtualKeyTab = 0x09;
constexpr uint32_t kVirtualKeyReturn = 0x0D;
constexpr uint32_t kVirtualKeyEscape = 0x1B;
constexpr uint32_t kVirtualKeyLeft = 0x25;
constexpr uint32_t kVirtualKeyUp = 0x26;
constexpr uint32_t kVirtualKeyRight = 0x27;
constexpr uint32_t kVirtualKeyDown = 0x28;
constexpr uint32_t kVirtualKey0 = 0x30;
constexpr uint32_t kVirtualKeyA = 0x41;
constexpr uint32_t kVirtualKeyNumpad0 = 0x60;
constexpr uint32_t kVirtualKeyNumpad9 = 0x69;
constexpr uint32_t kVirtualKeyF1 = 0x70;

// Number-pad digits count as the digits of the main keyboard.
constexpr uint32_t NormaliseVirtualKey(uint32_t virtualKey) {
    if (virtualKey >= kVirtualKeyNumpad0 && virtualKey <= kVirtualKeyNumpad9) {
        return virtualKey - kVirtualKeyNumpad0 + kVirtualKey0;
    }
    return virtualKey;
}

constexpr uint32_t MakeKeyCode(uint32_t virtualKey, bool ctrl, bool shift, bool alt) {
    return (NormaliseVirtualKey(virtualKey) & 0x1FFF) | (ctrl ? kKeyCtrl : 0) | (shift ? kKeyShift : 0) |
           (alt ? kKeyAlt : 0);
}

// What a key means to the window when the focused control does not want it.
enum class WindowKey {
    None,        // passed on as the target's own key event
    TabForward,  // Tab without modifiers
    TabBackward, // Shift+Tab
    Enter,       // Enter without modifiers
    Escape,      // Esc without modifiers
    Help,        // F1 without modifiers
    Arrow,       // an arrow key without modifiers (radio groups)
    Mnemonic,    // Alt with a letter or digit, without Ctrl or Shift
};

WindowKey ClassifyWindowKey(uint32_t keyCode);

// True when `text` (GBK, NUL-terminated) marks the mnemonic of keyCode (Alt
// plus a letter or digit): an "&" directly followed by that letter in either
// case or that digit. "&&" stands for a literal "&" and marks nothing.
bool TextHasMnemonic(const char* text, uint32_t keyCode);
