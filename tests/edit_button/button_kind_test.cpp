// The button kind in-process: records it refuses, its styles, the click and
// focus events, and its setters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/edit_button/kind_test_host.h"
#include "ui/description/button_properties.h"
#include "ui/kinds/button.h"
#include "ui/window/control_kind.h"

namespace {

constexpr uint32_t kButtonId = 0x16010011;

constexpr int32_t kPicture = 0;
constexpr int32_t kButtonType = 1;
constexpr int32_t kCaption = 2;
constexpr int32_t kHAlign = 3;
constexpr int32_t kVAlign = 4;

std::vector<uint8_t> Record(const ButtonProperties& properties) { return WriteButtonProperties(properties); }

bool SetNumber(HWND button, int32_t index, int32_t number) {
    KindValue value;
    value.number = number;
    return kButtonKind.setKindProperty(button, index, value);
}

bool SetBytes(HWND button, int32_t index, const std::string& bytes) {
    KindValue value;
    value.bytes = bytes;
    return kButtonKind.setKindProperty(button, index, value);
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }

class ButtonKindTest : public testing::Test {
protected:
    HWND NewButton(const ButtonProperties& properties = ButtonProperties()) {
        HWND button = host.Create(kButtonKind, Record(properties), kButtonId, 80, 24);
        EXPECT_NE(button, nullptr);
        ClearRaisedEvents();
        return button;
    }

    KindTestHost host;
};

TEST_F(ButtonKindTest, RefusesRecordsItCannotRead) {
    ButtonProperties newer;
    newer.version = 2;
    std::vector<uint8_t> cut = Record(ButtonProperties());
    cut.pop_back();
    EXPECT_EQ(host.Create(kButtonKind, Record(newer), kButtonId), nullptr) << "version 2";
    EXPECT_EQ(host.Create(kButtonKind, cut, kButtonId), nullptr) << "cut short";
    EXPECT_EQ(ChildCount(host.Window()), 0) << "a refused record left a window behind";
}

TEST_F(ButtonKindTest, StylesFollowTheRecord) {
    const DWORD kAlign = BS_LEFT | BS_RIGHT | BS_CENTER | BS_TOP | BS_BOTTOM | BS_VCENTER;
    const struct {
        const char* what;
        int32_t buttonType;
        int32_t hAlign;
        int32_t vAlign;
        DWORD type;
        DWORD align;
    } cases[] = {
        {"defaults", 0, 1, 1, BS_PUSHBUTTON, BS_CENTER | BS_VCENTER},
        {"default button, top left", 1, 0, 0, BS_DEFPUSHBUTTON, BS_LEFT | BS_TOP},
        {"right, bottom", 0, 2, 2, BS_PUSHBUTTON, BS_RIGHT | BS_BOTTOM},
    };
    for (const auto& c : cases) {
        ButtonProperties p;
        p.buttonType = c.buttonType;
        p.hAlign = c.hAlign;
        p.vAlign = c.vAlign;
        HWND button = NewButton(p);
        DWORD style = StyleOf(button);
        EXPECT_EQ(style & BS_TYPEMASK, c.type) << c.what << std::hex << ": style 0x" << style;
        EXPECT_EQ(style & kAlign, c.align) << c.what << std::hex << ": style 0x" << style;
        EXPECT_NE(style & BS_MULTILINE, 0u) << c.what;
        EXPECT_EQ(style & WS_VISIBLE, 0u) << c.what << ": made visible; the loader shows it";
        EXPECT_EQ(kButtonKind.isDefaultButton(button), c.buttonType == 1) << c.what;
        DestroyWindow(button);
    }
    HWND plain = host.Create(kButtonKind, {}, kButtonId, 80, 24);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(TextOf(plain), "\xB0\xB4\xC5\xA5") << "the default caption"; // "按钮"
}

// One click, one event 0, raised while the click is processed.
TEST_F(ButtonKindTest, ClickRaisesEventZeroOnce) {
    HWND button = NewButton();
    ASSERT_TRUE(host.Focus(button));
    ClearRaisedEvents();
    SendMessageA(button, BM_CLICK, 0, 0);
    const std::vector<RaisedEvent> expected = {{kHostWindowId, kButtonId, 0}};
    EXPECT_EQ(RaisedEvents(), expected) << EventsText(RaisedEvents());
}

TEST_F(ButtonKindTest, FocusChangesRaiseGotAndLostFocus) {
    HWND button = NewButton();
    HWND other = host.Create(kButtonKind, {}, kButtonId + 1, 80, 24);
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(host.Focus(button));
    EXPECT_EQ(RaisedEvents().back(), (RaisedEvent{kHostWindowId, kButtonId, -7})) << EventsText(RaisedEvents());
    ClearRaisedEvents();
    ASSERT_TRUE(host.Focus(other));
    const std::vector<RaisedEvent> expected = {{kHostWindowId, kButtonId, -8}, {kHostWindowId, kButtonId + 1, -7}};
    EXPECT_EQ(RaisedEvents(), expected) << EventsText(RaisedEvents());
}

TEST_F(ButtonKindTest, SettersChangeTheLiveButton) {
    HWND button = NewButton();
    EXPECT_FALSE(SetNumber(button, kButtonType, 5));
    EXPECT_TRUE(kButtonKind.isDefaultButton(button)) << "a type above the range is a default button";
    EXPECT_FALSE(SetNumber(button, kButtonType, -2));
    EXPECT_FALSE(kButtonKind.isDefaultButton(button));

    EXPECT_FALSE(SetNumber(button, kHAlign, 9));
    EXPECT_FALSE(SetNumber(button, kVAlign, -1));
    EXPECT_EQ(StyleOf(button) & (BS_LEFT | BS_RIGHT | BS_CENTER | BS_TOP | BS_BOTTOM | BS_VCENTER),
              DWORD(BS_RIGHT | BS_TOP))
        << std::hex << StyleOf(button);

    EXPECT_FALSE(SetBytes(button, kCaption, "\xBC\xC6\xCB\xE3")); // "计算"
    EXPECT_EQ(TextOf(button), "\xBC\xC6\xCB\xE3");

    EXPECT_TRUE(SetBytes(button, kPicture, std::string("BM\x01\x02", 4))) << "a picture needs a new button";
    KindValue picture;
    ASSERT_TRUE(kButtonKind.getKindProperty(button, kPicture, picture));
    EXPECT_EQ(picture.bytes, std::string("BM\x01\x02", 4));

    ButtonProperties saved;
    std::vector<uint8_t> record = kButtonKind.saveKindProperties(button);
    ASSERT_TRUE(ReadButtonProperties(record.data(), record.size(), saved));
    EXPECT_EQ(saved.caption, "\xBC\xC6\xCB\xE3");
    EXPECT_EQ(saved.hAlign, 2);
    EXPECT_EQ(saved.vAlign, 0);
    EXPECT_EQ(saved.buttonType, 0);
}

} // namespace
