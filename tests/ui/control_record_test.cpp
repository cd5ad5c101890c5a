#include "ui/description/control_record.h"

#include <gtest/gtest.h>

#include "ui/description/byte_writer.h"

#include "tests/ui/hex_text.h"

// Every field away from its default, so that a field written or read at the
// wrong place shows.
static ControlRecord DistinctRecord() {
    ControlRecord r;
    r.kind = 0x0001000B;
    r.proxyId = 0x16010003;
    r.reservedHead[0] = 1;
    r.reservedHead[3] = 4;
    r.name = "\xB0\xB4\xC5\xA5" "1"; // 按钮1
    r.remark = "remark";
    r.liveObject = 0x1234;
    r.left = -10;
    r.top = 20;
    r.width = 30;
    r.height = 40;
    r.cursorHandle = 0x5678;
    r.parentId = 0x16010009;
    r.childIds = {0x16010001, 0, 0x16010002};
    r.mousePointer = {2, 0, 0, 0, 9};
    r.tag = "tag";
    r.reservedBeforeFlags = 7;
    r.stateFlags = 5;
    r.tabOrder = -3;
    r.events = {{0, 0}, {-7, -1}};
    r.reservedTail[4] = 9;
    r.kindRecord = {1, 2, 3};
    return r;
}

TEST(ControlRecord, RoundTripsAndFailsWhenCutBeforeTheKindRecord) {
    ControlRecord record = DistinctRecord();
    std::vector<uint8_t> bytes = WriteControlRecord(record);
    ControlRecord read;
    ASSERT_TRUE(ReadControlRecord(bytes.data(), bytes.size(), read)) << ToHex(bytes);
    EXPECT_EQ(read, record);
    EXPECT_EQ(WriteControlRecord(read), bytes);
    // The kind record is the open-ended tail: any cut inside the head fails,
    // a cut inside the kind record only shortens it.
    size_t headLength = bytes.size() - record.kindRecord.size();
    for (size_t length = 0; length < headLength; length++) {
        EXPECT_FALSE(ReadControlRecord(bytes.data(), length, read)) << "cut to " << length;
    }
    ASSERT_TRUE(ReadControlRecord(bytes.data(), headLength, read));
    EXPECT_TRUE(read.kindRecord.empty());
}

// Counts are checked against the bytes left before anything is allocated.
TEST(ControlRecord, HugeCountsFail) {
    for (uint32_t count : {0x40000000u, 0xFFFFFFFFu, 3u}) {
        ControlRecord record;
        record.childIds = {1, 2};
        std::vector<uint8_t> bytes = WriteControlRecord(record);
        // kind, proxy, 4 reserved, two empty texts, liveObject, place, cursor, parent.
        const size_t childCountAt = 24 + 2 + 4 * 7;
        ByteWriter writer;
        writer.WriteBytes(bytes);
        writer.PatchU32(childCountAt, count);
        // Cut right after the two ids, so that three would already be too many.
        std::vector<uint8_t> patched(writer.Bytes().begin(), writer.Bytes().begin() + childCountAt + 4 + 8);
        ControlRecord read;
        EXPECT_FALSE(ReadControlRecord(patched.data(), patched.size(), read)) << "child count " << count;
    }
}

TEST(ControlRecord, MousePointerNumber) {
    struct Case {
        const char* what;
        std::vector<uint8_t> pointer;
        uint32_t expected;
    };
    const Case cases[] = {
        {"empty: the default pointer", {}, 0},
        {"shorter than 4 bytes: its first byte", {7, 1}, 7},
        {"4 bytes: little-endian u32", {2, 1, 0, 0}, 0x102},
        {"longer: its first u32", {3, 0, 0, 0, 0xFF}, 3},
    };
    for (const Case& c : cases) {
        ControlRecord record;
        record.mousePointer = c.pointer;
        EXPECT_EQ(MousePointerNumber(record), c.expected) << c.what;
    }
}
