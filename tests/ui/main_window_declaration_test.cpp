// The declared main window against its documented layout, down to the bytes
// where other code depends on them.
#include "ui/declaration/main_window_declaration.h"

#include <gtest/gtest.h>

#include "ui/description/button_properties.h"
#include "ui/description/byte_reader.h"
#include "ui/description/edit_box_properties.h"
#include "ui/description/identifiers.h"
#include "ui/description/label_properties.h"
#include "ui/description/picture_box_properties.h"
#include "ui/description/window_properties.h"
#include "ui/rules/creation_order.h"

#include "tests/ui/hex_text.h"

// Stands in for the formula picture: only its bytes matter here.
static std::vector<uint8_t> SamplePng() {
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    for (int i = 0; i < 40; i++) {
        png.push_back(static_cast<uint8_t>(i * 7));
    }
    return png;
}

// The text each element shows, taken from its own record.
static std::string ShownText(const ControlRecord& record) {
    const std::vector<uint8_t>& r = record.kindRecord;
    switch (KindNumberOf(record.kind)) {
    case kKindWindow: {
        WindowProperties p;
        return ReadWindowProperties(r.data(), r.size(), p) ? p.caption : "(unreadable)";
    }
    case kKindLabel: {
        LabelProperties p;
        return ReadLabelProperties(r.data(), r.size(), p) ? p.text : "(unreadable)";
    }
    case kKindEditBox: {
        EditBoxProperties p;
        return ReadEditBoxProperties(r.data(), r.size(), p) ? p.text : "(unreadable)";
    }
    case kKindButton: {
        ButtonProperties p;
        return ReadButtonProperties(r.data(), r.size(), p) ? p.caption : "(unreadable)";
    }
    default:
        return "";
    }
}

class MainWindowDeclaration : public testing::Test {
protected:
    void SetUp() override {
        description = DeclareMainWindow(SamplePng());
        bytes = WriteFormDescription(description);
        ASSERT_EQ(description.windows.size(), 1u);
    }
    const WindowDescription& Window() const { return description.windows[0]; }

    FormDescription description;
    std::vector<uint8_t> bytes;
};

TEST_F(MainWindowDeclaration, RoundTripsBothWays) {
    std::optional<FormDescription> read = ReadFormDescription(bytes.data(), bytes.size());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, description);
    EXPECT_EQ(WriteFormDescription(*read), bytes);
}

TEST_F(MainWindowDeclaration, EveryTruncationFails) {
    ASSERT_FALSE(ReadFormDescription(bytes.data(), bytes.size() - 1).has_value()) << "cut short by one byte";
    for (size_t length = 0; length < bytes.size(); length++) {
        EXPECT_FALSE(ReadFormDescription(bytes.data(), length).has_value())
            << "cut to " << length << " of " << bytes.size();
    }
}

