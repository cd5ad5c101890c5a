#include "ui/description/byte_writer.h"

#include <cstring>
#include <limits>

void ByteWriter::WriteU16(uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::WriteU32(uint32_t value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
    bytes.push_back(static_cast<uint8_t>(value >> 16));
    bytes.push_back(static_cast<uint8_t>(value >> 24));
}

void ByteWriter::WriteBytes(const uint8_t* data, size_t length) {
    if (length) {
        bytes.insert(bytes.end(), data, data + length);
    }
}

void ByteWriter::WriteBytes(const std::string& text) {
    WriteBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

// Nothing in a description comes near 4 GiB; cutting at the largest 32-bit
// length keeps the length field and the bytes after it in agreement.
static size_t StorableLength(size_t length) {
    return length > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max() : length;
}

void ByteWriter::WriteSizedBytes(const std::vector<uint8_t>& data) {
    size_t length = StorableLength(data.size());
    WriteU32(static_cast<uint32_t>(length));
    WriteBytes(data.data(), length);
}

void ByteWriter::WriteSizedText(const std::string& text) {
    size_t length = StorableLength(text.size());
    WriteU32(static_cast<uint32_t>(length));
    WriteBytes(reinterpret_cast<const uint8_t*>(text.data()), length);
}

void ByteWriter::WriteZeroTerminatedText(const std::string& text) {
    size_t length = std::strlen(text.c_str());
    WriteBytes(reinterpret_cast<const uint8_t*>(text.data()), length);
    bytes.push_back(0);
}

void ByteWriter::PatchU32(size_t offset, uint32_t value) {
    if (offset > bytes.size() || bytes.size() - offset < 4) {
        return;
    }
    bytes[offset] = static_cast<uint8_t>(value);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
    bytes[offset + 2] = static_cast<uint8_t>(value >> 16);
    bytes[offset + 3] = static_cast<uint8_t>(value >> 24);
}
