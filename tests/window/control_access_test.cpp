// Reading and writing control properties by number: the common properties,
// the value classes, the fatal reports and re-creation.
#include <gtest/gtest.h>

#include <cstring>

#include "app/core/fatal_message.h"
#include "calc/text_memory.h"
#include "tests/window/test_forms.h"
#include "tests/window/test_shell.h"
#include "ui/description/identifiers.h"
#include "ui/window/access_messages.h"
#include "ui/window/control_access.h"

constexpr uint32_t kEdit = 0x16010002;
constexpr uint32_t kButton = 0x16010001;

// Edit box properties used here (PropertyIndex).
constexpr int32_t kEditText = 8;
constexpr int32_t kEditBorder = 9;      // choice 0..5
constexpr int32_t kEditHideSelection = 13; // truth value
constexpr int32_t kEditMultiLine = 15;  // truth value; changing it re-creates the box

static const char* TextPointer(uint64_t value) {
    return reinterpret_cast<const char*>(static_cast<uintptr_t>(static_cast<uint32_t>(value)));
}

static uint32_t PointerValue(const void* pointer) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
}

class ControlAccessTest : public WindowLayerTest {
protected:
    void SetUp() override {
        WindowLayerTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(Load({WindowElement(), ControlElement(kEdit, kKindEditBox, EditBoxRecord("old")),
                                      ControlElement(kButton, kKindButton, ButtonRecord("Go"))}));
    }

    void Build() { ASSERT_TRUE(BuildWindow(kTestWindowId, nullptr)); }

    int32_t ReadNumber(uint32_t control, int32_t property) {
        return static_cast<int32_t>(ReadProperty(kTestWindowId, control, property, -1));
    }

    std::string ReadText(uint32_t control, int32_t property) {
        uint64_t value = ReadProperty(kTestWindowId, control, property, -1);
        EXPECT_EQ(value >> 32, 0u) << "high half of a text value";
        const char* text = TextPointer(value);
        std::string result = text ? text : "(null)";
        ReleaseText(text);
        return result;
    }

    void WriteNumber(uint32_t control, int32_t property, int32_t value) {
        WriteProperty(kTestWindowId, control, property, -1, static_cast<uint32_t>(value), 0);
    }

    void WriteText(uint32_t control, int32_t property, const char* text) {
        WriteProperty(kTestWindowId, control, property, -1, PointerValue(text), 0);
    }
};