// The fourteen elements in stored order.
TEST_F(MainWindowDeclaration, ElementsAsDocumented) {
    struct Row {
        uint32_t id;
        uint32_t kindNumber;
        const char* nameHex;
        int32_t left, top, width, height;
        uint32_t flags;
        const char* textHex;
    };
    const Row rows[] = {
        {0x06010000, 1, "", 50, 50, 396, 287, 1,
         "C6 C1 C4 BB 50 50 49 BC C6 CB E3 C6 F7 20 4F 72 76 61 6E 65 6C"},                       // 屏幕PPI计算器 Orvanel
        {0x16010032, 10, "B1 EA C7 A9 36", 256, 112, 88, 24, 1, "B1 C8 C8 E7 A3 BA 31 35 2E 36 D3 A2 B4 E7"}, // 标签6 比如：15.6英寸
        {0x16010031, 10, "B1 EA C7 A9 35", 256, 68, 80, 24, 1, "B1 C8 C8 E7 A3 BA 31 30 38 30"},  // 标签5 比如：1080
        {0x16010030, 10, "B1 EA C7 A9 34", 256, 24, 80, 24, 1, "B1 C8 C8 E7 A3 BA 31 39 32 30"},  // 标签4 比如：1920
        {0x1601002B, 6, "CD BC C6 AC BF F2 31", 8, 168, 200, 80, 1, ""},                          // 图片框1
        {0x16010028, 5, "B1 E0 BC AD BF F2 35", 248, 200, 128, 48, 7, "50 50 49"},                // 编辑框5 PPI
        {0x16010022, 5, "B1 E0 BC AD BF F2 34", 360, 24, 16, 24, 6, ""},                          // 编辑框4
        {0x16010011, 11, "B0 B4 C5 A5 31", 272, 168, 80, 24, 5, "BC C6 CB E3"},                   // 按钮1 计算
        {0x16010010, 5, "B1 E0 BC AD BF F2 33", 120, 112, 120, 24, 5, ""},                        // 编辑框3
        {0x1601000E, 10, "B1 EA C7 A9 32", 24, 112, 80, 24, 1, "C6 C1 C4 BB B3 DF B4 E7 69 6E 63 68"}, // 标签2 屏幕尺寸inch
        {0x1601000D, 5, "B1 E0 BC AD BF F2 32", 120, 68, 120, 24, 5, ""},                         // 编辑框2
        {0x1601000C, 5, "B1 E0 BC AD BF F2 31", 120, 24, 120, 24, 5, ""},                         // 编辑框1
        {0x16010007, 10, "B1 EA C7 A9 31", 24, 64, 80, 24, 1, "D7 DD CF F2 70 69 78 65 6C"},      // 标签1 纵向pixel
        {0x16010002, 10, "BA E1 CF F2", 24, 24, 80, 24, 1, "BA E1 CF F2 70 69 78 65 6C"},         // 横向 横向pixel
    };
    EXPECT_EQ(Window().windowId, kMainWindowId);
    EXPECT_EQ(Window().wordA, 0x00746500u);
    EXPECT_EQ(Window().wordB, 0x1901001Eu);
    EXPECT_EQ(Window().text1, "");
    EXPECT_EQ(Window().text2, "");
    ASSERT_EQ(Window().elements.size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); i++) {
        const Row& row = rows[i];
        const ElementDescription& element = Window().elements[i];
        const ControlRecord& r = element.record;
        SCOPED_TRACE("element " + std::to_string(i));
        EXPECT_EQ(element.id, row.id);
        EXPECT_EQ(r.kind, 0x00010000u | row.kindNumber);
        EXPECT_EQ(ToHex(r.name), row.nameHex);
        EXPECT_EQ(r.left, row.left);
        EXPECT_EQ(r.top, row.top);
        EXPECT_EQ(r.width, row.width);
        EXPECT_EQ(r.height, row.height);
        EXPECT_EQ(r.stateFlags, row.flags);
        EXPECT_EQ(ToHex(ShownText(r)), row.textHex);
        // Shared by every record of this window.
        EXPECT_EQ(r.proxyId, 0u);
        EXPECT_EQ(r.parentId, 0u);
        EXPECT_TRUE(r.childIds.empty());
        EXPECT_EQ(ToHex(r.mousePointer), "00 00 00 00");
        EXPECT_EQ(r.tag, "");
        EXPECT_EQ(r.remark, "");
        EXPECT_EQ(r.tabOrder, 0);
        EXPECT_EQ(r.liveObject, 0u);
        EXPECT_EQ(r.cursorHandle, 0u);
        EXPECT_EQ(r.reservedBeforeFlags, 0u);
        for (uint32_t word : r.reservedHead) {
            EXPECT_EQ(word, 0u);
        }
        for (uint32_t word : r.reservedTail) {
            EXPECT_EQ(word, 0u);
        }
        if (row.id == kButton1Id) {
            ASSERT_EQ(r.events.size(), 1u);
            EXPECT_EQ(r.events[0].eventNumber, 0);
            EXPECT_EQ(r.events[0].handlerOffset, 0);
        } else {
            EXPECT_TRUE(r.events.empty());
        }
    }
}

