// Loading descriptions: handler binding and the lookups of units and elements.
#include <gtest/gtest.h>

#include "tests/window/test_forms.h"
#include "ui/description/identifiers.h"

TEST(LoadFormDescriptionTest, BindingsMustNameAHandler) {
    struct Case {
        const char* what;
        int32_t offset;
        bool loads;
    };
    const Case cases[] = {
        {"offset -1 binds nothing", -1, true},
        {"offset 0 is the first handler", 0, true},
        {"offset 4 is the second handler", 4, true},
        {"offset 8 names no handler", 8, false},
        {"negative offset other than -1", -2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ElementDescription button = ControlElement(0x16010011, kKindButton, {});
        button.record.events = {{0, c.offset}};
        std::vector<uint8_t> bytes = FormBytes({WindowElement(), button});
        EXPECT_EQ(LoadFormDescription(bytes.data(), bytes.size(), kTestHandlers, 2), c.loads);
    }
}

TEST(LoadFormDescriptionTest, DamagedBytesDoNotReplaceTheLoadedUnits) {
    std::vector<uint8_t> bytes = FormBytes({WindowElement()});
    ASSERT_TRUE(LoadFormDescription(bytes.data(), bytes.size(), kTestHandlers, 2));
    for (size_t cut : {size_t{1}, bytes.size() / 2, bytes.size() - 1}) {
        SCOPED_TRACE("cut to " + std::to_string(cut) + " of " + std::to_string(bytes.size()) + " bytes");
        EXPECT_FALSE(LoadFormDescription(bytes.data(), cut, kTestHandlers, 2));
        EXPECT_NE(FindWindowUnit(kTestWindowId), nullptr);
    }
    DestroyWindowUnits();
}

TEST(LoadFormDescriptionTest, UnitsAndElementsAreFoundById) {
    FormDescription description;
    for (uint32_t id : {0x52010001u, 0x52010002u}) {
        WindowDescription window;
        window.windowId = id;
        window.elements = {WindowElement(), ControlElement(0x16010005, kKindEditBox, {})};
        description.windows.push_back(window);
    }
    std::vector<uint8_t> bytes = WriteFormDescription(description);
    ASSERT_TRUE(LoadFormDescription(bytes.data(), bytes.size(), kTestHandlers, 2));
    WindowUnit* second = FindWindowUnit(0x52010002);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->windowId, 0x52010002u);
    EXPECT_EQ(FindWindowUnit(0x52010003), nullptr);
    EXPECT_EQ(FindElement(*second, 0), 0);
    EXPECT_EQ(FindElement(*second, kWindowElementId), 0);
    EXPECT_EQ(FindElement(*second, 0x16010005), 1);
    EXPECT_EQ(FindElement(*second, 0x16010006), -1);
    EXPECT_FALSE(AnyWindowAlive());
    EXPECT_EQ(LiveControl(0x52010002, 0x16010005), nullptr);
    DestroyWindowUnits();
    EXPECT_EQ(FindWindowUnit(0x52010001), nullptr);
}
