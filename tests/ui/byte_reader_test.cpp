#include "ui/description/byte_reader.h"

#include <gtest/gtest.h>

#include "ui/description/byte_writer.h"

static std::vector<uint8_t> Bytes(std::initializer_list<uint8_t> list) {
    return std::vector<uint8_t>(list);
}

TEST(ByteReader, ReadsLittleEndianFields) {
    std::vector<uint8_t> bytes = Bytes({0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF});
    ByteReader reader(bytes.data(), bytes.size());
    uint16_t word = 0;
    uint32_t u = 0;
    int32_t i = 0;
    ASSERT_TRUE(reader.ReadU16(word));
    ASSERT_TRUE(reader.ReadU32(u));
    ASSERT_TRUE(reader.ReadI32(i));
    EXPECT_EQ(word, 0x1234u);
    EXPECT_EQ(u, 0x12345678u);
    EXPECT_EQ(i, -2);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadU16(word)) << "read past the end";
}

// A sized field whose length runs past the block fails and consumes nothing,
// even when the length is huge (nothing may be allocated for it).
TEST(ByteReader, LengthPastTheEndFailsWithoutMoving) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        bool isSigned;
    };
    const Case cases[] = {
        {"one byte short", Bytes({3, 0, 0, 0, 'a', 'b'}), false},
        {"largest unsigned length", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'a'}), false},
        {"largest signed length", Bytes({0xFF, 0xFF, 0xFF, 0x7F, 'a'}), true},
        {"length field itself cut", Bytes({1, 0, 0}), false},
    };
    for (const Case& c : cases) {
        ByteReader reader(c.bytes.data(), c.bytes.size());
        std::vector<uint8_t> blob;
        std::string text;
        bool blobRead = c.isSigned ? reader.ReadSignedSizedBytes(blob) : reader.ReadSizedBytes(blob);
        bool textRead = c.isSigned ? reader.ReadSignedSizedText(text) : reader.ReadSizedText(text);
        EXPECT_FALSE(blobRead) << c.what;
        EXPECT_FALSE(textRead) << c.what;
        EXPECT_EQ(reader.Position(), 0u) << c.what;
    }
}

// A signed length of 0 or below is an empty field followed by no bytes.
TEST(ByteReader, SignedLengthAtOrBelowZeroIsEmpty) {
    for (uint32_t length : {0u, 0xFFFFFFFFu, 0x80000000u}) {
        ByteWriter writer;
        writer.WriteU32(length);
        writer.WriteU32(0xAABBCCDD);
        ByteReader reader(writer.Bytes().data(), writer.Size());
        std::string text = "old";
        uint32_t next = 0;
        ASSERT_TRUE(reader.ReadSignedSizedText(text)) << "length " << length;
        EXPECT_EQ(text, "") << "length " << length;
        ASSERT_TRUE(reader.ReadU32(next)) << "length " << length;
        EXPECT_EQ(next, 0xAABBCCDDu) << "length " << length;
    }
}

TEST(ByteReader, ZeroTerminatedTextNeedsItsTerminator) {
    std::vector<uint8_t> bytes = Bytes({'a', 'b', 0, 'c', 'd'});
    ByteReader reader(bytes.data(), bytes.size());
    std::string text;
    ASSERT_TRUE(reader.ReadZeroTerminatedText(text));
    EXPECT_EQ(text, "ab");
    EXPECT_FALSE(reader.ReadZeroTerminatedText(text)) << "\"cd\" has no terminator";
    EXPECT_EQ(reader.Position(), 3u);
    ByteReader empty(nullptr, 5);
    EXPECT_FALSE(empty.ReadZeroTerminatedText(text)) << "a null block holds nothing";
}

TEST(ByteWriter, WritesTextUpToItsFirstZeroByte) {
    ByteWriter writer;
    writer.WriteZeroTerminatedText(std::string("ab\0cd", 5));
    EXPECT_EQ(writer.Bytes(), Bytes({'a', 'b', 0}));
}