// The kinds' records, byte for byte as the field tables lay them out.
TEST_F(MainWindowDeclaration, KindRecordBytes) {
    const char* kLabelHead = "02 00 00 00 00 00 00 00 08 00 00 00 00 00 00 00 80 80 80 00 FF FF FF 00 80 80 80 00 "
                             "00 00 00 00 00 00 00 FF 01 00 00 00 00 00 00 00 80 80 80 00 FF FF FF 00 80 80 80 00 "
                             "00 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00";
    struct Row {
        uint32_t id;
        std::string hex;
    };
    const Row rows[] = {
        {kWindowElementId,
         "06 00 00 00 02 00 00 00 01 00 00 00 00 00 00 FF 00 00 00 00 01 00 00 00 01 00 00 00 01 00 00 00 "
         "01 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 00 00 00 00 "
         "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
         "15 00 00 00 C6 C1 C4 BB 50 50 49 BC C6 CB E3 C6 F7 20 4F 72 76 61 6E 65 6C 00 00 00 00"},
        {kLabel6Id, std::string(kLabelHead) + " 0E 00 00 00 B1 C8 C8 E7 A3 BA 31 35 2E 36 D3 A2 B4 E7 00 00 00 00 00 00 00 00"},
        {kLabelHorizontalId, std::string(kLabelHead) + " 09 00 00 00 BA E1 CF F2 70 69 78 65 6C 00 00 00 00 00 00 00 00"},
        {kPictureBox1Id, "02 00 00 00 00 00 00 00 00 00 00 FF 01 00 00 00 01 00 00 00 30 00 00 00 " +
                             ToHex(SamplePng()) + " 00 00 00 00 00 00 00 00"},
        // 编辑框5: 85 bytes; passwordChar 2A 00 is the one 16-bit field.
        {kEditBox5Id, "02 00 00 00 04 00 00 00 00 00 00 00 EC EC EC 00 01 00 00 00 00 00 00 00 00 00 00 00 "
                      "00 00 00 00 01 00 00 00 00 00 00 00 2A 00 00 00 00 00 00 00 00 00 00 00 00 00 64 00 00 00 "
                      "00 00 00 00 00 00 00 00 00 00 00 00 03 00 00 00 50 50 49 00 00 00 00 00 00 00 00"},
        {kEditBox4Id, ""},
        // 按钮1: 32 bytes.
        {kButton1Id, "01 00 00 00 00 00 00 00 01 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00 04 00 00 00 BC C6 CB E3"},
        {kEditBox1Id, ""},
    };
    for (const Row& row : rows) {
        int index = FindElementIndex(Window(), row.id);
        ASSERT_GE(index, 0) << std::hex << row.id;
        EXPECT_EQ(ToHex(Window().elements[index].record.kindRecord), row.hex) << std::hex << "element 0x" << row.id;
    }
    EXPECT_EQ(Window().elements[FindElementIndex(Window(), kEditBox5Id)].record.kindRecord.size(), 85u);
    EXPECT_EQ(Window().elements[FindElementIndex(Window(), kButton1Id)].record.kindRecord.size(), 32u);
}

