#include "ui/description/form_description.h"

#include <gtest/gtest.h>

#include "ui/description/byte_writer.h"
#include "ui/description/identifiers.h"

#include "tests/ui/hex_text.h"

static ControlRecord Record(uint32_t kind, const char* name, std::vector<uint8_t> kindRecord) {
    ControlRecord record;
    record.kind = kind;
    record.name = name;
    record.mousePointer = {0, 0, 0, 0};
    record.stateFlags = 5;
    record.kindRecord = std::move(kindRecord);
    return record;
}

// Two windows, so that the table and the per-window parts are both tested
// with more than one entry.
static FormDescription SampleDescription() {
    WindowDescription first;
    first.windowId = kMainWindowId;
    first.slot = 0xCAFE;
    first.wordA = 0x00746500;
    first.wordB = 0x1901001E;
    first.elements = {
        {kWindowElementId, Record(0x00010001, "", {6, 0, 0, 0})},
        {0x16010005, Record(0x0001000B, "b", {1, 0, 0, 0})},
        {0x16010003, Record(0x00010005, "e", {})},
    };
    first.elements[1].record.events = {{0, 0}, {-7, -1}};
    first.elements[2].record.childIds = {1, 0, 2};
    WindowDescription second;
    second.windowId = 0x52010002;
    second.text1 = "x";
    second.text2 = "yz";
    second.elements = {{kWindowElementId, Record(0x00010001, "", {})}};
    FormDescription description;
    description.windows = {first, second};
    return description;
}

static std::vector<uint8_t> SizedRecord(const ControlRecord& record) {
    ByteWriter writer;
    writer.WriteSizedBytes(WriteControlRecord(record));
    return writer.Take();
}

// An element buffer put together by hand: ids, offsets, then the records area.
static std::vector<uint8_t> ElementBuffer(const std::vector<uint32_t>& ids, const std::vector<uint32_t>& offsets,
                                          const std::vector<uint8_t>& records) {
    ByteWriter writer;
    for (uint32_t id : ids) {
        writer.WriteU32(id);
    }
    for (uint32_t offset : offsets) {
        writer.WriteU32(offset);
    }
    writer.WriteBytes(records);
    return writer.Take();
}

// A description of one window with the given element count and buffer.
static std::vector<uint8_t> OneWindow(uint32_t elementCount, const std::vector<uint8_t>& buffer,
                                      uint32_t tableLength = 8) {
    ByteWriter writer;
    writer.WriteU32(tableLength);
    writer.WriteU32(kMainWindowId);
    writer.WriteU32(0);
    writer.WriteU32(0x00746500);
    writer.WriteU32(0x1901001E);
    writer.WriteU32(0);
    writer.WriteU32(0);
    writer.WriteU32(elementCount);
    writer.WriteSizedBytes(buffer);
    return writer.Take();
}

static bool Loads(const std::vector<uint8_t>& bytes) {
    return ReadFormDescription(bytes.data(), bytes.size()).has_value();
}

TEST(FormDescription, RoundTripsBothWays) {
    FormDescription description = SampleDescription();
    std::vector<uint8_t> bytes = WriteFormDescription(description);
    std::optional<FormDescription> read = ReadFormDescription(bytes.data(), bytes.size());
    ASSERT_TRUE(read.has_value()) << ToHex(bytes);
    EXPECT_EQ(*read, description);
    EXPECT_EQ(ToHex(WriteFormDescription(*read)), ToHex(bytes));
}

// Every prefix of a description fails: each window is needed by the table and
// each part of a window by its declared lengths.
TEST(FormDescription, EveryTruncationFails) {
    std::vector<uint8_t> bytes = WriteFormDescription(SampleDescription());
    for (size_t length = 0; length < bytes.size(); length++) {
        EXPECT_FALSE(ReadFormDescription(bytes.data(), length).has_value())
            << "cut to " << length << " of " << bytes.size();
    }
}

TEST(FormDescription, BytesAfterTheLastWindowAreIgnored) {
    FormDescription description = SampleDescription();
    std::vector<uint8_t> bytes = WriteFormDescription(description);
    bytes.insert(bytes.end(), {0xDE, 0xAD});
    std::optional<FormDescription> read = ReadFormDescription(bytes.data(), bytes.size());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, description);
}

