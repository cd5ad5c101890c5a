#include "ui/rules/key_code.h"

#include <gtest/gtest.h>

TEST(KeyCode, MakeKeyCode) {
    EXPECT_EQ(MakeKeyCode(kVirtualKeyTab, false, true, false), 0x4009u);
    EXPECT_EQ(MakeKeyCode('A', true, true, true), 0xE041u);
    EXPECT_EQ(MakeKeyCode(kVirtualKeyNumpad0 + 7, false, false, true), 0x8037u) << "number-pad 7 counts as 7";
    EXPECT_EQ(MakeKeyCode(0x6A, false, false, false), 0x6Au) << "number-pad * is not a digit";
}

TEST(KeyCode, ClassifyWindowKey) {
    struct Case {
        const char* what;
        uint32_t keyCode;
        WindowKey expected;
    };
    const Case cases[] = {
        {"Tab", 0x09, WindowKey::TabForward},
        {"Shift+Tab", kKeyShift | 0x09, WindowKey::TabBackward},
        {"Ctrl+Tab", kKeyCtrl | 0x09, WindowKey::None},
        {"Enter", 0x0D, WindowKey::Enter},
        {"Esc", 0x1B, WindowKey::Escape},
        {"F1", 0x70, WindowKey::Help},
        {"Down", 0x28, WindowKey::Arrow},
        {"Alt+S", kKeyAlt | 'S', WindowKey::Mnemonic},
        {"Alt+7", kKeyAlt | '7', WindowKey::Mnemonic},
        {"Alt+Shift+S", kKeyAlt | kKeyShift | 'S', WindowKey::None},
        {"Alt+F4 is the system's", kKeyAlt | 0x73, WindowKey::None},
        {"plain letter", 'S', WindowKey::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<int>(ClassifyWindowKey(c.keyCode)), static_cast<int>(c.expected)) << c.what;
    }
}

TEST(KeyCode, TextHasMnemonic) {
    struct Case {
        const char* text;
        uint32_t keyCode;
        bool expected;
    };
    const Case cases[] = {
        {"&Save", kKeyAlt | 'S', true},
        {"&save", kKeyAlt | 'S', true},
        {"Sa&ve", kKeyAlt | 'S', false},
        {"&&Save", kKeyAlt | 'S', false},
        {"&&&Save", kKeyAlt | 'S', true},
        {"Item &2", kKeyAlt | '2', true},
        {"\xBC\xC6\xCB\xE3(&C)", kKeyAlt | 'C', true}, // 计算(&C)
        {"\xBC\xC6\xCB\xE3", kKeyAlt | 'C', false},    // 计算
        {"ends with &", kKeyAlt | 'S', false},
        {"&Save", kKeyAlt | 0x70, false},
        {nullptr, kKeyAlt | 'S', false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextHasMnemonic(c.text, c.keyCode), c.expected) << (c.text ? c.text : "(null)");
    }
}