// The front of the description, and the element buffer's tables: records back
// to back in element order, filling the buffer exactly.
TEST_F(MainWindowDeclaration, DescriptionBytes) {
    const std::string head = "08 00 00 00 01 00 01 52 00 00 00 00 00 65 74 00 1E 00 01 19 "
                             "00 00 00 00 00 00 00 00 0E 00 00 00";
    ASSERT_GT(bytes.size(), 36u);
    EXPECT_EQ(ToHex(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 32)), head);
    ByteReader reader(bytes.data() + 32, bytes.size() - 32);
    uint32_t bufferLength = 0;
    ASSERT_TRUE(reader.ReadU32(bufferLength));
    EXPECT_EQ(bufferLength, reader.Remaining()) << "the element buffer ends the description";
    std::vector<uint32_t> ids(14);
    std::vector<uint32_t> offsets(14);
    for (uint32_t& id : ids) {
        ASSERT_TRUE(reader.ReadU32(id));
    }
    for (uint32_t& offset : offsets) {
        ASSERT_TRUE(reader.ReadU32(offset));
    }
    size_t recordsStart = reader.Position();
    uint32_t expectedOffset = 0;
    for (size_t i = 0; i < 14; i++) {
        EXPECT_EQ(ids[i], Window().elements[i].id) << "element " << i;
        EXPECT_EQ(offsets[i], expectedOffset) << "element " << i;
        ByteReader record(bytes.data() + 32 + recordsStart + offsets[i], 4);
        uint32_t recordLength = 0;
        ASSERT_TRUE(record.ReadU32(recordLength));
        expectedOffset += 4 + recordLength;
    }
    // recordsStart counts the buffer's own length field.
    EXPECT_EQ(recordsStart - 4 + expectedOffset, size_t{bufferLength});
}

// The common head at byte level, on the record that carries an event.
TEST_F(MainWindowDeclaration, ButtonRecordHeadBytes) {
    const ControlRecord& button = Window().elements[FindElementIndex(Window(), kButton1Id)].record;
    std::vector<uint8_t> record = WriteControlRecord(button);
    std::vector<uint8_t> head(record.begin(), record.end() - 32);
    EXPECT_EQ(ToHex(head), "0B 00 01 00 00 00 00 00 "                                   // kind, proxyId
                           "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "           // reserved
                           "B0 B4 C5 A5 31 00 00 "                                      // 按钮1, remark
                           "00 00 00 00 10 01 00 00 A8 00 00 00 50 00 00 00 18 00 00 00 " // liveObject, place
                           "00 00 00 00 00 00 00 00 00 00 00 00 "                       // cursor, parent, children
                           "04 00 00 00 00 00 00 00 00 "                                // mousePointer, tag
                           "00 00 00 00 05 00 00 00 00 00 00 00 "                       // reserved, flags, tabOrder
                           "01 00 00 00 00 00 00 00 00 00 00 00 "                       // event 0 -> offset 0
                           "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"); // reserved
}

// Controls are created from the last element to element 1; the first created
// gets child id 100 and each next one 10 more.
TEST_F(MainWindowDeclaration, CreationOrderAndChildIds) {
    const char* namesHex[] = {
        "BA E1 CF F2",          // 横向
        "B1 EA C7 A9 31",       // 标签1
        "B1 E0 BC AD BF F2 31", // 编辑框1
        "B1 E0 BC AD BF F2 32", // 编辑框2
        "B1 EA C7 A9 32",       // 标签2
        "B1 E0 BC AD BF F2 33", // 编辑框3
        "B0 B4 C5 A5 31",       // 按钮1
        "B1 E0 BC AD BF F2 34", // 编辑框4
        "B1 E0 BC AD BF F2 35", // 编辑框5
        "CD BC C6 AC BF F2 31", // 图片框1
        "B1 EA C7 A9 34",       // 标签4
        "B1 EA C7 A9 35",       // 标签5
        "B1 EA C7 A9 36",       // 标签6
    };
    int elementCount = static_cast<int>(Window().elements.size());
    uint32_t previousId = 0;
    for (int creation = 0; creation < 13; creation++) {
        int element = ElementOfCreation(creation, elementCount);
        ASSERT_GE(element, 1) << "creation " << creation;
        const ElementDescription& e = Window().elements[element];
        EXPECT_EQ(ToHex(e.record.name), namesHex[creation]) << "creation " << creation;
        EXPECT_GT(e.id, previousId) << "ids ascend in creation order";
        previousId = e.id;
    }
    EXPECT_EQ(ChildIdOfCreation(0), 100u);
    EXPECT_EQ(ChildIdOfCreation(12), 220u);
    EXPECT_EQ(ElementOfCreation(13, elementCount), -1);
}