// The reader follows the offsets: records stored in another order, with a gap
// and spare bytes at the end, give the same elements.
TEST(FormDescription, OffsetsAreHonoured) {
    WindowDescription window = SampleDescription().windows[0];
    std::vector<uint8_t> r0 = SizedRecord(window.elements[0].record);
    std::vector<uint8_t> r1 = SizedRecord(window.elements[1].record);
    std::vector<uint8_t> r2 = SizedRecord(window.elements[2].record);
    std::vector<uint8_t> records = r2;
    records.insert(records.end(), {0xEE, 0xEE, 0xEE});
    uint32_t at1 = static_cast<uint32_t>(records.size());
    records.insert(records.end(), r1.begin(), r1.end());
    uint32_t at0 = static_cast<uint32_t>(records.size());
    records.insert(records.end(), r0.begin(), r0.end());
    records.push_back(0xEE);
    std::vector<uint32_t> ids = {window.elements[0].id, window.elements[1].id, window.elements[2].id};
    std::vector<uint8_t> bytes = OneWindow(3, ElementBuffer(ids, {at0, at1, 0}, records));
    std::optional<FormDescription> read = ReadFormDescription(bytes.data(), bytes.size());
    ASSERT_TRUE(read.has_value()) << ToHex(bytes);
    ASSERT_EQ(read->windows.size(), 1u);
    EXPECT_EQ(read->windows[0].elements, window.elements);
}

TEST(FormDescription, InconsistentLayoutsFail) {
    ControlRecord windowRecord = Record(0x00010001, "", {});
    ControlRecord control = Record(0x00010005, "e", {});
    std::vector<uint8_t> r0 = SizedRecord(windowRecord);
    std::vector<uint8_t> r1 = SizedRecord(control);
    std::vector<uint8_t> both = r0;
    both.insert(both.end(), r1.begin(), r1.end());
    uint32_t at1 = static_cast<uint32_t>(r0.size());
    uint32_t recordsLength = static_cast<uint32_t>(both.size());
    std::vector<uint32_t> ids = {kWindowElementId, 0x16010005};
    std::vector<uint8_t> good = OneWindow(2, ElementBuffer(ids, {0, at1}, both));
    ASSERT_TRUE(Loads(good)) << "the unchanged layout must load: " << ToHex(good);

    std::vector<uint8_t> tooLong = both;
    tooLong[at1] = static_cast<uint8_t>(tooLong[at1] + 1); // record 1's length, one byte more than there is

    std::vector<uint8_t> headCut = r1;
    headCut.resize(10);
    headCut[0] = 6; // record length 6: too short for the common head
    std::vector<uint8_t> cutHead = r0;
    cutHead.insert(cutHead.end(), headCut.begin(), headCut.end());

    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"window table length not a multiple of 8", OneWindow(2, ElementBuffer(ids, {0, at1}, both), 12)},
        {"window table longer than the description", OneWindow(2, ElementBuffer(ids, {0, at1}, both), 0x800)},
        {"no elements", OneWindow(0, {})},
        {"more elements than the buffer can list", OneWindow(3, ElementBuffer(ids, {0, at1}, both))},
        {"element count whose table size wraps in 32 bits", OneWindow(0x20000000, ElementBuffer(ids, {0, at1}, both))},
        {"element 0 is not the window", OneWindow(2, ElementBuffer({0x16010005, kWindowElementId}, {at1, 0}, both))},
        {"a menu item", OneWindow(2, ElementBuffer({kWindowElementId, 0x26010005}, {0, at1}, both))},
        {"offset past the records", OneWindow(2, ElementBuffer(ids, {0, recordsLength}, both))},
        {"offset leaves no room for the length", OneWindow(2, ElementBuffer(ids, {0, recordsLength - 3}, both))},
        {"record longer than the buffer", OneWindow(2, ElementBuffer(ids, {0, at1}, tooLong))},
        {"two elements on one record", OneWindow(2, ElementBuffer(ids, {0, 0}, both))},
        {"record too short for its head", OneWindow(2, ElementBuffer(ids, {0, at1}, cutHead))},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Loads(c.bytes)) << c.what << ": " << ToHex(c.bytes);
    }
}

TEST(FormDescription, Lookups) {
    FormDescription description = SampleDescription();
    const WindowDescription* second = FindWindowDescription(description, 0x52010002);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text2, "yz");
    EXPECT_EQ(FindWindowDescription(description, 0x52010003), nullptr);
    const WindowDescription& first = description.windows[0];
    EXPECT_EQ(FindElementIndex(first, 0x16010003), 2);
    EXPECT_EQ(FindElementIndex(first, kWindowElementId), 0);
    EXPECT_EQ(FindElementIndex(first, 0), 0) << "0 names the window's own record";
    EXPECT_EQ(FindElementIndex(first, 0x16010004), -1);
}
