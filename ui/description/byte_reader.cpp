#include "ui/description/byte_reader.h"

#include <cstring>

bool ByteReader::Skip(size_t byteCount) {
    if (byteCount > Remaining()) {
        return false;
    }
    position += byteCount;
    return true;
}

bool ByteReader::ReadU16(uint16_t& value) {
    if (Remaining() < 2) {
        return false;
    }
    const uint8_t* p = data + position;
    value = static_cast<uint16_t>(p[0] | (p[1] << 8));
    position += 2;
    return true;
}

bool ByteReader::ReadU32(uint32_t& value) {
    if (Remaining() < 4) {
        return false;
    }
    const uint8_t* p = data + position;
    value = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
            (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    position += 4;
    return true;
}

bool ByteReader::ReadI32(int32_t& value) {
    uint32_t raw = 0;
    if (!ReadU32(raw)) {
        return false;
    }
    // Two's complement reinterpretation, well defined since C++20.
    value = static_cast<int32_t>(raw);
    return true;
}

bool ByteReader::ReadBytes(size_t byteCount, std::vector<uint8_t>& bytes) {
    if (byteCount > Remaining()) {
        return false;
    }
    bytes.assign(data + position, data + position + byteCount);
    position += byteCount;
    return true;
}

bool ByteReader::ReadBytes(size_t byteCount, std::string& text) {
    if (byteCount > Remaining()) {
        return false;
    }
    text.assign(reinterpret_cast<const char*>(data + position), byteCount);
    position += byteCount;
    return true;
}

bool ByteReader::ReadFieldSize(bool isSigned, size_t& byteCount) {
    size_t start = position;
    uint32_t raw = 0;
    if (!ReadU32(raw)) {
        return false;
    }
    if (isSigned && static_cast<int32_t>(raw) <= 0) {
        byteCount = 0;
        return true;
    }
    if (raw > Remaining()) {
        position = start;
        return false;
    }
    byteCount = raw;
    return true;
}

bool ByteReader::ReadSizedBytes(std::vector<uint8_t>& bytes) {
    size_t start = position;
    size_t byteCount = 0;
    if (!ReadFieldSize(false, byteCount) || !ReadBytes(byteCount, bytes)) {
        position = start;
        return false;
    }
    return true;
}

bool ByteReader::ReadSizedText(std::string& text) {
    size_t start = position;
    size_t byteCount = 0;
    if (!ReadFieldSize(false, byteCount) || !ReadBytes(byteCount, text)) {
        position = start;
        return false;
    }
    return true;
}

bool ByteReader::ReadSignedSizedBytes(std::vector<uint8_t>& bytes) {
    size_t start = position;
    size_t byteCount = 0;
    if (!ReadFieldSize(true, byteCount) || !ReadBytes(byteCount, bytes)) {
        position = start;
        return false;
    }
    return true;
}

bool ByteReader::ReadSignedSizedText(std::string& text) {
    size_t start = position;
    size_t byteCount = 0;
    if (!ReadFieldSize(true, byteCount) || !ReadBytes(byteCount, text)) {
        position = start;
        return false;
    }
    return true;
}

bool ByteReader::ReadZeroTerminatedText(std::string& text) {
    const void* end = Remaining() ? std::memchr(data + position, 0, Remaining()) : nullptr;
    if (!end) {
        return false;
    }
    size_t byteCount = static_cast<size_t>(static_cast<const uint8_t*>(end) - (data + position));
    text.assign(reinterpret_cast<const char*>(data + position), byteCount);
    position += byteCount + 1;
    return true;
}