TEST_F(ControlAccessTest, PlaceAndSizeAreClampedAndFollowTheLiveControl) {
    ASSERT_NO_FATAL_FAILURE(Build());
    struct Case {
        int32_t property;
        int32_t written;
        int32_t expected;
    };
    const Case cases[] = {
        {kPropertyLeft, 40, 40},         {kPropertyLeft, -40000, -32627}, {kPropertyLeft, 40000, 32627},
        {kPropertyTop, -32627, -32627},  {kPropertyTop, 32628, 32627},   {kPropertyWidth, -5, 0},
        {kPropertyWidth, 40000, 32627},  {kPropertyHeight, 30, 30},      {kPropertyHeight, INT32_MIN, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("property " + std::to_string(c.property) + " written " + std::to_string(c.written));
        WriteNumber(kEdit, c.property, c.written);
        EXPECT_EQ(ReadNumber(kEdit, c.property), c.expected) << "read from the live control";
        const ControlRecord& record = Unit().working[1];
        const int32_t stored[] = {record.left, record.top, record.width, record.height};
        EXPECT_EQ(stored[c.property], c.expected) << "kept in the record";
    }
}

TEST_F(ControlAccessTest, WithoutALiveWindowTheRecordAnswers) {
    WriteNumber(kEdit, kPropertyLeft, -40000);
    EXPECT_EQ(ReadNumber(kEdit, kPropertyLeft), -32627);
    EXPECT_EQ(ReadNumber(kEdit, kPropertyVisible), 1);
    WriteNumber(kEdit, kPropertyDisabled, 9);
    EXPECT_EQ(ReadNumber(kEdit, kPropertyDisabled), 1);
    WriteText(kEdit, kPropertyTag, "note");
    EXPECT_EQ(ReadText(kEdit, kPropertyTag), "note");
    WriteText(kEdit, kPropertyTag, nullptr);
    EXPECT_EQ(ReadText(kEdit, kPropertyTag), "(null)");
    // The build starts from the changed record.
    ASSERT_NO_FATAL_FAILURE(Build());
    EXPECT_FALSE(IsWindowEnabled(Live(kEdit)));
}

TEST_F(ControlAccessTest, StateFlagsFollowTheLiveWindow) {
    ASSERT_NO_FATAL_FAILURE(Build());
    WriteNumber(kEdit, kPropertyVisible, 0);
    EXPECT_FALSE(GetWindowLongA(Live(kEdit), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(ReadNumber(kEdit, kPropertyVisible), 0);
    WriteNumber(kEdit, kPropertyVisible, 5);
    EXPECT_EQ(ReadNumber(kEdit, kPropertyVisible), 1);
    WriteNumber(kButton, kPropertyDisabled, -1);
    EXPECT_FALSE(IsWindowEnabled(Live(kButton)));
    EXPECT_EQ(ReadNumber(kButton, kPropertyDisabled), 1);
    // The window changed behind the record's back still answers as it is.
    EnableWindow(Live(kButton), TRUE);
    EXPECT_EQ(ReadNumber(kButton, kPropertyDisabled), 0);
}

TEST_F(ControlAccessTest, TextsAreFreshCopiesAndNullIsEmpty) {
    ASSERT_NO_FATAL_FAILURE(Build());
    EXPECT_EQ(ReadText(kEdit, kEditText), "old");
    std::string written = "\xC6\xC1\xC4\xBB 12"; // "屏幕 12"
    WriteText(kEdit, kEditText, written.c_str());
    written[0] = 'x'; // the box keeps its own copy
    EXPECT_EQ(ReadText(kEdit, kEditText), "\xC6\xC1\xC4\xBB 12");
    EXPECT_EQ(TextOf(Live(kEdit)), "\xC6\xC1\xC4\xBB 12");
    WriteText(kEdit, kEditText, nullptr);
    EXPECT_EQ(ReadText(kEdit, kEditText), "(null)");
    EXPECT_EQ(ReadText(kButton, 10), "Go");
}

TEST_F(ControlAccessTest, ChoicesAndTruthValuesAreNormalised) {
    ASSERT_NO_FATAL_FAILURE(Build());
    struct Case {
        const char* what;
        int32_t property;
        int32_t written;
        int32_t expected;
    };
    const Case cases[] = {
        {"negative choice becomes 0", kEditBorder, -3, 0},
        {"choice above the range becomes the largest", kEditBorder, 99, 5},
        {"choice in range", kEditBorder, 2, 2},
        {"any non-zero truth value is 1", kEditHideSelection, 7, 1},
        {"zero truth value", kEditHideSelection, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteNumber(kEdit, c.property, c.written);
        EXPECT_EQ(ReadNumber(kEdit, c.property), c.expected);
    }
}

TEST_F(ControlAccessTest, ByteBlocksCarryCountAndLength) {
    ASSERT_NO_FATAL_FAILURE(Build());
    const uint8_t block[] = {1, 0, 0, 0, 3, 0, 0, 0, 0xAA, 0xBB, 0xCC};
    WriteProperty(kTestWindowId, kEdit, kPropertyMousePointer, -1, PointerValue(block), 0);
    EXPECT_EQ(Unit().working[1].mousePointer, (std::vector<uint8_t>{0xAA, 0xBB, 0xCC}));
    const char* read = TextPointer(ReadProperty(kTestWindowId, kEdit, kPropertyMousePointer, -1));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(std::memcmp(read, block, sizeof(block)), 0);
    ReleaseText(read);
    WriteProperty(kTestWindowId, kEdit, kPropertyMousePointer, -1, 0, 0);
    EXPECT_EQ(ReadProperty(kTestWindowId, kEdit, kPropertyMousePointer, -1), 0u);
}

TEST_F(ControlAccessTest, BadAddressesAreFatal) {
    struct Case {
        const char* what;
        uint32_t windowId;
        uint32_t controlId;
        int32_t property;
        const char* message;
    };
    const Case cases[] = {
        {"window the program does not hold", 0x52010009, kEdit, kPropertyLeft, kMessageAccessWindowNotLoaded},
        {"control the window does not hold", kTestWindowId, 0x16010009, kPropertyLeft,
         kMessageAccessControlNotFound},
        {"kind property of a window not built", kTestWindowId, kEdit, kEditText, kMessageControlNotLoaded},
        {"property beyond the kind's list", kTestWindowId, kEdit, 29, kMessageAccessPropertyUnknown},
        {"negative property number", kTestWindowId, kEdit, -1, kMessageAccessPropertyUnknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FatalMessageOf([&] { ReadProperty(c.windowId, c.controlId, c.property, -1); }), c.message);
        EXPECT_EQ(FatalMessageOf([&] { WriteProperty(c.windowId, c.controlId, c.property, -1, 0, 0); }),
                  c.message);
    }
}

TEST_F(ControlAccessTest, RecreatedControlKeepsPlaceTextAndFocus) {
    ASSERT_NO_FATAL_FAILURE(Build());
    HWND old = Live(kEdit);
    SetForegroundWindow(Live(0));
    SetFocus(old);
    ASSERT_EQ(GetFocus(), old);
    RECT before{};
    GetWindowRect(old, &before);
    int childId = GetDlgCtrlID(old);

    WriteNumber(kEdit, kEditMultiLine, 1);
    HWND fresh = Live(kEdit);
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, old) << "the box was not made anew";
    EXPECT_FALSE(IsWindow(old));
    EXPECT_TRUE(GetWindowLongA(fresh, GWL_STYLE) & ES_MULTILINE);
    RECT after{};
    GetWindowRect(fresh, &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "moved from (" << before.left << "," << before.top << ") to ("
                                            << after.left << "," << after.top << ")";
    EXPECT_EQ(GetDlgCtrlID(fresh), childId);
    EXPECT_TRUE(GetWindowLongA(fresh, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(ReadText(kEdit, kEditText), "old");
    EXPECT_EQ(GetFocus(), fresh);
    EXPECT_FALSE(EventsBlocked());
}
