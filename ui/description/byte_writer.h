#pragma once
// Little-endian fields appended to a growing block of bytes; the counterpart
// of ByteReader.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class ByteWriter {
public:
    void WriteU16(uint16_t value);
    void WriteU32(uint32_t value);
    void WriteI32(int32_t value) { WriteU32(static_cast<uint32_t>(value)); }
    void WriteBytes(const uint8_t* data, size_t length);
    void WriteBytes(const std::vector<uint8_t>& data) { WriteBytes(data.data(), data.size()); }
    void WriteBytes(const std::string& text);

    // A 32-bit length, then the bytes. Blocks are limited to 32-bit lengths;
    // the length written always matches the bytes that follow.
    void WriteSizedBytes(const std::vector<uint8_t>& data);
    void WriteSizedText(const std::string& text);

    // The text up to its first 0 byte (a stored text cannot hold one), then 0.
    void WriteZeroTerminatedText(const std::string& text);

    // Overwrites 4 bytes already written at `offset`.
    void PatchU32(size_t offset, uint32_t value);

    size_t Size() const { return bytes.size(); }
    const std::vector<uint8_t>& Bytes() const { return bytes; }
    std::vector<uint8_t> Take() { return std::move(bytes); }

private:
    std::vector<uint8_t> bytes;
};
