#pragma once
// Bounded reading of little-endian fields from a block of bytes.
//
// Every read first checks what is left of the block, so a damaged length can
// neither read past the end nor make the caller allocate more than the block
// could hold: a length field is compared with the remaining bytes before any
// storage is made for it. A failed read leaves the position unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ByteReader {
public:
    ByteReader(const uint8_t* bytes, size_t byteCount) : data(bytes), length(bytes ? byteCount : 0) {}

    size_t Remaining() const { return length - position; }
    size_t Position() const { return position; }
    bool AtEnd() const { return position == length; }

    bool Skip(size_t byteCount);
    bool ReadU16(uint16_t& value);
    bool ReadU32(uint32_t& value);
    bool ReadI32(int32_t& value);

    // Exactly byteCount bytes.
    bool ReadBytes(size_t byteCount, std::vector<uint8_t>& bytes);
    bool ReadBytes(size_t byteCount, std::string& text);

    // A u32 length, then that many bytes.
    bool ReadSizedBytes(std::vector<uint8_t>& bytes);
    bool ReadSizedText(std::string& text);

    // A signed 32-bit length, then that many bytes; a length of 0 or below
    // stands for nothing and is followed by no bytes.
    bool ReadSignedSizedBytes(std::vector<uint8_t>& bytes);
    bool ReadSignedSizedText(std::string& text);

    // Bytes up to a 0 byte, which is consumed but not kept. False when the
    // block ends before the 0.
    bool ReadZeroTerminatedText(std::string& text);

private:
    // The size of the next field: the 4-byte length is consumed only when the
    // bytes it announces are there too.
    bool ReadFieldSize(bool isSigned, size_t& byteCount);

    const uint8_t* data = nullptr;
    size_t length = 0;
    size_t position = 0;
};
